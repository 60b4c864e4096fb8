// The quorl-radio-sim program as a user starts it: its built-in memory, faults, and options
// it refuses. Full transfers through it are in tests/link/EndToEndTest.cpp.

#include "CloneProtocol.h"
#include "DefaultMemory.h"
#include "RadioSimProcess.h"
#include "RecordingTransferEvents.h"
#include "SerialPort.h"
#include "ThreadPacer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <algorithm>

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
    void TearDown() override { qunsetenv("QUORL_COM1"); }
};

TEST_F(RadioSimProgram, ServesItsBuiltInMemoryAndItsFaults) {
    testkit::RadioSimProcess sim;
    const QString terminal = sim.start({"--fault", "short:9@3", "--delay", "1"});
    ASSERT_FALSE(terminal.isEmpty());
    qputenv("QUORL_COM1", QFile::encodeName(terminal));

    SerialPort port;
    ThreadPacer pacer;
    testkit::Trace trace;
    testkit::RecordingTransferEvents ui{trace};
    const ReadResult result = CloneProtocol(port, pacer, ui).read(QStringLiteral("COM1"));

    EXPECT_EQ(result.outcome, TransferOutcome::ShortReply);
    EXPECT_EQ(result.blocks, 3);
    const RadioImage memory = defaultSimMemory();
    const RadioImage& read = result.memory;
    EXPECT_TRUE(std::equal(read.begin(), read.begin() + 24, memory.begin()));
    EXPECT_TRUE(std::all_of(read.begin() + 24, read.end(), [](auto b) { return b == kErased; }));
    EXPECT_TRUE(sim.stop());
}

TEST_F(RadioSimProgram, RefusesOptionsItCannotFollow) {
    const QStringList cases[] = {
        {"--fault", "loud"},    {"--fault", "short:12"},
        {"--delay", "-3"},      {"--image", "/nonexistent/radio.sin"},
        {"--frequency", "446"}, {"--delay"},
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
