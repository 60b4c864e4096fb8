// Whole transfers and a test-mode exchange through the real serial port, a pseudo-terminal and
// the quorl-radio-sim program, with real pauses. Slow: about a minute.

#include "ChannelFile.h"
#include "CloneProtocol.h"
#include "RadioSimProcess.h"
#include "RandomImage.h"
#include "RecordingTransferEvents.h"
#include "SerialPort.h"
#include "TestExchange.h"
#include "ThreadPacer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

namespace quorl {
namespace {

class EndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "quorl_link_end_to_end_tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication application(argc, argv);
    }

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(saveChannelFile(served.toStdString(), radioMemory).ok);
    }
    void TearDown() override { qunsetenv("QUORL_COM4"); }

    ReadResult read(const QString& terminal) {
        qputenv("QUORL_COM4", QFile::encodeName(terminal));
        return CloneProtocol(port, pacer, ui).read(QStringLiteral("COM4"));
    }
    TransferResult write(const QString& terminal) {
        qputenv("QUORL_COM4", QFile::encodeName(terminal));
        return CloneProtocol(port, pacer, ui).write(QStringLiteral("COM4"), image);
    }

    QTemporaryDir dir;
    const QString served = dir.filePath(QStringLiteral("radio.sin"));
    RadioImage radioMemory = randomImage(11);
    RadioImage image = randomImage(12);
    testkit::RadioSimProcess sim;
    SerialPort port;
    ThreadPacer pacer;
    testkit::Trace trace;
    testkit::RecordingTransferEvents ui{trace};
};

TEST_F(EndToEnd, FullRead) {
    const QString terminal = sim.start({"--image", served, "--delay", "2"});
    ASSERT_FALSE(terminal.isEmpty());
    const ReadResult result = read(terminal);
    ASSERT_EQ(result.outcome, TransferOutcome::Completed) << result.cause.toStdString();
    EXPECT_TRUE(std::equal(result.memory.begin(), result.memory.begin() + kReadLength,
                           radioMemory.begin()));
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(sim.stop());
}

TEST_F(EndToEnd, FullWriteThroughTheSymlink) {
    const QString saved = dir.filePath(QStringLiteral("saved.sin"));
    const QString link = dir.filePath(QStringLiteral("com4"));
    const QString terminal =
        sim.start({"--image", served, "--save", saved, "--link", link, "--delay", "0"});
    ASSERT_FALSE(terminal.isEmpty());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), terminal);

    const TransferResult result = write(link);
    ASSERT_EQ(result.outcome, TransferOutcome::Completed) << result.cause.toStdString();
    EXPECT_TRUE(ui.questions().empty());
    ASSERT_TRUE(sim.stop());
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    RadioImage written{};
    ASSERT_TRUE(loadChannelFile(saved.toStdString(), written).ok);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 0x1FE8, written.begin()));
    EXPECT_TRUE(
        std::equal(radioMemory.begin() + 0x1FE8, radioMemory.end(), written.begin() + 0x1FE8));
}

TEST_F(EndToEnd, TestModeExchangeReachesTheRadio) {
    const QString terminal = sim.start({}, true);
    ASSERT_FALSE(terminal.isEmpty());
    qputenv("QUORL_COM4", QFile::encodeName(terminal));
    const TestRequest request{
        QStringLiteral("COM4"),      AlignmentParameter::SquelchLevel, 160,
        QStringLiteral("446.00625"), QStringLiteral("446.00625"),      QStringLiteral("67.0"),
        QStringLiteral("OFF")};
    const TestResult result = TestExchange(port, pacer, [] { return false; }).run(request);
    EXPECT_EQ(result.outcome, TestOutcome::Finished) << result.cause.toStdString();
    EXPECT_EQ(result.attempts, 1);
    EXPECT_FALSE(port.isOpen());
    ASSERT_TRUE(sim.stop());
    // 7 handshake bytes, "M" 02, 06, "x", the command, the command with 08, two frames.
    EXPECT_EQ(sim.errorOutput(),
              "quorl-radio-sim: test mode command 73: Squelch Level\n"
              "quorl-radio-sim: test mode frequencies 25 06 60 44 25 06 60 44: receive 446.00625 "
              "MHz, transmit 446.00625 MHz\n"
              "quorl-radio-sim: test mode values 70 06 00 00 FB 01 01 A0: receive tone 67.0 Hz, "
              "transmit tone off, value 160\n"
              "quorl-radio-sim: 30 bytes received\n");
}

TEST_F(EndToEnd, SilentRadioCostsFifteenAttemptsOfTwoReads) {
    const QString terminal = sim.start({"--fault", "silent"});
    ASSERT_FALSE(terminal.isEmpty());
    QElapsedTimer clock;
    clock.start();
    const TransferResult result = read(terminal);
    EXPECT_EQ(result.outcome, TransferOutcome::CommunicationError);
    EXPECT_EQ(ui.questions(), std::vector{RetryReason::NoAnswer});
    EXPECT_FALSE(port.isOpen());
    // 15 × (two 590 ms reads + 16 ms of pauses); the machine may be slow, never faster.
    EXPECT_GE(clock.elapsed(), 15 * 1196);
    EXPECT_LT(clock.elapsed(), 15 * 1196 + 6000);
}

} // namespace
} // namespace quorl
