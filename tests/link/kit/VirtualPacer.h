#pragma once

#include "Pacer.h"
#include "Trace.h"
#include "VirtualClock.h"

#include <string>

namespace quorl::testkit {

// Pauses advance the virtual clock at once and are recorded as "pause <ms>".
class VirtualPacer final : public Pacer {
public:
    VirtualPacer(VirtualClock& clock, Trace& trace) : clock_(clock), trace_(trace) {}
    void pause(int milliseconds) override {
        clock_.advanceMs(milliseconds);
        trace_.add("pause " + std::to_string(milliseconds));
    }

private:
    VirtualClock& clock_;
    Trace& trace_;
};

} // namespace quorl::testkit
