#pragma once

// For tests: while one of these lives, message boxes are not shown; their texts are recorded
// and answered from a queue (an empty queue answers OK, or Cancel on a Retry/Cancel box).

#include "MessageBox.h"

#include <QStringList>

#include <deque>

namespace quorl::ui {

class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }

    const QStringList& texts() const { return texts_; }
    const QList<MessageButtons>& buttons() const { return buttons_; }
    void clear();

private:
    MessageAnswer answer(const QString& text, MessageButtons buttons);

    QStringList texts_;
    QList<MessageButtons> buttons_;
    std::deque<MessageAnswer> answers_;
    MessageHook previous_;
};

} // namespace quorl::ui
