// The clone protocol against the simulated radio, in virtual time.

#include "CloneProtocol.h"
#include "RandomImage.h"
#include "RecordingTransferEvents.h"
#include "SimulatedLink.h"
#include "VirtualPacer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorl {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Strings = std::vector<std::string>;
using Questions = std::vector<RetryReason>;

constexpr auto kNoAnswer = RetryReason::NoAnswer;
constexpr auto kGoAhead = RetryReason::GoAheadNotWritten;

constexpr std::size_t kReadEnd = 0x1FF8;  // first byte a read leaves alone
constexpr std::size_t kWriteEnd = 0x1FE8; // first byte a write never sends
constexpr auto kRead = TransferDirection::Read;
constexpr auto kWrite = TransferDirection::Write;

bool same(const RadioImage& a, const RadioImage& b, std::size_t from, std::size_t to) {
    return std::equal(a.begin() + from, a.begin() + to, b.begin() + from);
}

bool erased(const RadioImage& image, std::size_t from, std::size_t to) {
    return std::all_of(image.begin() + from, image.begin() + to,
                       [](std::uint8_t byte) { return byte == kErased; });
}

// Everything one transfer needs, wired together; the radio and the image to write differ.
struct Rig {
    RadioImage radioMemory = randomImage(1);
    RadioImage image = randomImage(2);
    ReadResult read; // what the last read returned
    SimRadio radio{radioMemory};
    testkit::VirtualClock clock;
    testkit::Trace trace;
    testkit::SimulatedLink link{radio, clock, trace};
    testkit::VirtualPacer pacer{clock, trace};
    testkit::RecordingTransferEvents ui{trace};

    Rig() = default;
    Rig(std::initializer_list<SimFault> faults) { radio.setFaults(faults); }

    TransferResult run(TransferDirection direction) {
        CloneProtocol protocol(link, pacer, ui);
        if (direction == kWrite)
            return protocol.write(QStringLiteral("COM2"), image);
        read = protocol.read(QStringLiteral("COM2"));
        return read;
    }
    int handshakes() const {
        static const Bytes handshake{0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};
        const Bytes& bytes = radio.received();
        int count = 0;
        for (auto it = bytes.begin();
             (it = std::search(it, bytes.end(), handshake.begin(), handshake.end())) != bytes.end();
             ++it)
            ++count;
        return count;
    }
    std::vector<Bytes> requests(std::uint8_t command) const {
        std::vector<Bytes> found;
        for (const Bytes& bytes : link.writes())
            if (bytes.size() == 4 && bytes[0] == command)
                found.push_back(bytes);
        return found;
    }
    Strings tail(std::size_t count) const {
        return trace.slice(trace.events.size() - count, trace.events.size());
    }
};

TEST(CloneProtocol, FullTransfersMoveTheirRangeOnly) {
    struct Case {
        TransferDirection direction;
        std::uint8_t command;
        int blocks;
        Bytes last;
        std::string lastProgress;
        Strings end;
    };
    const Case cases[] = {
        {kRead, 0x52, 1023, {0x52, 0x1F, 0xF0, 0x08}, "progress 1023/1023", {"pause 5", "close"}},
        {kWrite, 0x57, 1021, {0x57, 0x1F, 0xE0, 0x08}, "progress 1021/1021", {"pause 1", "close"}},
    };
    for (const Case& c : cases) {
        Rig rig;
        const TransferResult result = rig.run(c.direction);
        EXPECT_EQ(result.outcome, TransferOutcome::Completed);
        EXPECT_EQ(result.blocks, c.blocks);
        if (c.direction == kRead) {
            EXPECT_TRUE(same(rig.read.memory, rig.radioMemory, 0, kReadEnd));
            EXPECT_TRUE(erased(rig.read.memory, kReadEnd, kImageSize));
        } else {
            EXPECT_TRUE(same(rig.radio.memory(), rig.image, 0, kWriteEnd));
            EXPECT_TRUE(same(rig.radio.memory(), rig.radioMemory, kWriteEnd, kImageSize));
        }
        const std::vector<Bytes> requests = rig.requests(c.command);
        ASSERT_EQ(requests.size(), static_cast<std::size_t>(c.blocks));
        EXPECT_EQ(requests[0], (Bytes{c.command, 0x00, 0x00, 0x08}));
        EXPECT_EQ(requests[1], (Bytes{c.command, 0x00, 0x08, 0x08}));
        EXPECT_EQ(requests.back(), c.last);
        for (std::size_t i = 0; i < requests.size(); ++i)
            ASSERT_EQ((requests[i][1] << 8) | requests[i][2], static_cast<int>(i * 8)) << i;
        EXPECT_EQ(rig.trace.count(c.lastProgress), 1);
        EXPECT_EQ(rig.tail(c.end.size()), c.end);
        EXPECT_EQ(rig.link.openCount(), 1);
        EXPECT_EQ(rig.link.timeouts().readMultiplier, 500);
        EXPECT_TRUE(rig.ui.questions().empty());
    }
}

