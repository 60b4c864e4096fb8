#include "MessageBox.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace quorl::ui {

namespace {

MessageHook& currentHook() {
    static MessageHook hook;
    return hook;
}

// Window managers draw titles bold, beside the window's icon and its buttons.
constexpr int kTitleBarDecoration = 120;

// A box as wide as its title bar needs, so the title is never cut short.
void makeRoomForTitle(QMessageBox& box) {
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int room =
        QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarDecoration;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

MessageHook setMessageHook(MessageHook hook) {
    MessageHook previous = std::move(currentHook());
    currentHook() = std::move(hook);
    return previous;
}

MessageAnswer messageBox(const QString& text, MessageButtons buttons, MessageIcon icon) {
    if (currentHook())
        return currentHook()(text, buttons);

    const bool retryCancel = buttons == MessageButtons::RetryCancel;
    QMessageBox box(icon == MessageIcon::Standard ? QMessageBox::Warning : QMessageBox::NoIcon,
                    kApplicationTitle, text,
                    retryCancel ? QMessageBox::Retry | QMessageBox::Cancel : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setDefaultButton(retryCancel ? QMessageBox::Retry : QMessageBox::Ok);
    box.setEscapeButton(retryCancel ? QMessageBox::Cancel : QMessageBox::Ok);
    makeRoomForTitle(box);
    switch (box.exec()) {
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace quorl::ui
