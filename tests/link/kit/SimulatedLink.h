#pragma once

// The serial line to a SimRadio in virtual time: each byte takes a character time on the
// line, the radio answers after its answer delay (the late part of an answer one delay after
// that), and reads give up under the same time-out rules as the real port. Every call is
// recorded in the trace.

#include "ByteLink.h"
#include "SimRadio.h"
#include "Trace.h"
#include "VirtualClock.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace quorl::testkit {

class SimulatedLink final : public ByteLink {
public:
    static constexpr std::int64_t kByteTimeUs = 1042; // 10 bits at 9600 baud
    static constexpr std::int64_t kAnswerDelayUs = 10'000;

    SimulatedLink(SimRadio& radio, VirtualClock& clock, Trace& trace);

    bool open(const QString& portName, const SerialTimeouts& timeouts) override;
    void purge(PurgeMode mode) override;
    LinkResult write(std::span<const std::uint8_t> bytes) override;
    LinkResult read(std::span<std::uint8_t> buffer) override;
    void close() override;

    // Device errors on demand, beyond the radio hanging up: asked before each write or read.
    std::function<bool(std::span<const std::uint8_t>)> failWrite;
    std::function<bool(std::size_t count)> failRead;
    bool refuseOpen = false;

    bool isOpen() const { return open_; }
    int openCount() const { return openCount_; }
    const QString& portName() const { return portName_; }
    const SerialTimeouts& timeouts() const { return timeouts_; }
    // Every successful write call's bytes, one entry per call.
    const std::vector<std::vector<std::uint8_t>>& writes() const { return writes_; }

private:
    struct Arrival {
        std::int64_t at;
        std::uint8_t byte;
    };

    SimRadio& radio_;
    VirtualClock& clock_;
    Trace& trace_;
    std::deque<Arrival> inbound_;
    std::vector<std::vector<std::uint8_t>> writes_;
    SerialTimeouts timeouts_{};
    QString portName_;
    bool open_ = false;
    int openCount_ = 0;
};

} // namespace quorl::testkit
