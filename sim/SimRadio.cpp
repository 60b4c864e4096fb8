#include "SimRadio.h"

#include "AlignmentParameter.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quorl {

namespace {

constexpr std::array<std::uint8_t, 7> kHandshake{0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};
constexpr std::uint8_t kStart = 0x02;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;
constexpr std::uint8_t kModeSelect = 0x4D; // "M"
constexpr std::uint8_t kRead = 0x52;       // "R"
constexpr std::uint8_t kWrite = 0x57;      // "W"
constexpr std::size_t kHeaderLength = 3;   // address high, address low, length
constexpr std::size_t kBlockSize = 8;
constexpr std::uint8_t kTestMode = 0x78; // "x"
constexpr std::uint8_t kTestCommandEnd = 0x08;
constexpr std::uint8_t kTestAck = 0x48; // "H"
constexpr std::size_t kTestFrameSize = 8;

// What this radio says after the handshake: model and firmware, not looked at by the program.
constexpr std::array<std::uint8_t, 8> kIdentification{'Q', 'Z', 'R', '1', '0', '1', 'V', '2'};

std::size_t memoryIndex(std::size_t address) {
    return address % kImageSize;
}

bool isTestCommand(std::uint8_t byte) {
    return std::any_of(kAlignmentParameters.begin(), kAlignmentParameters.end(),
                       [byte](const AlignmentParameterInfo& p) { return p.command == byte; });
}

} // namespace

SimRadio::SimRadio(const RadioImage& memory) : memory_(memory) {}

void SimRadio::setFaults(std::vector<SimFault> faults) {
    faults_ = std::move(faults);
}

SimAnswer SimRadio::receive(std::uint8_t byte) {
    if (hungUp_)
        return {};
    received_.push_back(byte);
    if (faulty(SimFaultKind::HangUp, -1)) {
        hungUp_ = true;
        return {};
    }
    SimAnswer answer;
    answer.now = step(byte);
    answer.later = std::exchange(later_, {});
    if (silent_ || hungUp_ || faulty(SimFaultKind::Silent, -1))
        return {};
    return answer;
}

std::vector<std::uint8_t> SimRadio::step(std::uint8_t byte) {
    switch (state_) {
    case State::Idle:
    case State::Handshake:
        if (byte != kHandshake[matched_])
            return startOver(byte);
        if (++matched_ < kHandshake.size()) {
            state_ = State::Handshake;
            return {};
        }
        state_ = State::ModeSelect;
        // A radio clearing its throat: the acknowledgement follows a moment later.
        if (faulty(SimFaultKind::WrongHandshakeByte, -1)) {
            later_ = {kAck};
            return {kNak};
        }
        return {kAck};
    case State::ModeSelect:
        if (byte != kModeSelect)
            return startOver(byte);
        state_ = State::ModeSelectEnd;
        return {};
    case State::ModeSelectEnd:
        if (byte != kStart)
            return startOver(byte);
        state_ = State::GoAhead;
        return {kIdentification.begin(), kIdentification.end()};
    case State::GoAhead:
        if (byte != kAck)
            return startOver(byte);
        state_ = State::Command;
        if (faulty(SimFaultKind::NoGoAheadAnswer, -1))
            return {};
        return {kAck};
    case State::Command:
        return command(byte);
    case State::Header:
        frame_.push_back(byte);
        if (frame_.size() < kHeaderLength)
            return {};
        return blockRequest();
    case State::WriteData: {
        frame_.push_back(byte);
        if (frame_.size() < kHeaderLength + kBlockSize)
            return {};
        const std::size_t address = (std::size_t{frame_[0]} << 8) | frame_[1];
        if (!faulty(SimFaultKind::DroppedWrite, currentBlock()))
            for (std::size_t i = 0; i < kBlockSize; ++i)
                memory_[memoryIndex(address + i)] = frame_[kHeaderLength + i];
        state_ = State::Command;
        if (faulty(SimFaultKind::MissingWriteAck, currentBlock()))
            return {};
        return {kAck};
    }
    case State::ReadAck:
        if (byte != kAck)
            return command(byte);
        state_ = State::Command;
        if (faulty(SimFaultKind::MissingBlockAck, currentBlock()))
            return {};
        return {kAck};
    case State::TestCommand:
    case State::TestRepeat:
    case State::TestEnd:
    case State::Frequencies:
    case State::Values:
        return testStep(byte);
    }
    return {};
}

