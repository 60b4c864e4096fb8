#include "TestExchange.h"

#include "PortCloser.h"
#include "RadioHandshake.h"
#include "TestFrames.h"

#include <array>
#include <utility>

namespace quorl {

namespace {

constexpr std::uint8_t kTestMode = 0x78;         // "x"
constexpr std::uint8_t kCommandEnd = 0x08;       // after the command byte's second sending
constexpr std::uint8_t kStepAcknowledged = 0x48; // "H"
constexpr int kAttemptPause = 700;
constexpr int kBytePause = 1;

} // namespace

TestExchange::TestExchange(ByteLink& link, Pacer& pacer, RetryQuestion retry)
    : link_(link), pacer_(pacer), retry_(std::move(retry)) {}

TestResult TestExchange::run(const TestRequest& request) {
    if (!link_.open(request.portName, kTestTimeouts))
        return {TestOutcome::PortNotOpened, 0, QStringLiteral("cannot open ") + request.portName};
    const PortCloser closer(link_);
    return session(request);
}

TestResult TestExchange::session(const TestRequest& request) {
    link_.purge(PurgeMode::Clear);
    for (int attempts = 1;; ++attempts) {
        const QString cause = attempt(request);
        if (cause.isEmpty())
            return {TestOutcome::Finished, attempts, {}};
        if (!retry_())
            return {TestOutcome::Cancelled, attempts, cause};
    }
}

QString TestExchange::attempt(const TestRequest& request) {
    pacer_.pause(kAttemptPause);
    for (const std::uint8_t byte : kHandshake) {
        send({&byte, 1});
        pacer_.pause(kBytePause);
    }
    // The radio may say something else first: one more byte is allowed.
    if (!answered(kAck) && !answered(kAck))
        return QStringLiteral("the handshake was not acknowledged");

    pacer_.pause(kBytePause);
    send({&kModeSelect, 1});
    pacer_.pause(kBytePause);
    send({&kModeSelectEnd, 1});
    link_.purge(PurgeMode::Clear);
    std::array<std::uint8_t, kIdentLength> ident{};
    if (!link_.read(ident).ok)
        return QStringLiteral("device error while reading the radio's identification");
    pacer_.pause(kBytePause);
    send({&kAck, 1});
    if (!answered(kAck))
        return QStringLiteral("the go-ahead was not acknowledged");

    link_.purge(PurgeMode::Clear);
    pacer_.pause(kBytePause);
    link_.write({&kTestMode, 1});
    pacer_.pause(kBytePause);
    // The command byte goes on the line twice: alone, then with 0x08.
    const std::uint8_t command = alignmentParameter(request.parameter).command;
    send({&command, 1});
    pacer_.pause(kBytePause);
    const std::array<std::uint8_t, 2> commandEnd{command, kCommandEnd};
    send(commandEnd);
    if (!answered(kStepAcknowledged))
        return QStringLiteral("the parameter command was not acknowledged");

    pacer_.pause(kBytePause);
    send(frequencyFrame(request.receiveFrequency.toStdString(),
                        request.transmitFrequency.toStdString()));
    if (!answered(kStepAcknowledged))
        return QStringLiteral("the frequency frame was not acknowledged");

    pacer_.pause(kBytePause);
    send(valueFrame(request.receiveTone.toStdString(), request.transmitTone.toStdString(),
                    request.value));
    if (!answered(kStepAcknowledged))
        return QStringLiteral("the value frame was not acknowledged");
    return {};
}

// Only a byte that arrived and is the one expected counts; silence and device errors do not.
bool TestExchange::answered(std::uint8_t expected) {
    link_.purge(PurgeMode::Clear);
    std::uint8_t byte = 0;
    const LinkResult received = link_.read({&byte, 1});
    return received.ok && received.count == 1 && byte == expected;
}

// The success of a write is not looked at: a lost byte shows up as a missing answer.
void TestExchange::send(std::span<const std::uint8_t> bytes) {
    link_.purge(PurgeMode::Clear);
    link_.write(bytes);
}

} // namespace quorl
