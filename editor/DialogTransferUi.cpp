#include "DialogTransferUi.h"

#include "MessageBox.h"
#include "ProgressDialog.h"

namespace quorl {

void DialogTransferUi::setStatusText(const QString& text) {
    dialog_.setStatusText(text);
}

int DialogTransferUi::stepProgress() {
    return dialog_.stepProgress();
}

void DialogTransferUi::setProgressPosition(int position) {
    dialog_.setProgressPosition(position);
}

bool DialogTransferUi::cancelRequested() const {
    return dialog_.cancelRequested();
}

void DialogTransferUi::armGuard() {
    dialog_.armGuard();
}

void DialogTransferUi::disarmGuard() {
    dialog_.disarmGuard();
}

void DialogTransferUi::closeDialog() {
    dialog_.closeWindow();
}

MessageAnswer DialogTransferUi::showMessage(const QString& text, MessageButtons buttons) {
    return ui::messageBox(text, buttons);
}

} // namespace quorl
