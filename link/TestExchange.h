#pragma once

// One alignment value to the radio in its test mode: wake the radio with the handshake, select
// the parameter, send the two test frequencies, then the two tones with the value; the radio
// acknowledges each of these three steps with "H". Runs on the calling thread and blocks it
// without pumping events. After a failed attempt it asks whether to try again; the outcome is
// returned for the front end to tell. The port is closed on every path.

#include "AlignmentParameter.h"
#include "ByteLink.h"
#include "Pacer.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <span>

namespace quorl {

// What the test mode shows when Start is pressed. The texts are sent as they are read by
// frequencyFrame() and valueFrame(); the dialog confirms its frequency boxes first.
struct TestRequest {
    QString portName;
    AlignmentParameter parameter = AlignmentParameter::TxFrequency;
    std::uint8_t value = 0;
    QString receiveFrequency;
    QString transmitFrequency;
    QString receiveTone;
    QString transmitTone;
};

enum class TestOutcome {
    Finished,
    PortNotOpened,
    Cancelled, // an attempt failed and the user did not try again
};

struct TestResult {
    TestOutcome outcome = TestOutcome::Finished;
    int attempts = 0;
    QString cause; // why the last attempt failed, for a developer
};

class TestExchange {
public:
    // Asked after each failed attempt; true starts another.
    using RetryQuestion = std::function<bool()>;

    TestExchange(ByteLink& link, Pacer& pacer, RetryQuestion retry);

    // Tries again after a failed attempt as often as the answer to the question says.
    TestResult run(const TestRequest& request);

private:
    TestResult session(const TestRequest& request);
    // Empty when the three acknowledgements arrived, else what was missing.
    QString attempt(const TestRequest& request);
    bool answered(std::uint8_t expected);
    void send(std::span<const std::uint8_t> bytes);

    ByteLink& link_;
    Pacer& pacer_;
    RetryQuestion retry_;
};

} // namespace quorl
