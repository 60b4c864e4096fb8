#include "MessageRecorder.h"

namespace quorl::ui {

MessageRecorder::MessageRecorder() {
    previous_ = setMessageHook(
        [this](const QString& text, MessageButtons buttons) { return answer(text, buttons); });
}

MessageRecorder::~MessageRecorder() {
    setMessageHook(std::move(previous_));
}

void MessageRecorder::clear() {
    texts_.clear();
    buttons_.clear();
    answers_.clear();
}

MessageAnswer MessageRecorder::answer(const QString& text, MessageButtons buttons) {
    texts_.append(text);
    buttons_.append(buttons);
    if (!answers_.empty()) {
        const MessageAnswer next = answers_.front();
        answers_.pop_front();
        return next;
    }
    return buttons == MessageButtons::RetryCancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
}

} // namespace quorl::ui
