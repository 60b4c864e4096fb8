#include "TransferPump.h"

#include <QApplication>
#include <QKeyEvent>

namespace quorl {

namespace {

bool isDialogKey(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

} // namespace

TransferPump::TransferPump() {
    QCoreApplication::instance()->installEventFilter(this);
}

TransferPump::~TransferPump() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void TransferPump::pass() {
    passing_ = true;
    QCoreApplication::processEvents();
    passing_ = false;
}

bool TransferPump::eventFilter(QObject* watched, QEvent* event) {
    if (!passing_ || QApplication::activeModalWidget())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claimed for the focused control, so no shortcut fires and the key goes on as a key.
        event->accept();
        return true;
    case QEvent::KeyPress:
        return isDialogKey(static_cast<QKeyEvent*>(event)->key());
    default:
        return false;
    }
}

} // namespace quorl
