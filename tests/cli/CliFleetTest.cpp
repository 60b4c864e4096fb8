// quorl-cli writing several simulated radios at once, each on its own pseudo-terminal, with
// the protocol's real pauses.

#include "CliRun.h"

#include "ChannelFile.h"
#include "RadioSimProcess.h"
#include "RandomImage.h"
#include "SerialPort.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <array>
#include <csignal>

namespace quorl {
namespace {

constexpr std::size_t kWriteLength = 0x1FE8;

// A file the tool sends: random bytes under a Type and Field that name a model and band.
RadioImage sendable(unsigned seed) {
    RadioImage image = randomImage(seed);
    image[kModelType] = 0;
    image[kModelField] = 0;
    return image;
}

class CliFleet : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    // Radio n serving `memory`; it saves what it holds to radio-N-after.sin when it stops.
    QString startRadio(int n, const RadioImage& memory, const QStringList& more = {}) {
        const QString image = path(QStringLiteral("radio-%1.sin").arg(n));
        EXPECT_TRUE(saveChannelFile(image.toStdString(), memory).ok);
        const QString device = radios[n].start(
            QStringList{"--image", image, "--save", after(n), "--delay", "0"} + more);
        EXPECT_FALSE(device.isEmpty());
        return device;
    }
    QString after(int n) const { return path(QStringLiteral("radio-%1-after.sin").arg(n)); }

    // Whether radio n, stopped, held what the file holds, as far as a write reaches.
    bool holds(int n, const RadioImage& file) {
        EXPECT_TRUE(radios[n].stop());
        RadioImage memory{};
        EXPECT_TRUE(loadChannelFile(after(n).toStdString(), memory).ok);
        return std::equal(file.begin(), file.begin() + kWriteLength, memory.begin());
    }

    QString saveFile(const char* name, const RadioImage& image) const {
        const QString file = path(QString::fromLatin1(name));
        EXPECT_TRUE(saveChannelFile(file.toStdString(), image).ok);
        return file;
    }

    QStringList backups(const char* pattern) const {
        return QDir(cli.backupFolder()).entryList({QString::fromLatin1(pattern)}, QDir::Files);
    }

