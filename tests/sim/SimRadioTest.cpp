// The simulated radio's side of the clone and test-mode exchanges, one byte at a time.

#include "SimRadio.h"

#include <gtest/gtest.h>

namespace quorl {
namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kHandshake{0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};

RadioImage countingMemory() {
    RadioImage memory;
    for (std::size_t i = 0; i < memory.size(); ++i)
        memory[i] = static_cast<std::uint8_t>(i * 3 + (i >> 8));
    return memory;
}

// Feeds bytes and collects everything the radio answers.
Bytes send(SimRadio& radio, const Bytes& bytes) {
    Bytes answers;
    for (const std::uint8_t byte : bytes) {
        const SimAnswer answer = radio.receive(byte);
        answers.insert(answers.end(), answer.now.begin(), answer.now.end());
        answers.insert(answers.end(), answer.later.begin(), answer.later.end());
    }
    return answers;
}

// Handshake, "M" 0x02 and the go-ahead; returns what the radio said to all of it.
Bytes connect(SimRadio& radio) {
    Bytes said = send(radio, kHandshake);
    const Bytes ident = send(radio, {0x4D, 0x02});
    said.insert(said.end(), ident.begin(), ident.end());
    const Bytes goAhead = send(radio, {0x06});
    said.insert(said.end(), goAhead.begin(), goAhead.end());
    return said;
}

TEST(SimRadio, ANewHandshakeStartsOverAtAnyPoint) {
    SimRadio radio(countingMemory());
    connect(radio);
    send(radio, {0x52, 0x00, 0x00, 0x08}); // a reply the program never acknowledged
    EXPECT_EQ(send(radio, kHandshake), Bytes{0x06});
    send(radio, {0x02, 0x50, 0x52});
    EXPECT_EQ(send(radio, kHandshake), Bytes{0x06}) << "after half a handshake";
    EXPECT_EQ(send(radio, {0x02, 0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41}), Bytes{0x06});
}

TEST(SimRadio, RecordsEveryByteReceived) {
    SimRadio radio(countingMemory());
    radio.setFaults({{SimFaultKind::Silent}});
    const Bytes bytes{0x02, 0x50, 0x00, 0xFF, 0x06};
    send(radio, bytes);
    send(radio, bytes);
    Bytes twice = bytes;
    twice.insert(twice.end(), bytes.begin(), bytes.end());
    EXPECT_EQ(radio.received(), twice);
}

TEST(SimRadio, FaultsStrikeWhereTheyAreSet) {
    const RadioImage memory = countingMemory();
    const auto request = [](int block) {
        return Bytes{0x52, static_cast<std::uint8_t>(block * 8 >> 8),
                     static_cast<std::uint8_t>(block * 8 & 0xFF), 0x08};
    };
    const auto writeBlock = [](int block) {
        return Bytes{0x57,
                     static_cast<std::uint8_t>(block * 8 >> 8),
                     static_cast<std::uint8_t>(block * 8 & 0xFF),
                     0x08,
                     0,
                     0,
                     0,
                     0,
                     0,
                     0,
                     0,
                     0};
    };
    struct Case {
        const char* name;
        SimFault fault;
        Bytes connectAnswer;
        std::vector<std::size_t> readReplyLengths; // blocks 0, 1, 2, each then acknowledged
        std::vector<std::size_t> readAckLengths;
        std::vector<std::size_t> writeAckLengths; // blocks 0, 1, 2
    };
    const Bytes full = {0x06, 'Q', 'Z', 'R', '1', '0', '1', 'V', '2', 0x06};
    const Case cases[] = {
        {"none", {SimFaultKind::Silent, 99}, full, {12, 12, 12}, {1, 1, 1}, {1, 1, 1}},
        {"silent from the start", {SimFaultKind::Silent}, {}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
        {"silent from block 1", {SimFaultKind::Silent, 1}, full, {12, 0, 0}, {1, 0, 0}, {0, 0, 0}},
        {"wrong byte first",
         {SimFaultKind::WrongHandshakeByte},
         {0x15, 0x06, 'Q', 'Z', 'R', '1', '0', '1', 'V', '2', 0x06},
         {12, 12, 12},
         {1, 1, 1},
         {1, 1, 1}},
        {"no go-ahead answer",
         {SimFaultKind::NoGoAheadAnswer},
         {0x06, 'Q', 'Z', 'R', '1', '0', '1', 'V', '2'},
         {12, 12, 12},
         {1, 1, 1},
         {1, 1, 1}},
        {"short reply at block 1",
         {SimFaultKind::ShortReadReply, 1, 9},
         full,
         {12, 9, 12},
         {1, 1, 1},
         {1, 1, 1}},
        {"every reply short",
         {SimFaultKind::ShortReadReply, std::nullopt, 11},
         full,
         {11, 11, 11},
         {1, 1, 1},
         {1, 1, 1}},
        {"no block ack at 2",
         {SimFaultKind::MissingBlockAck, 2},
         full,
         {12, 12, 12},
         {1, 1, 0},
         {1, 1, 1}},
        {"no write ack at 0",
         {SimFaultKind::MissingWriteAck, 0},
         full,
         {12, 12, 12},
         {1, 1, 1},
         {0, 1, 1}},
        {"hang-up at block 2", {SimFaultKind::HangUp, 2}, full, {12, 12, 0}, {1, 1, 0}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRadio radio(memory);
        radio.setFaults({c.fault});
        EXPECT_EQ(connect(radio), c.connectAnswer);
        for (int block = 0; block < 3; ++block) {
            EXPECT_EQ(send(radio, request(block)).size(), c.readReplyLengths[block]) << block;
            EXPECT_EQ(send(radio, {0x06}).size(), c.readAckLengths[block]) << block;
        }
        for (int block = 0; block < 3; ++block)
            EXPECT_EQ(send(radio, writeBlock(block)).size(), c.writeAckLengths[block]) << block;
        EXPECT_EQ(radio.hungUp(), c.fault.kind == SimFaultKind::HangUp);
    }
}

TEST(SimRadio, DroppedWriteIsAcknowledgedButNotStored) {
    const RadioImage memory = countingMemory();
    SimRadio radio(memory);
    radio.setFaults({{SimFaultKind::DroppedWrite, 1}});
    connect(radio);
    for (const std::uint8_t address : {0x00, 0x08})
        EXPECT_EQ(send(radio, {0x57, 0x00, address, 0x08, 1, 2, 3, 4, 5, 6, 7, 8}), Bytes{0x06});
    EXPECT_EQ(Bytes(radio.memory().begin(), radio.memory().begin() + 8),
              (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(std::equal(memory.begin() + 8, memory.end(), radio.memory().begin() + 8));
}

TEST(SimRadio, WrongAckAcknowledgesTheHandshakeAMomentLater) {
    SimRadio radio(countingMemory());
    radio.setFaults({{SimFaultKind::WrongHandshakeByte}});
    send(radio, {kHandshake.begin(), kHandshake.end() - 1});
    const SimAnswer answer = radio.receive(kHandshake.back());
    EXPECT_EQ(answer.now, Bytes{0x15});
    EXPECT_EQ(answer.later, Bytes{0x06});
}

TEST(SimRadio, TestModeStepsAreAnsweredWithHAndRecorded) {
    const Bytes command{0x78, 0x73, 0x73, 0x08};
    const Bytes frequencies{0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44};
    const Bytes values{0x70, 0x06, 0x00, 0x00, 0xFB, 0x01, 0x01, 0xA0};
    const std::vector<SimTestFrame> all{{SimTestFrame::Kind::Command, {0x73}},
                                        {SimTestFrame::Kind::Frequencies, frequencies},
                                        {SimTestFrame::Kind::Values, values}};
    struct Case {
        const char* name;
        std::vector<SimFault> faults;
        Bytes commandAnswer, frequencyAnswer, valueAnswer;
        std::size_t frames; // a radio that fell silent takes nothing more until a new handshake
    };
    const Case cases[] = {
        {"none", {}, {0x48}, {0x48}, {0x48}, 3},
        {"silent after the command", {SimFaultKind::NoCommandAck}, {}, {}, {}, 1},
        {"silent after the frequencies", {SimFaultKind::NoFrequencyAck}, {0x48}, {}, {}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRadio radio(countingMemory());
        radio.setFaults(c.faults);
        std::vector<SimTestFrame> heard;
        radio.setTestFrameObserver([&heard](const SimTestFrame& frame) { heard.push_back(frame); });
        connect(radio);
        EXPECT_EQ(send(radio, command), c.commandAnswer);
        EXPECT_EQ(send(radio, frequencies), c.frequencyAnswer);
        EXPECT_EQ(send(radio, values), c.valueAnswer);
        EXPECT_EQ(radio.testFrames(),
                  std::vector<SimTestFrame>(all.begin(), all.begin() + c.frames));
        EXPECT_EQ(heard, radio.testFrames());
        EXPECT_EQ(send(radio, kHandshake), Bytes{0x06}) << "a new exchange";
    }
}

} // namespace
} // namespace quorl
