// A whole read and a whole write through the real serial port, a pseudo-terminal and the
// simulated radio, with real pauses. Slow: about half a minute.

#include "CloneProtocol.h"
#include "RecordingTransferUi.h"
#include "SerialPort.h"
#include "ServedRadio.h"
#include "ThreadPacer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <random>

namespace quorl {
namespace {

using namespace std::chrono_literals;

RadioImage randomImage(unsigned seed) {
    std::mt19937 generator(seed);
    RadioImage image;
    for (auto& byte : image)
        byte = static_cast<std::uint8_t>(generator());
    return image;
}

class EndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "quorl_link_end_to_end_tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication application(argc, argv);
    }

    TransferResult transfer(testkit::ServedRadio& radio, TransferDirection direction) {
        qputenv("QUORL_COM4", QByteArray::fromStdString(radio.slavePath()));
        CloneProtocol protocol(port, pacer, ui);
        const TransferResult result = protocol.run(direction, QStringLiteral("COM4"), image);
        qunsetenv("QUORL_COM4");
        return result;
    }

    RadioImage radioMemory = randomImage(11);
    RadioImage image = randomImage(12);
    SerialPort port;
    ThreadPacer pacer;
    testkit::Trace trace;
    testkit::RecordingTransferUi ui{trace};
};

TEST_F(EndToEnd, FullReadOverAPseudoTerminal) {
    testkit::ServedRadio radio(radioMemory, 2ms);
    const RadioImage before = image;
    const TransferResult result = transfer(radio, TransferDirection::Read);
    ASSERT_EQ(result.outcome, TransferOutcome::Completed) << result.cause.toStdString();
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 0x1FF8, radioMemory.begin()));
    EXPECT_TRUE(std::equal(image.begin() + 0x1FF8, image.end(), before.begin() + 0x1FF8));
    EXPECT_EQ(ui.decodes(), 1);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(EndToEnd, FullWriteOverAPseudoTerminal) {
    testkit::ServedRadio radio(radioMemory, 2ms);
    const TransferResult result = transfer(radio, TransferDirection::Write);
    ASSERT_EQ(result.outcome, TransferOutcome::Completed) << result.cause.toStdString();
    const SimRadio& stopped = radio.stop();
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 0x1FE8, stopped.memory().begin()));
    EXPECT_TRUE(std::equal(radioMemory.begin() + 0x1FE8, radioMemory.end(),
                           stopped.memory().begin() + 0x1FE8));
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(EndToEnd, ReadOfASilentRadioEndsInTheCommunicationErrorBox) {
    testkit::ServedRadio radio(radioMemory, 2ms);
    qputenv("QUORL_COM4", QByteArray::fromStdString(radio.slavePath()));
    radio.stop(); // the line stays, nobody answers
    CloneProtocol protocol(port, pacer, ui);
    const TransferResult result = protocol.run(TransferDirection::Read, "COM4", image);
    qunsetenv("QUORL_COM4");
    EXPECT_EQ(result.outcome, TransferOutcome::CommunicationError);
    EXPECT_EQ(ui.messages().size(), 1u);
    EXPECT_FALSE(port.isOpen());
}

} // namespace
} // namespace quorl
