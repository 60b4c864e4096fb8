#pragma once

// The radio's side of the clone exchange, driven one received byte at a time, over its own
// 8 KB memory. It answers what a radio answers and records every byte it was sent; faults
// make it misbehave at chosen blocks. It knows no time: whoever carries its bytes decides
// when they arrive.

#include "RadioImage.h"
#include "SimFault.h"

#include <cstdint>
#include <vector>

namespace quorl {

class SimRadio {
public:
    explicit SimRadio(const RadioImage& memory);

    // One byte from the line; returns the radio's answer to it (often nothing).
    std::vector<std::uint8_t> receive(std::uint8_t byte);

    void setFaults(std::vector<SimFault> faults);
    // After a hang-up the line is gone: nothing is answered any more.
    bool hungUp() const { return hungUp_; }

    const RadioImage& memory() const { return memory_; }
    // Every byte received, in order, since construction.
    const std::vector<std::uint8_t>& received() const { return received_; }

private:
    enum class State {
        Idle,          // waiting for the 0x02 that starts the handshake
        Handshake,     // matching "PROGRA"
        ModeSelect,    // waiting for "M"
        ModeSelectEnd, // waiting for the 0x02 after "M"
        GoAhead,       // identification sent, waiting for the program's 0x06
        Command,       // waiting for "R" or "W"
        Header,        // address high, address low, length
        WriteData,     // the 8 bytes of a write block
        ReadAck,       // read reply sent, waiting for the program's 0x06
    };

    std::vector<std::uint8_t> step(std::uint8_t byte);
    std::vector<std::uint8_t> startOver(std::uint8_t byte);
    std::vector<std::uint8_t> command(std::uint8_t byte);
    std::vector<std::uint8_t> blockRequest();
    bool faulty(SimFaultKind kind, int block) const;
    int currentBlock() const;

    RadioImage memory_;
    std::vector<SimFault> faults_;
    std::vector<std::uint8_t> received_;
    State state_ = State::Idle;
    std::size_t matched_ = 0;
    std::uint8_t command_ = 0;
    std::vector<std::uint8_t> frame_;
    bool silent_ = false;
    bool hungUp_ = false;
};

} // namespace quorl
