#pragma once

// A transfer UI without windows: it keeps the progress bar, the cancel flag and the guard the
// way the progress dialog does, records every call in the trace, and answers message boxes
// through a hook (OK, and Cancel for Retry/Cancel boxes, unless told otherwise).

#include "Trace.h"
#include "TransferUi.h"

#include <functional>
#include <vector>

namespace quorl::testkit {

class RecordingTransferUi final : public TransferUi {
public:
    explicit RecordingTransferUi(Trace& trace) : trace_(trace) {}

    void setStatusText(const QString& text) override;
    int stepProgress() override;
    void setProgressPosition(int position) override;
    bool cancelRequested() const override { return cancel_; }
    void armGuard() override;
    void disarmGuard() override;
    void closeDialog() override;
    MessageAnswer showMessage(const QString& text, MessageButtons buttons) override;
    void pumpPass() override;
    void encodeImage() override;
    void decodeImage() override;

    // What the user does.
    std::function<MessageAnswer(const QString& text, MessageButtons buttons)> answer;
    std::function<void()> onPump; // runs inside each pumping pass
    void requestCancel() { cancel_ = true; }

    int position() const { return position_; }
    int highestPosition() const { return highest_; }
    const QString& statusText() const { return status_; }
    bool armed() const { return armed_; }
    bool dialogOpen() const { return dialogOpen_; }
    int pumps() const { return pumps_; }
    int decodes() const { return decodes_; }
    int encodes() const { return encodes_; }
    const std::vector<QString>& messages() const { return messages_; }
    const std::vector<MessageButtons>& messageButtons() const { return buttons_; }
    // Boxes shown while the guard was armed: each would have counted as an interruption.
    int messagesWhileArmed() const { return messagesWhileArmed_; }

private:
    Trace& trace_;
    QString status_ = QStringLiteral("   Not start yet");
    int position_ = 0;
    int highest_ = 0;
    bool cancel_ = false;
    bool armed_ = true; // armed when the dialog opens
    bool dialogOpen_ = true;
    int pumps_ = 0;
    int decodes_ = 0;
    int encodes_ = 0;
    int messagesWhileArmed_ = 0;
    std::vector<QString> messages_;
    std::vector<MessageButtons> buttons_;
};

} // namespace quorl::testkit
