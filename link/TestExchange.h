#pragma once

// One alignment value to the radio in its test mode: wake the radio with the handshake, select
// the parameter, send the two test frequencies, then the two tones with the value; the radio
// acknowledges each of these three steps with "H". Runs on the calling thread and blocks it
// without pumping events. Every outcome is told through the message sink; the port is closed
// on every path.

#include "AlignmentParameter.h"
#include "ByteLink.h"
#include "MessageSink.h"
#include "Pacer.h"

#include <QString>

#include <cstdint>
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
    Finished,      // "Finish successfully!"
    PortNotOpened, // "Could not Open the Port,..."
    Cancelled,     // Cancel in the " Error had happen ,need try again" box
};

struct TestResult {
    TestOutcome outcome = TestOutcome::Finished;
    int attempts = 0;
    QString cause; // why the last attempt failed, for a developer
};

class TestExchange {
public:
    static const QString kRetryMessage;
    static const QString kFinishedMessage;

    TestExchange(ByteLink& link, Pacer& pacer, MessageSink& messages);

    // Retry in the box after a failed attempt starts another, as often as the user asks.
    TestResult run(const TestRequest& request);

private:
    TestResult session(const TestRequest& request);
    // Empty when the three acknowledgements arrived, else what was missing.
    QString attempt(const TestRequest& request);
    bool answered(std::uint8_t expected);
    void send(std::span<const std::uint8_t> bytes);

    ByteLink& link_;
    Pacer& pacer_;
    MessageSink& messages_;
};

} // namespace quorl
