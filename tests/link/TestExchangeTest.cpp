// The test-mode exchange against the simulated radio, in virtual time.

#include "TestExchange.h"
#include "SimulatedLink.h"
#include "VirtualPacer.h"

#include <gtest/gtest.h>

#include <functional>

namespace quorl {
namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kHandshake{0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};

struct Rig {
    SimRadio radio{RadioImage{}};
    testkit::VirtualClock clock;
    testkit::Trace trace;
    testkit::SimulatedLink link{radio, clock, trace};
    testkit::VirtualPacer pacer{clock, trace};
    std::function<bool()> answer = [] { return false; }; // whether the user tries again
    int questions = 0;
    TestRequest request{
        QStringLiteral("COM1"),      AlignmentParameter::SquelchLevel, 160,
        QStringLiteral("446.00625"), QStringLiteral("446.00625"),      QStringLiteral("67.0"),
        QStringLiteral("OFF")};

    TestResult run() {
        return TestExchange(link, pacer,
                            [this] {
                                ++questions;
                                return answer();
                            })
            .run(request);
    }
    std::vector<std::string> reads() const {
        std::vector<std::string> reads;
        for (const std::string& event : trace.events)
            if (event.starts_with("read"))
                reads.push_back(event);
        return reads;
    }
};

// Fails the n-th read of a single byte with a device error.
std::function<bool(std::size_t)> failByteRead(int n) {
    return [n, reads = 0](std::size_t count) mutable { return count == 1 && ++reads == n; };
}

TEST(TestExchange, CompleteExchangeOnTheLine) {
    Rig rig;
    const TestResult result = rig.run();
    EXPECT_EQ(result.outcome, TestOutcome::Finished);
    EXPECT_EQ(rig.link.timeouts().readInterval, 10);
    EXPECT_EQ(rig.link.timeouts().readTotal(1), 100);
    EXPECT_EQ(rig.link.timeouts().writeTotal(1), 100);

    // clang-format off
    const std::vector<Bytes> expected{
        {0x02}, {0x50}, {0x52}, {0x4F}, {0x47}, {0x52}, {0x41}, {0x4D}, {0x02}, {0x06}, {0x78},
        {0x73}, {0x73, 0x08}, {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44},
        {0x70, 0x06, 0x00, 0x00, 0xFB, 0x01, 0x01, 0xA0}};
    // clang-format on
    EXPECT_EQ(rig.link.writes(), expected);
    EXPECT_EQ(rig.reads(), (std::vector<std::string>{"read 1 -> 1", "read 8 -> 8", "read 1 -> 1",
                                                     "read 1 -> 1", "read 1 -> 1", "read 1 -> 1"}));
    EXPECT_EQ(rig.radio.testFrames().size(), 3u);

    // The attempt opens with its 700 ms pause; every other pause is 1 ms.
    EXPECT_EQ(rig.trace.find("pause 700"), rig.trace.find("purge clear") + 1);
    EXPECT_EQ(rig.trace.count("pause 700"), 1);
    EXPECT_EQ(rig.trace.count("pause 1"), 15);

    // The port is closed before the dialog can say so.
    EXPECT_EQ(rig.trace.events.back(), "close");
    EXPECT_EQ(rig.questions, 0);
}

TEST(TestExchange, EachMissingAnswerFailsTheAttemptAndCancelClosesThePort) {
    struct Case {
        const char* name;
        std::vector<SimFault> faults;
        std::function<bool(std::size_t)> failRead;
        std::size_t writes; // up to the failure
    };
    const Case cases[] = {
        {"silent radio", {SimFaultKind::Silent}, {}, 7},
        {"identification read fails", {}, [](std::size_t count) { return count == 8; }, 9},
        {"no go-ahead answer", {SimFaultKind::NoGoAheadAnswer}, {}, 10},
        {"command not acknowledged", {SimFaultKind::NoCommandAck}, {}, 13},
        {"frequencies not acknowledged", {SimFaultKind::NoFrequencyAck}, {}, 14},
        {"values not acknowledged", {}, failByteRead(5), 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.radio.setFaults(c.faults);
        rig.link.failRead = c.failRead;
        double failedAtMs = 0;
        rig.answer = [&] {
            failedAtMs = rig.clock.elapsedMs();
            return false;
        };
        const TestResult result = rig.run();
        if (c.faults.size() == 1 && c.faults[0].kind == SimFaultKind::Silent) {
            // 700 ms, the handshake, two reads of 100 ms: about a second.
            EXPECT_GT(failedAtMs, 900);
            EXPECT_LT(failedAtMs, 1000);
        }
        EXPECT_EQ(result.outcome, TestOutcome::Cancelled);
        EXPECT_FALSE(result.cause.isEmpty());
        EXPECT_EQ(rig.link.writes().size(), c.writes);
        EXPECT_EQ(rig.questions, 1);
        EXPECT_FALSE(rig.link.isOpen());
        EXPECT_EQ(rig.trace.events.back(), "close");
    }
}

TEST(TestExchange, RetryStartsAgainWithTheWholeHandshake) {
    Rig rig;
    rig.radio.setFaults({SimFaultKind::Silent});
    std::size_t failedAt = 0;
    rig.answer = [&] {
        failedAt = rig.trace.events.size();
        rig.radio.setFaults({});
        return true;
    };
    const TestResult result = rig.run();
    EXPECT_EQ(result.outcome, TestOutcome::Finished);
    EXPECT_EQ(result.attempts, 2);
    EXPECT_EQ(rig.questions, 1);
    EXPECT_EQ(rig.trace.events[failedAt], "pause 700");
    const std::vector<Bytes>& writes = rig.link.writes();
    ASSERT_GT(writes.size(), 14u);
    for (std::size_t i = 0; i < kHandshake.size(); ++i)
        EXPECT_EQ(writes[7 + i], Bytes{kHandshake[i]});
    EXPECT_EQ(rig.link.openCount(), 1);
    EXPECT_EQ(rig.radio.testFrames().size(), 3u);
}

TEST(TestExchange, AnotherByteBeforeTheHandshakeAcknowledgementIsTolerated) {
    Rig rig;
    rig.radio.setFaults({SimFaultKind::WrongHandshakeByte});
    const TestResult result = rig.run();
    EXPECT_EQ(result.outcome, TestOutcome::Finished);
    EXPECT_EQ(result.attempts, 1);
    EXPECT_EQ(rig.questions, 0);
}

TEST(TestExchange, PortThatCannotBeOpenedGetsNothing) {
    Rig rig;
    rig.link.refuseOpen = true;
    EXPECT_EQ(rig.run().outcome, TestOutcome::PortNotOpened);
    EXPECT_EQ(rig.questions, 0);
    EXPECT_TRUE(rig.link.writes().empty());
    EXPECT_EQ(rig.trace.count("close"), 0);
}

TEST(TestExchange, EmptyFrequencyBoxesSendEightZeros) {
    Rig rig;
    rig.request.receiveFrequency.clear();
    rig.request.transmitFrequency.clear();
    rig.run();
    ASSERT_EQ(rig.radio.testFrames().size(), 3u);
    EXPECT_EQ(rig.radio.testFrames()[1].bytes, Bytes(8, 0x00));
}

} // namespace
} // namespace quorl
