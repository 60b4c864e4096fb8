#pragma once

// A transfer UI without windows: it keeps the progress bar, the cancel flag and the guard the
// way the progress dialog does, records every call in the trace ("status 12", "pump", "arm",
// "message <text>", "close dialog", "decode", ...) and answers message boxes through a hook:
// OK, and Cancel for Retry/Cancel boxes, unless told otherwise.

#include "Trace.h"
#include "TransferUi.h"

#include <functional>
#include <vector>

namespace quorl::testkit {

class RecordingTransferUi final : public TransferUi {
public:
    explicit RecordingTransferUi(Trace& trace) : trace_(trace) {}

    void setStatusText(const QString& text) override { trace_.add("status " + text.toStdString()); }
    int stepProgress() override;
    void setProgressPosition(int position) override;
    bool cancelRequested() const override { return cancel_; }
    void armGuard() override;
    void disarmGuard() override;
    void closeDialog() override;
    MessageAnswer showMessage(const QString& text, MessageButtons buttons) override;
    void pumpPass() override;

    // What the user does.
    std::function<MessageAnswer(const QString& text, MessageButtons buttons)> answer;
    std::function<void()> onPump; // runs inside each pumping pass
    void requestCancel() { cancel_ = true; }

    int position() const { return position_; }
    bool dialogOpen() const { return dialogOpen_; }
    int pumps() const { return pumps_; }
    struct Message {
        QString text;
        MessageButtons buttons;
        bool whileArmed; // would have counted as an interruption
        friend bool operator==(const Message&, const Message&) = default;
    };
    const std::vector<Message>& messages() const { return messages_; }

private:
    Trace& trace_;
    int position_ = 0;
    bool cancel_ = false;
    bool armed_ = true; // armed when the dialog opens
    bool dialogOpen_ = true;
    int pumps_ = 0;
    std::vector<Message> messages_;
};

} // namespace quorl::testkit