// The test mode: the command byte twice and 0x08, then the two frames, each answered with "H".
std::vector<std::uint8_t> SimRadio::testStep(std::uint8_t byte) {
    switch (state_) {
    case State::TestCommand:
        if (!isTestCommand(byte))
            return startOver(byte);
        command_ = byte;
        state_ = State::TestRepeat;
        return {};
    case State::TestRepeat:
        if (byte != command_)
            return startOver(byte);
        state_ = State::TestEnd;
        return {};
    case State::TestEnd:
        if (byte != kTestCommandEnd)
            return startOver(byte);
        record(SimTestFrame::Kind::Command, {command_});
        return testAck(SimFaultKind::NoCommandAck, State::Frequencies);
    case State::Frequencies:
    case State::Values: {
        frame_.push_back(byte);
        if (frame_.size() < kTestFrameSize)
            return {};
        if (state_ == State::Frequencies) {
            record(SimTestFrame::Kind::Frequencies, frame_);
            return testAck(SimFaultKind::NoFrequencyAck, State::Values);
        }
        record(SimTestFrame::Kind::Values, frame_);
        frame_.clear();
        waitForHandshake();
        return {kTestAck};
    }
    default:
        return startOver(byte);
    }
}

// "H" and on to the next step; or, with the fault, silence, and the radio waits for a new
// handshake as it would once the program has given up on it.
std::vector<std::uint8_t> SimRadio::testAck(SimFaultKind fault, State next) {
    frame_.clear();
    if (faulty(fault, -1)) {
        waitForHandshake();
        return {};
    }
    state_ = next;
    return {kTestAck};
}

void SimRadio::waitForHandshake() {
    matched_ = 0;
    state_ = State::Idle;
}

void SimRadio::record(SimTestFrame::Kind kind, std::vector<std::uint8_t> bytes) {
    testFrames_.push_back({kind, std::move(bytes)});
    if (observer_)
        observer_(testFrames_.back());
}

// A byte out of turn: the program has given up on this exchange. A 0x02 may begin a new one.
std::vector<std::uint8_t> SimRadio::startOver(std::uint8_t byte) {
    matched_ = byte == kStart ? 1 : 0;
    state_ = matched_ ? State::Handshake : State::Idle;
    return {};
}

std::vector<std::uint8_t> SimRadio::command(std::uint8_t byte) {
    if (byte == kTestMode) {
        state_ = State::TestCommand;
        return {};
    }
    if (byte != kRead && byte != kWrite)
        return startOver(byte);
    command_ = byte;
    frame_.clear();
    state_ = State::Header;
    return {};
}

std::vector<std::uint8_t> SimRadio::blockRequest() {
    const int block = currentBlock();
    if (faulty(SimFaultKind::HangUp, block))
        hungUp_ = true;
    if (faulty(SimFaultKind::Silent, block))
        silent_ = true;
    if (command_ == kWrite) {
        state_ = State::WriteData;
        return {};
    }
    // The reply repeats the request under a "W" header, then the block's 8 bytes.
    std::vector<std::uint8_t> reply{kWrite, frame_[0], frame_[1],
                                    static_cast<std::uint8_t>(kBlockSize)};
    const std::size_t address = (std::size_t{frame_[0]} << 8) | frame_[1];
    for (std::size_t i = 0; i < kBlockSize; ++i)
        reply.push_back(memory_[memoryIndex(address + i)]);
    for (const SimFault& fault : faults_) {
        if (fault.kind == SimFaultKind::ShortReadReply && fault.strikes(block))
            reply.resize(std::min<std::size_t>(reply.size(), fault.replyLength));
    }
    state_ = State::ReadAck;
    return reply;
}

// Block -1 stands for the handshake: only faults without a block strike there.
bool SimRadio::faulty(SimFaultKind kind, int block) const {
    return std::any_of(faults_.begin(), faults_.end(), [&](const SimFault& fault) {
        if (fault.kind != kind)
            return false;
        if (block < 0)
            return !fault.block.has_value();
        return fault.strikes(block);
    });
}

int SimRadio::currentBlock() const {
    return static_cast<int>(((std::size_t{frame_[0]} << 8) | frame_[1]) / kBlockSize);
}

} // namespace quorl
