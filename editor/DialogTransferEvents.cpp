#include "DialogTransferEvents.h"

#include "MessageBox.h"
#include "PortMessage.h"
#include "ProgressDialog.h"

namespace quorl {

namespace {

const QString kDetectingText =
    QStringLiteral("Now are detecting Communication Port,Please wait...");
const QString kWaitingText = QStringLiteral("Waiting the response from radio....");
const QString kSendOrderText = QStringLiteral(" Error in the Send Order");
const QString kCommunicationErrorText =
    QStringLiteral("Communication Error，Please check all the connections and the radio power");
const QString kShortReplyText = QStringLiteral("not received enough  byte");
const QString kReadAckText = QStringLiteral("Error had happen,please try again");
const QString kWriteAckText =
    QStringLiteral(" Program Interrupt，Please reset the radio and try again");

// The box for an outcome, or empty when it gets none: a completed or cancelled transfer, and
// a radio that did not answer, which the Communication Error box has already told.
QString failureText(TransferOutcome outcome) {
    switch (outcome) {
    case TransferOutcome::PortNotOpened:
        return QString::fromUtf8(ui::kPortOpenFailedMessage);
    case TransferOutcome::ShortReply:
        return kShortReplyText;
    case TransferOutcome::ReadNotAcknowledged:
        return kReadAckText;
    case TransferOutcome::WriteNotAcknowledged:
        return kWriteAckText;
    case TransferOutcome::Completed:
    case TransferOutcome::Cancelled:
    case TransferOutcome::CommunicationError:
        break;
    }
    return {};
}

} // namespace

void DialogTransferEvents::stage(TransferStage stage) {
    dialog_.setStatusText(stage == TransferStage::Detecting ? kDetectingText : kWaitingText);
}

// One step per block; the status line shows the bar's position.
void DialogTransferEvents::progress(int, int) {
    dialog_.setStatusText(QString::number(dialog_.stepProgress()));
}

bool DialogTransferEvents::retry(RetryReason reason) {
    if (reason == RetryReason::GoAheadNotWritten) {
        tell(kSendOrderText);
        return true;
    }
    return tell(kCommunicationErrorText, ui::MessageButtons::RetryCancel) ==
           ui::MessageAnswer::Retry;
}

// The guard is down only while a box is up: the next wait raises it again.
bool DialogTransferEvents::betweenWaits() {
    dialog_.armGuard();
    pump_.pass();
    return !dialog_.cancelRequested();
}

void DialogTransferEvents::finish(const SessionResult& result) {
    if (result.completed()) {
        dialog_.disarmGuard();
        dialog_.setProgressPosition(kProgressMaximum);
    } else if (const QString text = failureText(result.transfer.outcome); !text.isEmpty()) {
        tell(text);
    }
    dialog_.closeWindow();
}

ui::MessageAnswer DialogTransferEvents::tell(const QString& text, ui::MessageButtons buttons) {
    dialog_.disarmGuard();
    return ui::messageBox(text, buttons);
}

} // namespace quorl
