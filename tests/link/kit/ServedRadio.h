#pragma once

// A simulated radio served on a pseudo-terminal from a thread of the test itself, in real
// time: the program's SerialPort opens slavePath() like any serial device.

#include "Pty.h"
#include "PtyServer.h"
#include "SimRadio.h"

#include <chrono>
#include <csignal>
#include <thread>

namespace quorl::testkit {

class ServedRadio {
public:
    ServedRadio(const RadioImage& memory, std::chrono::milliseconds answerDelay);
    ~ServedRadio();
    ServedRadio(const ServedRadio&) = delete;
    ServedRadio& operator=(const ServedRadio&) = delete;

    const std::string& slavePath() const { return pty_.slavePath(); }
    // Stops serving; the radio may be looked at afterwards.
    const SimRadio& stop();

private:
    SimRadio radio_;
    Pty pty_;
    PtyServer server_;
    volatile std::sig_atomic_t stop_ = 0;
    std::thread thread_;
};

} // namespace quorl::testkit
