#pragma once

// Front ends without windows for tests. RecordingTransferEvents records every event of a clone
// transfer in the trace ("stage waiting", "progress 12/1023", "retry no answer", "pump", ...)
// and answers through hooks: it tries the go-ahead again and gives up on a silent radio unless
// told otherwise. RecordingMessages records the boxes of the test-mode exchange and answers OK,
// and Cancel for Retry/Cancel boxes, unless told otherwise.

#include "MessageSink.h"
#include "Trace.h"
#include "TransferEvents.h"

#include <QString>

#include <functional>
#include <vector>

namespace quorl::testkit {

class RecordingTransferEvents final : public TransferEvents {
public:
    explicit RecordingTransferEvents(Trace& trace) : trace_(trace) {}

    void begin(TransferDirection direction) override;
    void stage(TransferStage stage) override;
    void progress(int done, int total) override;
    bool retry(RetryReason reason) override;
    bool betweenWaits() override;

    // What the user does.
    std::function<bool(RetryReason)> answer;
    std::function<void()> onPump; // runs inside each pass of waiting
    void requestCancel() { cancel_ = true; }

    int done() const { return done_; }
    int pumps() const { return pumps_; }
    const std::vector<RetryReason>& questions() const { return questions_; }

private:
    Trace& trace_;
    int done_ = 0;
    bool cancel_ = false;
    int pumps_ = 0;
    std::vector<RetryReason> questions_;
};

class RecordingMessages final : public MessageSink {
public:
    explicit RecordingMessages(Trace& trace) : trace_(trace) {}

    MessageAnswer showMessage(const QString& text, MessageButtons buttons) override;

    std::function<MessageAnswer(const QString& text, MessageButtons buttons)> answer;
    struct Message {
        QString text;
        MessageButtons buttons;
        friend bool operator==(const Message&, const Message&) = default;
    };
    const std::vector<Message>& messages() const { return messages_; }

private:
    Trace& trace_;
    std::vector<Message> messages_;
};

} // namespace quorl::testkit
