#include "KeyboardPolicy.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

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

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void KeyboardPolicy::watch(QWidget* window) {
    watchTree(window);
    if (QWindow* handle = window->windowHandle())
        handle->installEventFilter(this);
}

void KeyboardPolicy::watchTree(QWidget* widget) {
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>())
        child->installEventFilter(this);
}

void KeyboardPolicy::setAccelerators(const QWidget* window, AcceleratorTest test) {
    acceleratorWindow_ = window;
    accelerators_ = std::move(test);
}

// A message box opened inside a pass is the user's to answer, keys and all.
bool KeyboardPolicy::insidePass() const {
    return pumping_ && !QApplication::activeModalWidget();
}

bool KeyboardPolicy::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded: {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            child->installEventFilter(this);
        break;
    }
    case QEvent::Show:
        // Windows get their handle when first shown; keys reach the handle before any control.
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->isWindow())
            if (QWindow* handle = widget->windowHandle())
                handle->installEventFilter(this);
        break;
    case QEvent::ShortcutOverride:
        return shortcutOverride(watched, static_cast<QKeyEvent*>(event));
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (watched->isWindowType()) {
            if (keyObserver_)
                keyObserver_(*static_cast<QKeyEvent*>(event));
            break;
        }
        if (event->type() == QEvent::KeyPress)
            return keyPress(watched, static_cast<QKeyEvent*>(event));
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool KeyboardPolicy::shortcutOverride(QObject* watched, QKeyEvent* event) {
    if (insidePass()) {
        // Claimed for the focused control: no shortcut fires and the key goes on as a key.
        event->accept();
        return true;
    }
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (widget && accelerators_ && widget->window() == acceleratorWindow_ &&
        accelerators_(event->keyCombination())) {
        event->ignore();
        return true;
    }
    return false;
}

bool KeyboardPolicy::keyPress(QObject* watched, QKeyEvent* event) {
    if (insidePass() && isDialogKey(event->key()))
        return true;
    if (keyHandler_ && keyHandler_(watched, event))
        return true;
    if (isEnter(event->key()) && enterHandler_)
        return enterHandler_(watched, event);
    return false;
}

} // namespace quorl
