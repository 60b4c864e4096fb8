// quorl-cli on files: help for every command, import refusing a bad table, diff and ports.

#include "CliRun.h"

#include "ChannelCodec.h"
#include "ChannelFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace quorl {
namespace {

class CliFiles : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // A new file with one channel.
    QString sinFile(const char* name, int channel, const ChannelSheet::Row& row) {
        RadioImage image;
        resetImage(image);
        ChannelSheet sheet;
        sheet.rows[channel] = row;
        encodeChannels(sheet, image);
        EXPECT_TRUE(saveChannelFile(path(name).toStdString(), image).ok);
        return path(name);
    }

    static QByteArray bytes(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    CliRun cli;
};

const ChannelSheet::Row kChannel{"",    "446.00625", "446.00625", "OFF",   "OFF",
                                 "Yes", "High",      "No",        "CH:001"};

TEST_F(CliFiles, EveryCommandHasItsHelp) {
    const CliOutput tool = cli.run({"--help"});
    EXPECT_EQ(tool.status, 0);
    for (const char* command :
         {"ports", "read", "write", "dump", "export", "import", "diff", "report", "backups"}) {
        EXPECT_TRUE(tool.out.contains(QStringLiteral("\n  %1 ").arg(command))) << command;
        const CliOutput help = cli.run({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: quorl-cli %1").arg(command)))
            << help.out.toStdString();
    }
    const CliOutput wrong = cli.run({"read"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.err, "quorl-cli: read: wants [--port P] OUT.sin (see quorl-cli read --help)\n");
}

TEST_F(CliFiles, ExportedTableImportsBackUnchanged) {
    const QString file = sinFile("a.sin", 1, kChannel);
    const QByteArray before = bytes(file);
    ASSERT_EQ(cli.run({"export", file, path("a.csv")}).status, 0);
    EXPECT_TRUE(
        bytes(path("a.csv")).contains("\r\n1,446.00625,446.00625,OFF,OFF,Yes,High,No,CH:001\r\n"));
    const CliOutput imported = cli.run({"import", path("a.csv"), file});
    EXPECT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_EQ(bytes(file), before);
}

TEST_F(CliFiles, ImportOfABadTableNamesEachCellAndKeepsTheFile) {
    const QString file = sinFile("a.sin", 1, kChannel);
    const QByteArray before = bytes(file);
    QFile csv(path("in.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("CH,Receive(MHz),Transmit(MHz),Rx Tone,Tx Tone,Scan,Tx Power,BusyLock,Name\n"
              "1,446.00625,446.00625,OFF,OFF,Yes,High,No,CH:001\n"
              "2,470.005,470.005,OFF,OFF,Yes,High,No,CH:002\n");
    csv.close();

    const CliOutput imported = cli.run({"import", path("in.csv"), file});
    EXPECT_EQ(imported.status, 1);
    const QString in = path("in.csv");
    EXPECT_EQ(
        imported.err,
        QStringLiteral("quorl-cli: %1 line 3, column 2 (Receive(MHz)): \"470.005\" is outside "
                       "the band 400 - 470MHz of the file's ZR - 101S\n"
                       "quorl-cli: %1 line 3, column 3 (Transmit(MHz)): \"470.005\" is "
                       "outside the band 400 - 470MHz of the file's ZR - 101S\n"
                       "quorl-cli: import: 2 bad entries in %1; %2 not changed\n")
            .arg(in, file));
    EXPECT_EQ(bytes(file), before);
}

TEST_F(CliFiles, CommonChannelListIsKnownByItsHeaderAndRowsLeftOutAreNamed) {
    const QString list = QStringLiteral(QUORL_CLI_TEST_DATA "/rows-left-out.csv");
    const QString file = sinFile("a.sin", 1, kChannel);
    const QByteArray before = bytes(file);

    const CliOutput strict = cli.run({"import", "--strict", list, file});
    EXPECT_EQ(strict.status, 1);
    EXPECT_TRUE(strict.err.endsWith(
        QStringLiteral("import: 10 rows of %1 the radio cannot hold (--strict); %2 not changed\n")
            .arg(list, file)))
        << strict.err.toStdString();
    EXPECT_EQ(bytes(file), before);

    const CliOutput imported = cli.run({"import", list, file});
    EXPECT_EQ(imported.status, 0);
    EXPECT_TRUE(imported.err.startsWith(
        QStringLiteral("quorl-cli: warning: %1 line 2: Frequency \"146.520000\" is outside the "
                       "band 400 - 470MHz of the file's ZR - 101S; left out\n")
            .arg(list)))
        << imported.err.toStdString();
    EXPECT_EQ(imported.err.count(QStringLiteral("; left out\n")), 10);

    // Back out in the same layout and in again: the same file.
    const QByteArray stored = bytes(file);
    ASSERT_EQ(cli.run({"export", "--format", "chirp", file, path("out.csv")}).status, 0);
    EXPECT_TRUE(bytes(path("out.csv"))
                    .endsWith("\r\n26,KEPT,446.500000,,0.000000,,88.5,88.5,023,NN,023,"
                              "Tone->Tone,FM,5.00,,5.0W,,,,,\r\n"));
    const CliOutput again = cli.run({"import", "--format", "chirp", path("out.csv"), file});
    EXPECT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_EQ(again.err, "");
    EXPECT_EQ(bytes(file), stored);
}

TEST_F(CliFiles, DiffSaysWhatDiffersAndSoDoesItsStatus) {
    const QString a = sinFile("a.sin", 1, kChannel);
    ChannelSheet::Row renamed = kChannel;
    renamed[kColName] = "BASE";
    const QString b = sinFile("b.sin", 1, renamed);

    const CliOutput differ = cli.run({"diff", a, b});
    EXPECT_EQ(differ.status, 1);
    EXPECT_EQ(differ.out, "channel 1 Name: CH:001 -> BASE\n"
                          "bytes that differ: 0x0C90-0x0C95\n");
    const CliOutput same = cli.run({"diff", a, a});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "");
    EXPECT_EQ(cli.run({"diff", a, path("missing.sin")}).status, 2);
}

// The report's text is read back from the PDF, as a reader of the file would.
TEST_F(CliFiles, ReportWritesASearchablePdf) {
    const QString file = sinFile("a.sin", 1, kChannel);
    const QString pdf = path("a.pdf");
    ASSERT_EQ(cli.run({"report", file, pdf}).status, 0);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("The Radio Settings"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("1 +446.00625 +446.00625 +OFF"))))
        << out.toStdString();
    EXPECT_EQ(cli.run({"report", path("missing.sin"), path("b.pdf")}).status, 1);
    EXPECT_FALSE(QFile::exists(path("b.pdf")));
}

TEST_F(CliFiles, PortsShowWhereEachComLeads) {
    const QString device = sinFile("device", 1, kChannel); // any file stands in for a device
    cli.mapPort(QStringLiteral("COM2"), device);
    const CliOutput ports = cli.run({"ports"});
    EXPECT_EQ(ports.status, 0);
    EXPECT_TRUE(ports.out.contains(QStringLiteral("COM2  %1").arg(device)))
        << ports.out.toStdString();
    EXPECT_TRUE(ports.out.contains("COM3  /nonexistent/quorl-port not present"))
        << ports.out.toStdString();
}

} // namespace
} // namespace quorl
