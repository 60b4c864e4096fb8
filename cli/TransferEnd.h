#pragma once

// How a transfer from a terminal ends: the stop signals that cancel it, and what went wrong in
// the words of a terminal rather than the window's message boxes.

#include "CloneProtocol.h"
#include "RadioSession.h"

#include <QString>
#include <QStringList>

#include <array>
#include <csignal>

namespace quorl {

// The signal that asked the transfers to stop, 0 while none has. Every transfer running, on
// any thread, watches it.
extern volatile std::sig_atomic_t stopRequested;

// While it lives, Ctrl+C, a kill (SIGTERM) and a closed terminal (SIGHUP) ask the transfers to
// stop at their next wait instead of ending the program, so each port is closed (its exclusive
// flag cleared for the next user), a write's backup is kept and the user is told.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    static constexpr std::array kSignals{SIGINT, SIGTERM, SIGHUP};
    std::array<struct sigaction, kSignals.size()> previous_{};
};

// "stopped by Ctrl+C", and so on.
QString stopWords(int signal);

// Why a transfer did not complete; the port's own error words follow when there are any.
QString failureWords(const TransferResult& result, const QString& portError);

// What a finished session leaves to say: copies not kept or kept with a warning, bytes a read
// left out.
QStringList sessionWarnings(const SessionResult& result);

} // namespace quorl
