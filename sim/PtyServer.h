#pragma once

// Plays a SimRadio on the master end of a pseudo-terminal in real time: every answer leaves
// after the answer delay, counted from the byte that asked for it, like a real radio's; the
// late part of an answer one answer delay after that.

#include "Pty.h"
#include "SimRadio.h"

#include <chrono>
#include <csignal>

namespace quorl {

class PtyServer {
public:
    PtyServer(SimRadio& radio, Pty& pty, std::chrono::milliseconds answerDelay);

    // Serves until `stop` is set (by a signal handler, say) or the radio hangs up, in which
    // case the line is closed. While waiting, the signal mask is `waitMask`, so signals
    // blocked elsewhere can still end the wait.
    void serve(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask);

private:
    SimRadio& radio_;
    Pty& pty_;
    std::chrono::milliseconds answerDelay_;
};

} // namespace quorl
