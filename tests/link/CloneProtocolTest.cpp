// The clone protocol against the simulated radio, in virtual time.

#include "CloneProtocol.h"
#include "RecordingTransferUi.h"
#include "SimulatedLink.h"
#include "VirtualPacer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace quorl {
namespace {

using testkit::RecordingTransferUi;
using testkit::SimulatedLink;
using testkit::Trace;
using testkit::VirtualClock;
using testkit::VirtualPacer;
using Bytes = std::vector<std::uint8_t>;

const QString kOpenFailed = QString::fromUtf8(
    "Could not Open the Port,Please check whether the Port are occupied or the device are ok");
const QString kCommunicationError =
    QString::fromUtf8("Communication Error，Please check all the connections and the radio power");
const QString kSendOrder = QString::fromUtf8(" Error in the Send Order");
const QString kNotEnough = QString::fromUtf8("not received enough  byte");
const QString kErrorHad = QString::fromUtf8("Error had happen,please try again");
const QString kProgramInterrupt =
    QString::fromUtf8(" Program Interrupt，Please reset the radio and try again");

constexpr std::size_t kReadEnd = 0x1FF8;  // first byte a read leaves alone
constexpr std::size_t kWriteEnd = 0x1FE8; // first byte a write never sends

RadioImage randomImage(unsigned seed) {
    std::mt19937 generator(seed);
    RadioImage image;
    for (auto& byte : image)
        byte = static_cast<std::uint8_t>(generator());
    return image;
}

bool sameBytes(const RadioImage& a, const RadioImage& b, std::size_t from, std::size_t to) {
    return std::equal(a.begin() + from, a.begin() + to, b.begin() + from);
}

int handshakesSent(const Bytes& received) {
    static const Bytes handshake{0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};
    int count = 0;
    for (auto it = received.begin(); (it = std::search(it, received.end(), handshake.begin(),
                                                       handshake.end())) != received.end();
         ++it)
        ++count;
    return count;
}

// Everything one transfer needs, wired together: radio and image start out different.
struct Rig {
    RadioImage radioMemory = randomImage(1);
    RadioImage image = randomImage(2);
    SimRadio radio{radioMemory};
    VirtualClock clock;
    Trace trace;
    SimulatedLink link{radio, clock, trace};
    VirtualPacer pacer{clock, trace};
    RecordingTransferUi ui{trace};

    Rig() = default;
    Rig(std::initializer_list<SimFault> faults) { radio.setFaults(faults); }

    TransferResult run(TransferDirection direction) {
        CloneProtocol protocol(link, pacer, ui);
        return protocol.run(direction, QStringLiteral("COM2"), image);
    }