TEST(CloneProtocol, HandshakeAttemptIsPacedAndPumped) {
    Rig rig{{SimFaultKind::Silent}};
    rig.run(kRead);
    Strings expected{"open COM2", "stage detecting"};
    for (int pass = 0; pass < 7; ++pass)
        expected.insert(expected.end(), {"pump", "pause 1"});
    expected.insert(expected.end(), {"stage waiting", "purge abort"});
    for (const char* byte : {"02", "50", "52", "4F", "47", "52", "41"})
        expected.insert(expected.end(), {"pause 1", "purge clear", std::string("write ") + byte});
    expected.insert(expected.end(), {"read 1 -> 0", "read 1 -> 0", "pause 2", "pump"});
    EXPECT_EQ(rig.trace.slice(0, expected.size()), expected);
}

TEST(CloneProtocol, DeadLineFailsAnAttemptAfterOneRead) {
    Rig rig{{SimFaultKind::HangUp}};
    EXPECT_EQ(rig.run(kRead).outcome, TransferOutcome::CommunicationError);
    EXPECT_EQ(rig.trace.count("read 1 failed"), 15);
    EXPECT_EQ(rig.trace.count("pause 2"), 15);
}

TEST(CloneProtocol, BlockIsPacedAndPumped) {
    Rig reading;
    reading.run(kRead);
    Strings read{"purge clear", "write 52 00 08 08", "read 12 -> 12",
                 "purge clear", "progress 2/1023",   "pause 15",
                 "purge clear", "write 06",          "read 1 -> 1"};
    read.insert(read.end(), 199, "pump");
    read.push_back("pause 5");
    const std::size_t from = reading.trace.find("write 52 00 08 08") - 1;
    EXPECT_EQ(reading.trace.slice(from, from + read.size()), read);

    Rig writing;
    writing.run(kWrite);
    const std::size_t at = writing.trace.find("write 57 00 08 08");
    Strings write{"purge clear",
                  "write 57 00 08 08",
                  "pause 1",
                  "purge clear",
                  writing.trace.events.at(at + 3),
                  "read 1 -> 1",
                  "progress 2/1021"};
    write.insert(write.end(), 201, "pump");
    write.push_back("pause 1");
    // Ten handshake writes, then header and data of block 0 and of block 1.
    EXPECT_EQ(writing.link.writes().at(13),
              Bytes(writing.image.begin() + 8, writing.image.begin() + 16));
    EXPECT_EQ(writing.trace.slice(at - 1, at - 1 + write.size()), write);
}

TEST(CloneProtocol, FifteenAttemptsThenTheBoxAndRetryGivesFifteenMore) {
    Rig rig{{SimFaultKind::Silent}};
    std::vector<int> handshakesAtBox;
    rig.ui.answer = [&](RetryReason) {
        handshakesAtBox.push_back(rig.handshakes());
        return handshakesAtBox.size() == 1;
    };
    const TransferResult result = rig.run(kRead);

    EXPECT_EQ(result.outcome, TransferOutcome::CommunicationError);
    EXPECT_EQ(handshakesAtBox, (std::vector<int>{15, 30}));
    EXPECT_EQ(rig.link.openCount(), 1);
    EXPECT_EQ(rig.ui.questions(), (Questions{kNoAnswer, kNoAnswer}));
    const std::size_t first = rig.trace.find("retry no answer");
    EXPECT_EQ(rig.trace.slice(first + 1, first + 2), (Strings{"pump"}));
    // Each attempt waits out two 590 ms reads.
    EXPECT_GT(rig.clock.elapsedMs(), 30 * 1180.0);
    EXPECT_LT(rig.clock.elapsedMs(), 30 * 1230.0);
    EXPECT_EQ(rig.tail(1), (Strings{"close"}));
}

TEST(CloneProtocol, RetryAfterTheRadioIsSwitchedOnCompletesTheRead) {
    Rig rig{{SimFaultKind::Silent}};
    rig.ui.answer = [&](RetryReason) {
        rig.radio.setFaults({});
        return true;
    };
    EXPECT_EQ(rig.run(kRead).outcome, TransferOutcome::Completed);
    EXPECT_TRUE(same(rig.read.memory, rig.radioMemory, 0, kReadEnd));
}

