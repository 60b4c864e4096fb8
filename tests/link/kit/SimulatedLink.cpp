#include "SimulatedLink.h"

#include "TestFrameText.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace quorl::testkit {

SimulatedLink::SimulatedLink(SimRadio& radio, VirtualClock& clock, Trace& trace)
    : radio_(radio), clock_(clock), trace_(trace) {}

bool SimulatedLink::open(const QString& portName, const SerialTimeouts& timeouts) {
    trace_.add("open " + portName.toStdString());
    if (refuseOpen || open_)
        return false;
    open_ = true;
    ++openCount_;
    portName_ = portName;
    timeouts_ = timeouts;
    return true;
}

void SimulatedLink::purge(PurgeMode mode) {
    trace_.add(mode == PurgeMode::Clear ? "purge clear" : "purge abort");
    std::erase_if(inbound_, [&](const Arrival& a) { return a.at <= clock_.now; });
}

LinkResult SimulatedLink::write(std::span<const std::uint8_t> bytes) {
    trace_.add("write " + hexBytes(bytes));
    if (!open_ || radio_.hungUp() || (failWrite && failWrite(bytes)))
        return {false, 0};
    for (const std::uint8_t byte : bytes) {
        clock_.now += kByteTimeUs;
        const SimAnswer answer = radio_.receive(byte);
        std::int64_t at = clock_.now + kAnswerDelayUs;
        if (!inbound_.empty())
            at = std::max(at, inbound_.back().at);
        for (const std::uint8_t out : answer.now) {
            at += kByteTimeUs;
            inbound_.push_back({at, out});
        }
        at += kAnswerDelayUs;
        for (const std::uint8_t out : answer.later) {
            at += kByteTimeUs;
            inbound_.push_back({at, out});
        }
    }
    writes_.emplace_back(bytes.begin(), bytes.end());
    return {true, bytes.size()};
}

LinkResult SimulatedLink::read(std::span<std::uint8_t> buffer) {
    const std::size_t count = buffer.size();
    if (!open_ || radio_.hungUp() || (failRead && failRead(count))) {
        trace_.add("read " + std::to_string(count) + " failed");
        return {false, 0};
    }
    const std::int64_t deadline = clock_.now + timeouts_.readTotal(count) * 1000;
    const std::int64_t interval = std::int64_t{timeouts_.readInterval} * 1000;
    std::size_t received = 0;
    std::int64_t last = clock_.now;
    while (received < count && !inbound_.empty()) {
        const std::int64_t at = std::max(inbound_.front().at, clock_.now);
        const std::int64_t limit = received == 0 ? deadline : std::min(deadline, last + interval);
        if (at > limit)
            break;
        buffer[received++] = inbound_.front().byte;
        inbound_.pop_front();
        last = at;
    }
    if (received == count)
        clock_.now = last;
    else if (received == 0)
        clock_.now = deadline;
    else
        clock_.now = std::min(deadline, last + interval);
    trace_.add("read " + std::to_string(count) + " -> " + std::to_string(received));
    return {true, received};
}

void SimulatedLink::close() {
    if (!open_)
        return;
    trace_.add("close");
    open_ = false;
    inbound_.clear();
}

} // namespace quorl::testkit
