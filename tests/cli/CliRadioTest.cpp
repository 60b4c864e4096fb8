// quorl-cli on the quorl-radio-sim program over a pseudo-terminal, with the protocol's real
// pauses: a read takes about 21 seconds.

#include "CliRun.h"

#include "ChannelCodec.h"
#include "ChannelFile.h"
#include "DefaultMemory.h"
#include "RadioSimProcess.h"
#include "RandomImage.h"
#include "SerialPort.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <QRegularExpression>

#include <csignal>

#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace quorl {
namespace {

constexpr std::size_t kWriteLength = 0x1FE8;

class CliRadio : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(saveChannelFile(path("radio.sin").toStdString(), radioMemory).ok);
    }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // The radio serving radio.sin, saving its memory to radio-after.sin when it stops.
    void startRadio(const QStringList& more = {}) {
        const QString terminal = sim.start(QStringList{"--image", path("radio.sin"), "--save",
                                                       path("radio-after.sin"), "--delay", "0"} +
                                           more);
        ASSERT_FALSE(terminal.isEmpty());
        cli.mapPort(QStringLiteral("COM2"), terminal);
        device = terminal;
    }

    RadioImage load(const QString& file) const {
        RadioImage image{};
        EXPECT_TRUE(loadChannelFile(file.toStdString(), image).ok) << file.toStdString();
        return image;
    }

    QStringList backups() const {
        return QDir(cli.backupFolder()).entryList({QStringLiteral("*.sin")}, QDir::Files);
    }

    QTemporaryDir dir;
    RadioImage radioMemory = randomImage(21);
    testkit::RadioSimProcess sim;
    CliRun cli;
    QString device;
};

TEST_F(CliRadio, ReadThenVerifiedWriteOfAChangedFile) {
    startRadio();
    const CliOutput read = cli.run({"read", "--port", "COM2", path("read.sin")});
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    RadioImage image = load(path("read.sin"));
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 0x1FF8, radioMemory.begin()));
    // The last eight bytes are never read: a new document's erased ones.
    EXPECT_TRUE(std::all_of(image.begin() + 0x1FF8, image.end(), [](auto b) { return b == 0xFF; }));

    image[channelNameOffset(7)] = 'Q';
    ASSERT_TRUE(saveChannelFile(path("changed.sin").toStdString(), image).ok);
    const CliOutput write = cli.run({"write", "--verify", "--port", "COM2", path("changed.sin")});
    EXPECT_EQ(write.status, 0) << write.err.toStdString();
    EXPECT_EQ(write.out, "");
    ASSERT_TRUE(sim.stop());
    const RadioImage radio = load(path("radio-after.sin"));
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + kWriteLength, radio.begin()));
    // One copy of the read, one of the write, one of the read that verified it.
    EXPECT_EQ(backups().size(), 3);
}

TEST_F(CliRadio, ShortRepliesAreTakenWithAWarningAndAMarkedBackup) {
    startRadio({"--fault", "short:10@5"});
    const CliOutput read = cli.run({"read", "--port", "COM2", path("read.sin")});
    EXPECT_EQ(read.status, 0) << read.err.toStdString();
    EXPECT_TRUE(read.err.contains(
        QStringLiteral("\nquorl-cli: warning: The read finished, but the radio's replies left "
                       "out 2 bytes: 0x002E-0x002F. They are kept as FF; check them before "
                       "writing this data back to a radio.\n")))
        << read.err.toStdString();
    ASSERT_EQ(backups().size(), 1);
    EXPECT_TRUE(backups().front().endsWith(QStringLiteral("-read-short.sin")));
}

TEST_F(CliRadio, VerifyNamesTheChannelOfABlockTheRadioDropped) {
    // Block 8 is channel 5's frequencies.
    startRadio({"--fault", "drop-write@8"});
    RadioImage image = radioMemory;
    ChannelSheet sheet = decodeChannels(image);
    sheet.rows[5] = {"", "446.00625", "446.00625", "OFF", "OFF", "Yes", "High", "No", "CH:005"};
    encodeChannels(sheet, image);
    ASSERT_TRUE(saveChannelFile(path("changed.sin").toStdString(), image).ok);

    const CliOutput write = cli.run({"write", "--verify", "--port", "COM2", path("changed.sin")});
    EXPECT_EQ(write.status, 1);
    EXPECT_TRUE(write.out.contains(QStringLiteral("channel 5 Receive(MHz): 446.00625 -> ")))
        << write.out.toStdString();
    EXPECT_TRUE(write.out.contains(QStringLiteral("bytes that differ: 0x004")))
        << write.out.toStdString();
    EXPECT_TRUE(write.err.endsWith(
        QStringLiteral("quorl-cli: verify COM2 (%1): the radio does not hold what %2 holds "
                       "(listed on standard output)\n")
            .arg(device, path("changed.sin"))))
        << write.err.toStdString();
}