    std::size_t indexOf(const std::string& event, std::size_t from = 0) const {
        const auto it = std::find(trace.events.begin() + from, trace.events.end(), event);
        return static_cast<std::size_t>(it - trace.events.begin());
    }
    std::vector<std::string> events(std::size_t from, std::size_t to) const {
        return {trace.events.begin() + from, trace.events.begin() + to};
    }
    std::vector<Bytes> writesStartingWith(std::uint8_t command) const {
        std::vector<Bytes> found;
        for (const Bytes& bytes : link.writes())
            if (bytes.size() == 4 && bytes[0] == command)
                found.push_back(bytes);
        return found;
    }
};

TEST(CloneProtocol, FullReadCopiesTheRadioAndLeavesTheLastEightBytes) {
    Rig rig;
    const RadioImage before = rig.image;
    const TransferResult result = rig.run(TransferDirection::Read);

    EXPECT_EQ(result.outcome, TransferOutcome::Completed);
    EXPECT_EQ(result.blocks, 1023);
    EXPECT_TRUE(sameBytes(rig.image, rig.radioMemory, 0, kReadEnd));
    EXPECT_TRUE(sameBytes(rig.image, before, kReadEnd, kImageSize));
    EXPECT_EQ(rig.link.openCount(), 1);
    EXPECT_EQ(rig.link.portName(), QStringLiteral("COM2"));
    EXPECT_EQ(rig.link.timeouts().readMultiplier, 500);
    EXPECT_EQ(rig.link.timeouts().readInterval, 30);
    EXPECT_FALSE(rig.link.isOpen());
    EXPECT_TRUE(rig.ui.messages().empty());
    EXPECT_EQ(rig.ui.encodes(), 0);
    EXPECT_EQ(rig.ui.decodes(), 1);
    EXPECT_EQ(rig.ui.highestPosition(), 1022);
    EXPECT_EQ(handshakesSent(rig.radio.received()), 1);
    const std::size_t end = rig.trace.events.size();
    EXPECT_EQ(rig.events(end - 6, end),
              (std::vector<std::string>{"pause 5", "close", "disarm", "position 1022",
                                        "close dialog", "decode"}));
}

TEST(CloneProtocol, FullWriteSendsTheImageUpTo0x1FE7Only) {
    Rig rig;
    const TransferResult result = rig.run(TransferDirection::Write);

    EXPECT_EQ(result.outcome, TransferOutcome::Completed);
    EXPECT_EQ(result.blocks, 1021);
    EXPECT_TRUE(sameBytes(rig.radio.memory(), rig.image, 0, kWriteEnd));
    EXPECT_TRUE(sameBytes(rig.radio.memory(), rig.radioMemory, kWriteEnd, kImageSize));
    EXPECT_EQ(rig.ui.encodes(), 1);
    EXPECT_LT(rig.indexOf("encode"), rig.indexOf("open COM2"));
    EXPECT_EQ(rig.ui.decodes(), 0);
    EXPECT_TRUE(rig.ui.messages().empty());
    EXPECT_FALSE(rig.link.isOpen());
    const std::size_t end = rig.trace.events.size();
    EXPECT_EQ(rig.events(end - 4, end),
              (std::vector<std::string>{"close", "position 1022", "disarm", "close dialog"}));
}

TEST(CloneProtocol, BlockRequestsCoverTheirRangesInOrder) {
    struct Case {
        TransferDirection direction;
        std::uint8_t command;
        std::size_t blocks;
        Bytes first, second, last;
    };
    const Case cases[] = {
        {TransferDirection::Read,
         0x52,
         1023,
         {0x52, 0x00, 0x00, 0x08},
         {0x52, 0x00, 0x08, 0x08},
         {0x52, 0x1F, 0xF0, 0x08}},
        {TransferDirection::Write,
         0x57,
         1021,
         {0x57, 0x00, 0x00, 0x08},
         {0x57, 0x00, 0x08, 0x08},
         {0x57, 0x1F, 0xE0, 0x08}},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.run(c.direction);
        const std::vector<Bytes> requests = rig.writesStartingWith(c.command);
        ASSERT_EQ(requests.size(), c.blocks);
        EXPECT_EQ(requests[0], c.first);
        EXPECT_EQ(requests[1], c.second);
        EXPECT_EQ(requests.back(), c.last);
        for (std::size_t i = 0; i < requests.size(); ++i)
            ASSERT_EQ((requests[i][1] << 8) | requests[i][2], static_cast<int>(i * 8)) << i;
    }
}

TEST(CloneProtocol, HandshakeBytesGoOutOneByOneThenModeSelectAndGoAhead) {
    Rig rig;
    rig.run(TransferDirection::Read);
    const std::vector<Bytes> expected{{0x02}, {0x50}, {0x52}, {0x4F}, {0x47},
                                      {0x52}, {0x41}, {0x4D}, {0x02}, {0x06}};
    const std::vector<Bytes>& writes = rig.link.writes();
    ASSERT_GE(writes.size(), expected.size());
    EXPECT_EQ(std::vector<Bytes>(writes.begin(), writes.begin() + 10), expected);
    EXPECT_EQ(writes[10], (Bytes{0x52, 0x00, 0x00, 0x08}));
}

TEST(CloneProtocol, OneHandshakeAttemptIsPacedAndPumped) {
    Rig rig{{SimFaultKind::Silent}};
    rig.run(TransferDirection::Read);
    std::vector<std::string> expected{"open COM2",
                                      "status Now are detecting Communication Port,Please wait..."};
    for (int pass = 0; pass < 7; ++pass) {
        expected.push_back("pump");
        expected.push_back("pause 1");
    }
    expected.push_back("status Waiting the response from radio....");
    expected.push_back("purge abort");
    for (const char* byte : {"02", "50", "52", "4F", "47", "52", "41"}) {
        expected.push_back("pause 1");
        expected.push_back("purge clear");
        expected.push_back(std::string("write ") + byte);
    }
    expected.insert(expected.end(), {"read 1 -> 0", "read 1 -> 0", "pause 2", "pump"});
    EXPECT_EQ(rig.events(0, expected.size()), expected);
}

TEST(CloneProtocol, ReadBlockSequence) {
    Rig rig;
    rig.run(TransferDirection::Read);
    const std::size_t from = rig.indexOf("write 52 00 08 08") - 1;
    const std::size_t to = rig.indexOf("write 52 00 10 08") - 1;
    std::vector<std::string> expected{
        "purge clear", "write 52 00 08 08", "read 12 -> 12", "purge clear", "step", "status 2",
        "pause 15",    "purge clear",       "write 06",      "read 1 -> 1", "arm"};
    expected.insert(expected.end(), 199, "pump");
    expected.push_back("pause 5");
    EXPECT_EQ(rig.events(from, to), expected);
}

TEST(CloneProtocol, WriteBlockSequence) {
    Rig rig;
    rig.run(TransferDirection::Write);
    const std::size_t from = rig.indexOf("write 57 00 08 08") - 1;
    const std::size_t to = rig.indexOf("write 57 00 10 08") - 1;
    std::string data = "write";
    char digits[4];
    for (std::size_t i = 8; i < 16; ++i) {
        std::snprintf(digits, sizeof digits, " %02X", rig.image[i]);
        data += digits;
    }
    std::vector<std::string> expected{"purge clear", "write 57 00 08 08", "pause 1", "purge clear",
                                      data,          "read 1 -> 1",       "step",    "status 2",
                                      "arm"};
    expected.insert(expected.end(), 201, "pump");
    expected.push_back("pause 1");
    EXPECT_EQ(rig.events(from, to), expected);
}

TEST(CloneProtocol, ProgressCountsBlocksAndStopsAt1022) {
    Rig rig;
    rig.run(TransferDirection::Read);
    std::vector<std::string> statuses;
    for (const std::string& event : rig.trace.events)
        if (event.rfind("status ", 0) == 0 && std::isdigit(static_cast<unsigned char>(event[7])))
            statuses.push_back(event.substr(7));
    ASSERT_EQ(statuses.size(), 1023u);
    EXPECT_EQ(statuses.front(), "1");
    EXPECT_EQ(statuses[1021], "1022");
    EXPECT_EQ(statuses.back(), "1022");
}

TEST(CloneProtocol, SilentRadioGetsFifteenAttemptsThenTheBox) {
    Rig rig{{SimFaultKind::Silent}};
    const TransferResult result = rig.run(TransferDirection::Read);

    EXPECT_EQ(result.outcome, TransferOutcome::CommunicationError);
    EXPECT_EQ(handshakesSent(rig.radio.received()), 15);
    EXPECT_EQ(rig.ui.messages(), std::vector<QString>{kCommunicationError});
    EXPECT_EQ(rig.ui.messageButtons(), std::vector<MessageButtons>{MessageButtons::RetryCancel});
    // Each attempt waits out two 590 ms reads.
    EXPECT_GT(rig.clock.elapsedMs(), 15 * 1180.0);
    EXPECT_LT(rig.clock.elapsedMs(), 15 * 1230.0);
    EXPECT_FALSE(rig.link.isOpen());
    EXPECT_FALSE(rig.ui.dialogOpen());
    EXPECT_EQ(rig.ui.decodes(), 0);
}

TEST(CloneProtocol, RetryStartsFifteenMoreAttemptsOnTheOpenPort) {
    Rig rig{{SimFaultKind::Silent}};
    int boxes = 0;
    rig.ui.answer = [&](const QString&, MessageButtons) {
        return ++boxes == 1 ? MessageAnswer::Retry : MessageAnswer::Cancel;
    };
    const TransferResult result = rig.run(TransferDirection::Read);

    EXPECT_EQ(result.outcome, TransferOutcome::CommunicationError);
    EXPECT_EQ(handshakesSent(rig.radio.received()), 30);
    EXPECT_EQ(rig.link.openCount(), 1);
    EXPECT_EQ(boxes, 2);
    const std::size_t box = rig.indexOf("message " + kCommunicationError.toStdString());
    EXPECT_EQ(rig.trace.events.at(box - 1), "disarm");
    EXPECT_EQ(rig.trace.events.at(box + 1), "arm");
    EXPECT_EQ(rig.trace.events.at(box + 2), "pump");
}

TEST(CloneProtocol, RetryAfterTheRadioIsSwitchedOnCompletesTheRead) {
    Rig rig{{SimFaultKind::Silent}};
    rig.ui.answer = [&](const QString&, MessageButtons) {
        rig.radio.setFaults({});
        return MessageAnswer::Retry;
    };
    EXPECT_EQ(rig.run(TransferDirection::Read).outcome, TransferOutcome::Completed);
    EXPECT_TRUE(sameBytes(rig.image, rig.radioMemory, 0, kReadEnd));
    EXPECT_EQ(rig.ui.decodes(), 1);
}

TEST(CloneProtocol, UnansweredGoAheadPumpsAboutSixHundredMillisecondsBeforeTheBox) {
    Rig rig{{SimFaultKind::NoGoAheadAnswer}};
    const TransferResult result = rig.run(TransferDirection::Read);

    EXPECT_EQ(result.outcome, TransferOutcome::CommunicationError);
    EXPECT_EQ(handshakesSent(rig.radio.received()), 1);
    EXPECT_EQ(rig.ui.pumps(), 7 + 601);
    const std::size_t wait = rig.indexOf("write 06") + 1;
    EXPECT_EQ(rig.trace.events.at(wait), "read 1 -> 0");
    EXPECT_EQ(rig.trace.events.at(wait + 1), "arm");
    for (std::size_t pass = 0; pass < 601; ++pass) {
        ASSERT_EQ(rig.trace.events.at(wait + 2 + 2 * pass), "pump");
        ASSERT_EQ(rig.trace.events.at(wait + 3 + 2 * pass), "pause 1");
    }
    EXPECT_EQ(rig.trace.events.at(wait + 2 + 2 * 601), "disarm");
}

TEST(CloneProtocol, AnotherByteBeforeTheHandshakeAcknowledgementIsTolerated) {
    Rig rig{{SimFaultKind::WrongHandshakeByte}};
    EXPECT_EQ(rig.run(TransferDirection::Read).outcome, TransferOutcome::Completed);
    EXPECT_EQ(handshakesSent(rig.radio.received()), 1);
    EXPECT_TRUE(sameBytes(rig.image, rig.radioMemory, 0, kReadEnd));
}

TEST(CloneProtocol, EveryFailureShowsItsMessageAndClosesPortAndDialog) {
    struct Case {
        const char* name;
        TransferDirection direction;
        std::vector<SimFault> faults;
        std::function<void(Rig&)> arrange;
        TransferOutcome outcome;
        std::vector<QString> messages;
    };
    const auto failThirdRead = [](Rig& rig) {
        rig.link.failRead = [reads = 0](std::size_t) mutable { return ++reads == 3; };
    };
    const auto failGoAheadWrites = [](Rig& rig) {
        rig.link.failWrite = [](std::span<const std::uint8_t> b) {
            return b.size() == 1 && b[0] == 0x06;
        };
    };
    const Case cases[] = {
        {"port cannot be opened, read",
         TransferDirection::Read,
         {},
         [](Rig& rig) { rig.link.refuseOpen = true; },
         TransferOutcome::PortNotOpened,
         {kOpenFailed}},
        {"port cannot be opened, write",
         TransferDirection::Write,
         {},
         [](Rig& rig) { rig.link.refuseOpen = true; },
         TransferOutcome::PortNotOpened,
         {kOpenFailed}},
        {"silent radio",
         TransferDirection::Write,
         {{SimFaultKind::Silent}},
         {},
         TransferOutcome::CommunicationError,
         {kCommunicationError}},
        {"go-ahead not acknowledged",
         TransferDirection::Write,
         {{SimFaultKind::NoGoAheadAnswer}},
         {},
         TransferOutcome::CommunicationError,
         {kCommunicationError}},
        {"device error on the 8-byte answer",
         TransferDirection::Read,
         {},
         [](Rig& rig) { rig.link.failRead = [](std::size_t count) { return count == 8; }; },
         TransferOutcome::CommunicationError,
         {kCommunicationError}},
        {"device error on the go-ahead acknowledgement",
         TransferDirection::Read,
         {},
         failThirdRead,
         TransferOutcome::CommunicationError,
         {kCommunicationError}},
        {"go-ahead cannot be written",
         TransferDirection::Read,
         {},
         failGoAheadWrites,
         TransferOutcome::CommunicationError,
         {kSendOrder, kSendOrder, kSendOrder, kCommunicationError}},
        {"short read reply",
         TransferDirection::Read,
         {{SimFaultKind::ShortReadReply, 5, 9}},
         {},
         TransferOutcome::ShortReply,
         {kNotEnough}},
        {"radio falls silent during a read",
         TransferDirection::Read,
         {{SimFaultKind::Silent, 10}},
         {},
         TransferOutcome::ShortReply,
         {kNotEnough}},
        {"line hangs up during a read",
         TransferDirection::Read,
         {{SimFaultKind::HangUp, 3}},
         {},
         TransferOutcome::ShortReply,
         {kNotEnough}},
        {"read block not acknowledged",
         TransferDirection::Read,
         {{SimFaultKind::MissingBlockAck, 7}},
         {},
         TransferOutcome::ReadNotAcknowledged,
         {kErrorHad}},
        {"write block not acknowledged",
         TransferDirection::Write,
         {{SimFaultKind::MissingWriteAck, 0}},
         {},
         TransferOutcome::WriteNotAcknowledged,
         {kProgramInterrupt}},
        {"line hangs up during a write",
         TransferDirection::Write,
         {{SimFaultKind::HangUp, 3}},
         {},
         TransferOutcome::WriteNotAcknowledged,
         {kProgramInterrupt}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.radio.setFaults(c.faults);
        if (c.arrange)
            c.arrange(rig);
        const TransferResult result = rig.run(c.direction);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(rig.ui.messages(), c.messages);
        for (std::size_t i = 0; i < c.messages.size(); ++i)
            EXPECT_EQ(rig.ui.messageButtons()[i], c.messages[i] == kCommunicationError
                                                      ? MessageButtons::RetryCancel
                                                      : MessageButtons::Ok);
        EXPECT_EQ(rig.ui.messagesWhileArmed(), 0);
        EXPECT_FALSE(rig.link.isOpen());
        EXPECT_FALSE(rig.ui.dialogOpen());
        EXPECT_EQ(rig.trace.events.back(), "close dialog");
        EXPECT_EQ(rig.ui.decodes(), 0);
        EXPECT_EQ(rig.ui.encodes(), c.direction == TransferDirection::Write ? 1 : 0);
        EXPECT_FALSE(result.cause.isEmpty());
    }
}

TEST(CloneProtocol, FailedReadKeepsTheBlocksReceivedSoFar) {
    struct Case {
        SimFault fault;
        std::size_t storedEnd; // radio data up to here, earlier image content after
    };
    const Case cases[] = {
        {{SimFaultKind::MissingBlockAck, 7}, 8 * 8}, // the unacknowledged block is kept
        {{SimFaultKind::ShortReadReply, 5, 9}, 5 * 8},
    };
    for (const Case& c : cases) {
        Rig rig{c.fault};
        const RadioImage before = rig.image;
        rig.run(TransferDirection::Read);
        EXPECT_TRUE(sameBytes(rig.image, rig.radioMemory, 0, c.storedEnd));
        EXPECT_TRUE(sameBytes(rig.image, before, c.storedEnd, kImageSize));
    }
}

TEST(CloneProtocol, UnacknowledgedWriteBlockIsStillInTheRadio) {
    Rig rig{{SimFaultKind::MissingWriteAck, 4}};
    const TransferResult result = rig.run(TransferDirection::Write);
    EXPECT_EQ(result.blocks, 4);
    EXPECT_TRUE(sameBytes(rig.radio.memory(), rig.image, 0, 5 * 8));
    EXPECT_TRUE(sameBytes(rig.radio.memory(), rig.radioMemory, 5 * 8, kImageSize));
    EXPECT_EQ(rig.writesStartingWith(0x57).size(), 5u);
}

TEST(CloneProtocol, TenAndElevenByteRepliesAreAcceptedAndKeepTheMissingBytes) {
    for (const int length : {10, 11}) {
        SCOPED_TRACE(length);
        Rig rig{{SimFaultKind::ShortReadReply, 5, length}};
        const RadioImage before = rig.image;
        EXPECT_EQ(rig.run(TransferDirection::Read).outcome, TransferOutcome::Completed);
        const std::size_t block = 5 * 8;
        const std::size_t arrived = static_cast<std::size_t>(length) - 4;
        EXPECT_TRUE(sameBytes(rig.image, rig.radioMemory, 0, block + arrived));
        EXPECT_TRUE(sameBytes(rig.image, before, block + arrived, block + 8));
        EXPECT_TRUE(sameBytes(rig.image, rig.radioMemory, block + 8, kReadEnd));
        EXPECT_EQ(rig.ui.decodes(), 1);
    }
}

TEST(CloneProtocol, GoAheadWriteIsRetriedAfterItsMessage) {
    Rig rig;
    int failures = 0;
    rig.link.failWrite = [&](std::span<const std::uint8_t> bytes) {
        return bytes.size() == 1 && bytes[0] == 0x06 && failures++ == 0;
    };
    EXPECT_EQ(rig.run(TransferDirection::Read).outcome, TransferOutcome::Completed);
    EXPECT_EQ(rig.ui.messages(), std::vector<QString>{kSendOrder});
    EXPECT_EQ(rig.ui.messagesWhileArmed(), 0);
}

TEST(CloneProtocol, CancelAfterHundredBlocksKeepsThemAndTellsNothing) {
    Rig rig;
    const RadioImage before = rig.image;
    rig.ui.onPump = [&] {
        if (rig.ui.position() == 100)
            rig.ui.requestCancel();
    };
    const TransferResult result = rig.run(TransferDirection::Read);

    EXPECT_EQ(result.outcome, TransferOutcome::Cancelled);
    EXPECT_EQ(result.blocks, 100);
    EXPECT_TRUE(sameBytes(rig.image, rig.radioMemory, 0, 0x320));
    EXPECT_TRUE(sameBytes(rig.image, before, 0x320, kImageSize));
    EXPECT_TRUE(rig.ui.messages().empty());
    EXPECT_EQ(rig.ui.decodes(), 0);
    EXPECT_FALSE(rig.link.isOpen());
    EXPECT_EQ(rig.writesStartingWith(0x52).size(), 100u);
    const std::size_t end = rig.trace.events.size();
    EXPECT_EQ(rig.events(end - 3, end),
              (std::vector<std::string>{"pump", "close", "close dialog"}));
}

TEST(CloneProtocol, CancelWhileWaitingForTheRadioStopsAtOnce) {
    Rig rig{{SimFaultKind::Silent}};
    rig.ui.onPump = [&] {
        if (rig.ui.pumps() == 10)
            rig.ui.requestCancel();
    };
    EXPECT_EQ(rig.run(TransferDirection::Write).outcome, TransferOutcome::Cancelled);
    EXPECT_EQ(handshakesSent(rig.radio.received()), 1);
    EXPECT_TRUE(rig.ui.messages().empty());
    EXPECT_FALSE(rig.link.isOpen());
    EXPECT_FALSE(rig.ui.dialogOpen());
}

} // namespace
} // namespace quorl
