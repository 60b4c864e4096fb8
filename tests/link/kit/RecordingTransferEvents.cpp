#include "RecordingTransferEvents.h"

namespace quorl::testkit {

void RecordingTransferEvents::begin(TransferDirection direction) {
    trace_.add(direction == TransferDirection::Read ? "begin read" : "begin write");
}

void RecordingTransferEvents::stage(TransferStage stage) {
    trace_.add(stage == TransferStage::Detecting ? "stage detecting" : "stage waiting");
}

void RecordingTransferEvents::progress(int done, int total) {
    done_ = done;
    trace_.add("progress " + std::to_string(done) + "/" + std::to_string(total));
}

bool RecordingTransferEvents::retry(RetryReason reason) {
    trace_.add(reason == RetryReason::NoAnswer ? "retry no answer" : "retry go-ahead");
    questions_.push_back(reason);
    if (answer)
        return answer(reason);
    return reason == RetryReason::GoAheadNotWritten;
}

bool RecordingTransferEvents::betweenWaits() {
    ++pumps_;
    trace_.add("pump");
    if (onPump)
        onPump();
    return !cancel_;
}

} // namespace quorl::testkit
