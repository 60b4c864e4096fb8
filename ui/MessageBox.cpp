#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace quorl::ui {

namespace {

MessageHook& currentHook() {
    static MessageHook hook;
    return hook;
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
    const bool warning = !retryCancel && icon == MessageIcon::Standard;
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::NoIcon, kApplicationTitle, text,
                    retryCancel ? QMessageBox::Retry | QMessageBox::Cancel : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setDefaultButton(retryCancel ? QMessageBox::Retry : QMessageBox::Ok);
    box.setEscapeButton(retryCancel ? QMessageBox::Cancel : QMessageBox::Ok);
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
