#pragma once

// The radio's side of the clone exchange and of the test-mode exchange, driven one received
// byte at a time, over its own 8 KB memory. It answers what a radio answers and records every
// byte it was sent and every test-mode frame it took in; faults make it misbehave at chosen
// blocks or steps. It knows no time: whoever carries its bytes decides when they arrive.

#include "RadioImage.h"
#include "SimFault.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace quorl {

// What the radio says to one byte: `now` one answer delay after the byte, `later` one more
// answer delay after that.
struct SimAnswer {
    std::vector<std::uint8_t> now;
    std::vector<std::uint8_t> later;
};

// A step of the test-mode exchange as the radio took it in: the parameter's command byte, or
// one of the two 8-byte frames.
struct SimTestFrame {
    enum class Kind { Command, Frequencies, Values };
    Kind kind;
    std::vector<std::uint8_t> bytes;

    bool operator==(const SimTestFrame&) const = default;
};

class SimRadio {
public:
    explicit SimRadio(const RadioImage& memory);

    // One byte from the line; returns the radio's answer to it (often nothing).
    SimAnswer receive(std::uint8_t byte);

    void setFaults(std::vector<SimFault> faults);
    // After a hang-up the line is gone: nothing is answered any more.
    bool hungUp() const { return hungUp_; }

    const RadioImage& memory() const { return memory_; }
    // Every byte received, in order, since construction.
    const std::vector<std::uint8_t>& received() const { return received_; }
    // Every test-mode step taken in, in order; the observer hears of each as it arrives.
    const std::vector<SimTestFrame>& testFrames() const { return testFrames_; }
    void setTestFrameObserver(std::function<void(const SimTestFrame&)> observer) {
        observer_ = std::move(observer);
    }

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
        TestCommand,   // test mode entered with "x", waiting for a parameter's command byte
        TestRepeat,    // waiting for the command byte a second time
        TestEnd,       // waiting for the 0x08 that ends the command
        Frequencies,   // the 8 bytes of the frequency frame
        Values,        // the 8 bytes of the value frame
    };

    std::vector<std::uint8_t> step(std::uint8_t byte);
    std::vector<std::uint8_t> startOver(std::uint8_t byte);
    std::vector<std::uint8_t> command(std::uint8_t byte);
    std::vector<std::uint8_t> blockRequest();
    std::vector<std::uint8_t> testStep(std::uint8_t byte);
    std::vector<std::uint8_t> testAck(SimFaultKind fault, State next);
    void waitForHandshake();
    void record(SimTestFrame::Kind kind, std::vector<std::uint8_t> bytes);
    bool faulty(SimFaultKind kind, int block) const;
    int currentBlock() const;

    RadioImage memory_;
    std::vector<SimFault> faults_;
    std::vector<std::uint8_t> received_;
    std::vector<std::uint8_t> later_; // the late part of the answer being built
    std::vector<SimTestFrame> testFrames_;
    std::function<void(const SimTestFrame&)> observer_;
    State state_ = State::Idle;
    std::size_t matched_ = 0;
    std::uint8_t command_ = 0;
    std::vector<std::uint8_t> frame_;
    bool silent_ = false;
    bool hungUp_ = false;
};

} // namespace quorl