TEST(CloneProtocol, UnansweredGoAheadPumpsAboutSixHundredMillisecondsBeforeTheBox) {
    Rig rig{{SimFaultKind::NoGoAheadAnswer}};
    EXPECT_EQ(rig.run(kRead).outcome, TransferOutcome::CommunicationError);
    EXPECT_EQ(rig.handshakes(), 1);
    Strings expected{"write 06", "read 1 -> 0"};
    for (int pass = 0; pass < 601; ++pass)
        expected.insert(expected.end(), {"pump", "pause 1"});
    expected.push_back("retry no answer");
    const std::size_t at = rig.trace.find("write 06");
    EXPECT_EQ(rig.trace.slice(at, at + expected.size()), expected);
}

TEST(CloneProtocol, EveryFailureEndsWithItsOutcomeAndKeepsWhatMoved) {
    struct Case {
        const char* name;
        TransferDirection direction;
        std::vector<SimFault> faults;
        std::function<void(testkit::SimulatedLink&)> arrange;
        TransferOutcome outcome;
        Questions questions;
        std::size_t movedEnd; // radio data in the image (read) or image data in the radio (write)
    };
    const auto refuse = [](testkit::SimulatedLink& link) { link.refuseOpen = true; };
    const Case cases[] = {
        {"port cannot be opened, read", kRead, {}, refuse, TransferOutcome::PortNotOpened, {}, 0},
        {"port cannot be opened, write", kWrite, {}, refuse, TransferOutcome::PortNotOpened, {}, 0},
        {"silent radio",
         kWrite,
         {{SimFaultKind::Silent}},
         {},
         TransferOutcome::CommunicationError,
         {kNoAnswer},
         0},
        {"go-ahead not acknowledged",
         kWrite,
         {{SimFaultKind::NoGoAheadAnswer}},
         {},
         TransferOutcome::CommunicationError,
         {kNoAnswer},
         0},
        {"device error on the 8-byte answer",
         kRead,
         {},
         [](auto& link) { link.failRead = [](std::size_t count) { return count == 8; }; },
         TransferOutcome::CommunicationError,
         {kNoAnswer},
         0},
        {"device error on the go-ahead acknowledgement",
         kRead,
         {},
         [](auto& link) { link.failRead = [n = 0](std::size_t) mutable { return ++n == 3; }; },
         TransferOutcome::CommunicationError,
         {kNoAnswer},
         0},
        {"go-ahead cannot be written",
         kRead,
         {},
         [](auto& link) {
             link.failWrite = [](std::span<const std::uint8_t> b) { return b[0] == 0x06; };
         },
         TransferOutcome::CommunicationError,
         {kGoAhead, kGoAhead, kGoAhead, kNoAnswer},
         0},
        {"9-byte read reply",
         kRead,
         {{SimFaultKind::ShortReadReply, 5, 9}},
         {},
         TransferOutcome::ShortReply,
         {},
         5 * 8},
        {"radio falls silent in a read",
         kRead,
         {{SimFaultKind::Silent, 10}},
         {},
         TransferOutcome::ShortReply,
         {},
         10 * 8},
        {"line hangs up in a read",
         kRead,
         {{SimFaultKind::HangUp, 3}},
         {},
         TransferOutcome::ShortReply,
         {},
         3 * 8},
        {"read block not acknowledged",
         kRead,
         {{SimFaultKind::MissingBlockAck, 7}},
         {},
         TransferOutcome::ReadNotAcknowledged,
         {},
         8 * 8},
        {"write block not acknowledged",
         kWrite,
         {{SimFaultKind::MissingWriteAck, 4}},
         {},
         TransferOutcome::WriteNotAcknowledged,
         {},
         5 * 8},
        {"first write block not acknowledged",
         kWrite,
         {{SimFaultKind::MissingWriteAck, 0}},
         {},
         TransferOutcome::WriteNotAcknowledged,
         {},
         8},
        {"line hangs up in a write",
         kWrite,
         {{SimFaultKind::HangUp, 3}},
         {},
         TransferOutcome::WriteNotAcknowledged,
         {},
         3 * 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.radio.setFaults(c.faults);
        if (c.arrange)
            c.arrange(rig.link);
        const TransferResult result = rig.run(c.direction);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_FALSE(result.cause.isEmpty());
        EXPECT_EQ(rig.ui.questions(), c.questions);
        EXPECT_FALSE(rig.link.isOpen());
        if (c.direction == kRead) {
            EXPECT_TRUE(same(rig.read.memory, rig.radioMemory, 0, c.movedEnd));
            EXPECT_TRUE(erased(rig.read.memory, c.movedEnd, kImageSize));
        } else {
            EXPECT_TRUE(same(rig.radio.memory(), rig.image, 0, c.movedEnd));
            EXPECT_TRUE(same(rig.radio.memory(), rig.radioMemory, c.movedEnd, kImageSize));
        }
    }
}

TEST(CloneProtocol, ToleratedTroubleStillCompletesTheRead) {
    struct Case {
        const char* name;
        std::vector<SimFault> faults;
        int failedGoAheadWrites;
        std::size_t missingFrom, missingTo; // positions no byte arrived for
        Questions questions;
    };
    const Case cases[] = {
        {"another byte before the handshake acknowledgement",
         {{SimFaultKind::WrongHandshakeByte}},
         0,
         0,
         0,
         {}},
        {"11-byte reply", {{SimFaultKind::ShortReadReply, 5, 11}}, 0, 5 * 8 + 7, 6 * 8, {}},
        {"10-byte reply", {{SimFaultKind::ShortReadReply, 5, 10}}, 0, 5 * 8 + 6, 6 * 8, {}},
        {"go-ahead written on the second try", {}, 1, 0, 0, {kGoAhead}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.radio.setFaults(c.faults);
        rig.link.failWrite = [failures = c.failedGoAheadWrites](auto bytes) mutable {
            return bytes[0] == 0x06 && failures-- > 0;
        };
        EXPECT_EQ(rig.run(kRead).outcome, TransferOutcome::Completed);
        EXPECT_EQ(rig.handshakes(), 1);
        const RadioImage& memory = rig.read.memory;
        EXPECT_TRUE(same(memory, rig.radioMemory, 0, c.missingFrom));
        EXPECT_TRUE(erased(memory, c.missingFrom, c.missingTo));
        EXPECT_TRUE(same(memory, rig.radioMemory, std::max(c.missingFrom, c.missingTo), kReadEnd));
        std::vector<std::uint16_t> missing;
        for (std::size_t address = c.missingFrom; address < c.missingTo; ++address)
            missing.push_back(static_cast<std::uint16_t>(address));
        EXPECT_EQ(rig.read.missing, missing);
        EXPECT_EQ(rig.ui.questions(), c.questions);
    }
}

TEST(CloneProtocol, MissingAddressesAreListedInRuns) {
    std::vector<std::uint16_t> many;
    for (std::uint16_t block = 0; block < 20; ++block)
        many.push_back(static_cast<std::uint16_t>(block * 8 + 7));
    const struct {
        std::vector<std::uint16_t> addresses;
        const char* runs;
    } cases[] = {
        {{0x2E, 0x2F, 0x37}, "0x002E-0x002F, 0x0037"},
        {{0x1FF7}, "0x1FF7"},
        {many, "0x0007, 0x000F, 0x0017, 0x001F, 0x0027, 0x002F, 0x0037, 0x003F, 0x0047, 0x004F, "
               "0x0057, 0x005F, 0x0067, 0x006F, 0x0077, 0x007F, and 4 more"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(addressRuns(c.addresses).toStdString(), c.runs);
}

TEST(CloneProtocol, CancelEndsAtTheNextPassOfWaitingWithoutAQuestion) {
    struct Case {
        const char* name;
        TransferDirection direction;
        std::vector<SimFault> faults;
        int cancelAtBlock, cancelAtPump;
        std::size_t requests;
    };
    const Case cases[] = {
        {"read after 100 blocks", kRead, {}, 100, 0, 100},
        {"write while the radio is silent", kWrite, {{SimFaultKind::Silent}}, -1, 10, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.radio.setFaults(c.faults);
        rig.ui.onPump = [&] {
            if (rig.ui.done() == c.cancelAtBlock || rig.ui.pumps() == c.cancelAtPump)
                rig.ui.requestCancel();
        };
        EXPECT_EQ(rig.run(c.direction).outcome, TransferOutcome::Cancelled);
        EXPECT_EQ(rig.requests(c.direction == kRead ? 0x52 : 0x57).size(), c.requests);
        EXPECT_TRUE(rig.ui.questions().empty());
        EXPECT_EQ(rig.tail(2), (Strings{"pump", "close"}));
    }
}

} // namespace
} // namespace quorl
