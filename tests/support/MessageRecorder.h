#pragma once

// While one of these lives, message boxes are not shown; their texts are recorded and answered
// from a queue (an empty queue answers OK, or Cancel on a Retry/Cancel box).

#include "MessageBox.h"

#include <QStringList>

#include <deque>

namespace quorl::ui {

class MessageRecorder {
public:
    MessageRecorder() {
        previous_ = setMessageHook(
            [this](const QString& text, MessageButtons buttons) { return answer(text, buttons); });
    }
    ~MessageRecorder() { setMessageHook(std::move(previous_)); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }

    const QStringList& texts() const { return texts_; }
    const QList<MessageButtons>& buttons() const { return buttons_; }
    void clear() {
        texts_.clear();
        buttons_.clear();
        answers_.clear();
    }

private:
    MessageAnswer answer(const QString& text, MessageButtons buttons) {
        texts_.append(text);
        buttons_.append(buttons);
        if (!answers_.empty()) {
            const MessageAnswer next = answers_.front();
            answers_.pop_front();
            return next;
        }
        return buttons == MessageButtons::RetryCancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
    }

    QStringList texts_;
    QList<MessageButtons> buttons_;
    std::deque<MessageAnswer> answers_;
    MessageHook previous_;
};

} // namespace quorl::ui
