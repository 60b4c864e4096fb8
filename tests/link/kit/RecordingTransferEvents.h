#pragma once

// A front end without windows for tests: RecordingTransferEvents records every event of a clone
// transfer in the trace ("stage waiting", "progress 12/1023", "retry no answer", "pump", ...)
// and answers through hooks: it tries the go-ahead again and gives up on a silent radio unless
// told otherwise.

#include "Trace.h"
#include "TransferEvents.h"

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

} // namespace quorl::testkit
