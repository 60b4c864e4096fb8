// The quorl-radio-sim program as a user starts it: a pty, a symlink to it, an image to serve,
// faults, and what was written saved on exit.

#include "ChannelFile.h"
#include "CloneProtocol.h"
#include "DefaultMemory.h"
#include "RecordingTransferUi.h"
#include "SerialPort.h"
#include "ThreadPacer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <random>

namespace quorl {
namespace {

class RadioSimProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "quorl_sim_program_tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication application(argc, argv);
    }

    void TearDown() override {
        qunsetenv("QUORL_COM1");
        if (sim.state() != QProcess::NotRunning) {
            sim.kill();
            sim.waitForFinished();
        }
    }

    // Starts the program and returns the terminal path it printed.
    QString start(const QStringList& arguments) {
        sim.start(QStringLiteral(QUORL_RADIO_SIM), arguments);
        if (!sim.waitForStarted())
            return {};
        while (!sim.canReadLine() && sim.waitForReadyRead(5000)) {
        }
        return QString::fromLocal8Bit(sim.readLine()).trimmed();
    }

    TransferResult transfer(TransferDirection direction, RadioImage& image) {
        CloneProtocol protocol(port, pacer, ui);
        return protocol.run(direction, QStringLiteral("COM1"), image);
    }

    QTemporaryDir dir;
    QProcess sim;
    SerialPort port;
    ThreadPacer pacer;
    testkit::Trace trace;
    testkit::RecordingTransferUi ui{trace};
};

RadioImage randomImage(unsigned seed) {
    std::mt19937 generator(seed);
    RadioImage image;
    for (auto& byte : image)
        byte = static_cast<std::uint8_t>(generator());
    return image;
}

TEST_F(RadioSimProgram, TakesAWriteThroughItsLinkAndSavesItOnExit) {
    ASSERT_TRUE(dir.isValid());
    const QString served = dir.filePath(QStringLiteral("served.sin"));
    const QString saved = dir.filePath(QStringLiteral("saved.sin"));
    const QString link = dir.filePath(QStringLiteral("com1"));
    const RadioImage before = randomImage(21);
    ASSERT_TRUE(saveChannelFile(served.toStdString(), before).ok);

    const QString terminal =
        start({"--image", served, "--save", saved, "--link", link, "--delay", "0"});
    ASSERT_TRUE(terminal.startsWith(QStringLiteral("/dev/")));
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), terminal);

    qputenv("QUORL_COM1", QFile::encodeName(link));
    RadioImage image = randomImage(22);
    const TransferResult result = transfer(TransferDirection::Write, image);
    ASSERT_EQ(result.outcome, TransferOutcome::Completed) << result.cause.toStdString();

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(link) || QFileInfo(link).isSymLink());
    RadioImage after{};
    ASSERT_TRUE(loadChannelFile(saved.toStdString(), after).ok);
    EXPECT_TRUE(std::equal(after.begin(), after.begin() + 0x1FE8, image.begin()));
    EXPECT_TRUE(std::equal(after.begin() + 0x1FE8, after.end(), before.begin() + 0x1FE8));
}

TEST_F(RadioSimProgram, ServesItsBuiltInMemoryAndItsFaults) {
    const QString terminal = start({"--fault", "short:9@3", "--delay", "1"});
    ASSERT_FALSE(terminal.isEmpty());
    qputenv("QUORL_COM1", terminal.toLocal8Bit());
    RadioImage image{};
    const TransferResult result = transfer(TransferDirection::Read, image);
    EXPECT_EQ(result.outcome, TransferOutcome::ShortReply);
    EXPECT_EQ(result.blocks, 3);
    const RadioImage memory = defaultSimMemory();
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 24, memory.begin()));
    EXPECT_TRUE(std::all_of(image.begin() + 24, image.end(), [](auto b) { return b == 0; }));
}

TEST_F(RadioSimProgram, RefusesOptionsItCannotFollow) {
    const QStringList cases[] = {
        {"--fault", "loud"},
        {"--fault", "short:12"},
        {"--delay", "-3"},
        {"--image", "/nonexistent/radio.sin"},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QProcess process;
        process.start(QStringLiteral(QUORL_RADIO_SIM), arguments);
        ASSERT_TRUE(process.waitForFinished(5000));
        EXPECT_EQ(process.exitCode(), 2);
        EXPECT_TRUE(process.readAllStandardOutput().isEmpty()) << "no terminal was offered";
        EXPECT_TRUE(process.readAllStandardError().startsWith("quorl-radio-sim: "));
    }
}

} // namespace
} // namespace quorl