TEST_F(CliRadio, CtrlCDuringAReadLeavesNoFileAndAFreePort) {
    startRadio();
    QProcess& running = cli.start({"read", "--port", "COM2", path("read.sin")});
    // Progress lines come every tenth of the way when standard error is not a terminal.
    running.setReadChannel(QProcess::StandardError);
    QByteArray progress;
    while (!progress.contains("blocks (10%)")) {
        ASSERT_TRUE(running.waitForReadyRead(30000));
        progress += running.readAllStandardError();
    }
    ::kill(static_cast<pid_t>(running.processId()), SIGINT);
    const CliOutput read = cli.finish();

    EXPECT_EQ(read.status, 130);
    EXPECT_TRUE(read.err.endsWith(
        QStringLiteral("quorl-cli: read COM2 (%1): stopped by Ctrl+C; nothing written\n")
            .arg(device)))
        << read.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path("read.sin")));
    EXPECT_TRUE(backups().isEmpty());
    SerialPort probe;
    EXPECT_TRUE(probe.open(device, kCloneTimeouts));
}

// The exclusive flag a port keeps while a program holds it, which a program that dies holding
// it leaves for the next user to find "busy". Root opens the port whatever the flag.
int exclusiveFlag(const QString& device) {
    const int descriptor =
        ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    int flag = -1;
    ::ioctl(descriptor, TIOCGEXCL, &flag);
    ::close(descriptor);
    return flag;
}

TEST_F(CliRadio, SigtermAndSighupStopAWriteKeepingItsBackupAndFreeingThePort) {
    struct Case {
        int signal;
        int status;
        const char* says;
    };
    const Case cases[] = {{SIGTERM, 143, "stopped by SIGTERM"},
                          {SIGHUP, 129, "stopped: the terminal hung up (SIGHUP)"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        startRadio();
        QProcess& running = cli.start({"write", "--port", "COM2", path("radio.sin")});
        running.setReadChannel(QProcess::StandardError);
        QByteArray progress;
        while (!progress.contains("blocks (10%)")) {
            ASSERT_TRUE(running.waitForReadyRead(30000));
            progress += running.readAllStandardError();
        }
        ::kill(static_cast<pid_t>(running.processId()), c.signal);
        const CliOutput write = cli.finish();

        EXPECT_EQ(write.status, c.status);
        EXPECT_TRUE(write.err.contains(
            QRegularExpression(QStringLiteral("quorl-cli: write COM2 \\(.*\\): %1; [0-9]+ of 1021 "
                                              "blocks written: write again before using the "
                                              "radio\n$")
                                   .arg(QRegularExpression::escape(QLatin1String(c.says))))))
            << write.err.toStdString();
        EXPECT_EQ(exclusiveFlag(device), 0);
        EXPECT_TRUE(sim.stop());
    }
    EXPECT_EQ(backups().size(), 2) << "each write that reached the radio keeps its copy";
}

// An editor's shell window says TERM=dumb and shows escape sequences as they are.
TEST_F(CliRadio, ADumbTerminalGetsPlainProgressLines) {
    startRadio();
    int terminal = -1;
    int errorEnd = -1;
    ASSERT_EQ(::openpty(&terminal, &errorEnd, nullptr, nullptr, nullptr), 0);
    cli.setVariable(QStringLiteral("TERM"), QStringLiteral("dumb"));
    cli.onChildStart([errorEnd] { ::dup2(errorEnd, STDERR_FILENO); });
    const CliOutput write = cli.run({"write", "--port", "COM2", path("radio.sin")});
    ::close(errorEnd);
    QByteArray shown;
    char buffer[4096];
    for (ssize_t n; (n = ::read(terminal, buffer, sizeof buffer)) > 0;)
        shown.append(buffer, n);
    ::close(terminal);

    EXPECT_EQ(write.status, 0);
    EXPECT_TRUE(shown.contains("1021 blocks (50%)")) << shown.toStdString();
    EXPECT_FALSE(shown.contains('\033')) << shown.toStdString();
}

TEST_F(CliRadio, AStoppedWriteNamesItsBlockInUpperCaseHex) {
    startRadio({"--fault", "no-write-ack@21"}); // block 21 is at 0x00A8
    const CliOutput write = cli.run({"write", "--port", "COM2", path("radio.sin")});
    EXPECT_EQ(write.status, 1);
    EXPECT_TRUE(write.err.contains(QStringLiteral("(block 0x00A8 not acknowledged); 21 of 1021 "
                                                  "blocks written")))
        << write.err.toStdString();
}

} // namespace
} // namespace quorl