    QTemporaryDir dir;
    std::array<testkit::RadioSimProcess, 4> radios;
    CliRun cli;
};

TEST_F(CliFleet, FourRadiosAreWrittenAtOnceAndVerified) {
    const RadioImage image = sendable(31);
    const QString file = saveFile("plan.sin", image);
    QStringList arguments{"write", "--verify"};
    for (int n = 0; n < 4; ++n)
        arguments << "--port" << startRadio(n, randomImage(40 + n));
    const CliOutput write = cli.run(arguments << file);

    EXPECT_EQ(write.status, 0) << write.err.toStdString();
    const QRegularExpression verified(
        QStringLiteral("^/dev/\\S+ +written +[0-9.]+ s +holds the file +\\S+-write\\.sin$"),
        QRegularExpression::MultilineOption);
    EXPECT_EQ(write.out.count(verified), 4) << write.out.toStdString();
    for (int n = 0; n < 4; ++n)
        EXPECT_TRUE(holds(n, image)) << "radio " << n;
}

TEST_F(CliFleet, AFailingRadioIsReportedWhileTheOthersAreWritten) {
    const RadioImage image = sendable(32);
    const QString file = saveFile("plan.sin", image);
    const QString good = startRadio(0, randomImage(50));
    const QString bad = startRadio(1, randomImage(51), {"--fault", "no-write-ack@21"});
    const CliOutput write = cli.run({"write", "--port", good, "--port", bad, file});

    EXPECT_EQ(write.status, 1);
    EXPECT_TRUE(write.out.contains(QRegularExpression(
        QStringLiteral("\n%1 +the radio stopped answering \\(block 0x00A8 not acknowledged\\); 21 "
                       "of 1021 blocks written +[0-9.]+ s +- +\\S+-write\\.sin\n")
            .arg(QRegularExpression::escape(bad)))))
        << write.out.toStdString();
    EXPECT_TRUE(write.err.endsWith(
        QStringLiteral("quorl-cli: write: 1 of 2 radios failed (see the summary)\n")))
        << write.err.toStdString();
    EXPECT_TRUE(holds(0, image));
}

TEST_F(CliFleet, ReadFirstKeepsTheOldMemoryAndWritingItBackRestoresIt) {
    RadioImage old = sendable(60);
    std::fill(old.begin() + 0x1FF8, old.end(), 0xFF); // never read: a new document's bytes
    const RadioImage image = sendable(61);
    const QString file = saveFile("plan.sin", image);
    const QString device = startRadio(0, old);
    const CliOutput write = cli.run({"write", "--read-first", "--port", device, file});
    ASSERT_EQ(write.status, 0) << write.err.toStdString();
    const QRegularExpressionMatch undo =
        QRegularExpression(QStringLiteral(" (\\S+-read\\.sin)\n")).match(write.out);
    ASSERT_TRUE(undo.hasMatch()) << write.out.toStdString();
    EXPECT_TRUE(holds(0, image));
    RadioImage kept{};
    ASSERT_TRUE(loadChannelFile(undo.captured(1).toStdString(), kept).ok);
    EXPECT_TRUE(kept == old);

    const QString again = startRadio(1, image);
    const CliOutput restore = cli.run({"write", "--port", again, undo.captured(1)});
    EXPECT_EQ(restore.status, 0) << restore.err.toStdString();
    EXPECT_TRUE(holds(1, old));
}

TEST_F(CliFleet, AFailedReadFirstWritesNothing) {
    const RadioImage old = sendable(70);
    const QString device = startRadio(0, old, {"--fault", "no-block-ack@2"});
    const CliOutput write =
        cli.run({"write", "--read-first", "--port", device, saveFile("plan.sin", sendable(71))});
    EXPECT_EQ(write.status, 1);
    EXPECT_TRUE(write.out.contains(
        QStringLiteral("read first: the radio stopped answering (block 0x0010 not "
                       "acknowledged); nothing written")))
        << write.out.toStdString();
    EXPECT_TRUE(holds(0, old));
    EXPECT_TRUE(backups("*.sin").isEmpty());
}

TEST_F(CliFleet, RepeatAsksForTheNextRadiosAndTheLogGetsALineForEach) {
    const QString device = startRadio(0, randomImage(80));
    const QString log = path(QStringLiteral("radios.csv"));
    QProcess& running = cli.start(
        {"write", "--repeat", "--log", log, "--port", device, saveFile("plan.sin", sendable(81))});
    running.write("\nq\n");
    running.closeWriteChannel();
    const CliOutput write = cli.finish();

    EXPECT_EQ(write.status, 0) << write.err.toStdString();
    EXPECT_TRUE(write.err.contains(QStringLiteral("quorl-cli: 2 radios so far: 2 written, 0 "
                                                  "failed\n")))
        << write.err.toStdString();
    QFile lines(log);
    ASSERT_TRUE(lines.open(QIODevice::ReadOnly));
    const QList<QByteArray> records = lines.readAll().split('\n');
    ASSERT_EQ(records.size(), 4) << "a header, two radios and the end";
    EXPECT_EQ(records[0], "Time,Port,File,Result,Verify,Backups\r");
    for (const QByteArray& record : records.mid(1, 2))
        EXPECT_TRUE(QString::fromUtf8(record).contains(QRegularExpression(
            QStringLiteral("^[0-9-]+T[0-9:]+Z,%1,%2,written,-,\\S+-write\\.sin\r$")
                .arg(QRegularExpression::escape(device), path(QStringLiteral("plan.sin"))))))
            << record.toStdString();
}

TEST_F(CliFleet, CtrlCStopsEveryRadioAndFreesItsPort) {
    const QString first = startRadio(0, randomImage(90));
    const QString second = startRadio(1, randomImage(91));
    QProcess& running = cli.start({"write", "--verify", "--port", first, "--port", second,
                                   saveFile("plan.sin", sendable(92))});
    running.setReadChannel(QProcess::StandardError);
    QByteArray progress;
    while (progress.count("blocks (10%)") < 2) {
        ASSERT_TRUE(running.waitForReadyRead(30000));
        progress += running.readAllStandardError();
    }
    ::kill(static_cast<pid_t>(running.processId()), SIGINT);
    const CliOutput write = cli.finish();

    EXPECT_EQ(write.status, 130);
    EXPECT_EQ(write.out.count(QStringLiteral("stopped by Ctrl+C; ")), 2) << write.out.toStdString();
    EXPECT_TRUE(write.err.endsWith(QStringLiteral("quorl-cli: write: stopped by Ctrl+C\n")))
        << write.err.toStdString();
    for (const QString& device : {first, second}) {
        SerialPort probe;
        EXPECT_TRUE(probe.open(device, kCloneTimeouts)) << device.toStdString();
    }
}

} // namespace
} // namespace quorl
