#include "RecordingTransferUi.h"

#include <algorithm>

namespace quorl::testkit {

void RecordingTransferUi::setStatusText(const QString& text) {
    status_ = text;
    trace_.add("status " + text.toStdString());
}

int RecordingTransferUi::stepProgress() {
    position_ = std::min(position_ + 1, kProgressMaximum);
    highest_ = std::max(highest_, position_);
    trace_.add("step");
    return position_;
}

void RecordingTransferUi::setProgressPosition(int position) {
    position_ = position;
    highest_ = std::max(highest_, position_);
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
    messages_.push_back(text);
    buttons_.push_back(buttons);
    if (armed_)
        ++messagesWhileArmed_;
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

void RecordingTransferUi::encodeImage() {
    ++encodes_;
    trace_.add("encode");
}

void RecordingTransferUi::decodeImage() {
    ++decodes_;
    trace_.add("decode");
}

} // namespace quorl::testkit
