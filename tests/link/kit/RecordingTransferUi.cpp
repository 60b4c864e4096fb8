#include "RecordingTransferUi.h"

#include <algorithm>

namespace quorl::testkit {

int RecordingTransferUi::stepProgress() {
    position_ = std::min(position_ + 1, kProgressMaximum);
    trace_.add("step");
    return position_;
}

void RecordingTransferUi::setProgressPosition(int position) {
    position_ = position;
    trace_.add("position " + std::to_string(position));
}

void RecordingTransferUi::armGuard() {
    armed_ = true;
    trace_.add("arm");
}

void RecordingTransferUi::disarmGuard() {
    armed_ = false;
    trace_.add("disarm");
}

void RecordingTransferUi::closeDialog() {
    dialogOpen_ = false;
    trace_.add("close dialog");
}

MessageAnswer RecordingTransferUi::showMessage(const QString& text, MessageButtons buttons) {
    trace_.add("message " + text.toStdString());
    messages_.push_back({text, buttons, armed_});
    if (answer)
        return answer(text, buttons);
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

void RecordingTransferUi::pumpPass() {
    ++pumps_;
    trace_.add("pump");
    if (onPump)
        onPump();
}

} // namespace quorl::testkit
