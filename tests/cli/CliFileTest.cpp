// quorl-cli on files: help for every command, import refusing a bad table, diff and ports.

#include "CliRun.h"

#include "ChannelCodec.h"
#include "ChannelFile.h"
#include "ChannelOps.h"
#include "RandomImage.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
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

    static void patch(const QString& file, qint64 offset, std::uint8_t byte) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(offset);
        f.write(reinterpret_cast<const char*>(&byte), 1);
    }

    void writeFile(const QString& file, const QByteArray& content) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
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
    // The tool's help option before a command asks for the command's help.
    EXPECT_EQ(cli.run({"-h", "read"}).out, cli.run({"read", "--help"}).out);
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

TEST_F(CliFiles, ImportTakesWhatSpreadsheetsWriteAndNamesColumnsLeftOut) {
    const QString file = sinFile("a.sin", 1, kChannel);
    writeFile(path("in.csv"), "Name;CH;Receive(MHz);Transmit(MHz);Rx Tone;Tx Tone;Scan;Tx Power;"
                              "BusyLock;Remark\n"
                              "\xC4rger;1;446,00625;;67;OFF;;;;first\n"
                              "B;2;446.0O625;;67;OFF;;;;second\n");
    const QString in = path("in.csv");
    const CliOutput refused = cli.run({"import", in, file});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(
        refused.err,
        QStringLiteral("quorl-cli: %1: not UTF-8: read as Windows-1252\n"
                       "quorl-cli: %1: columns left out: \"Remark\"\n"
                       "quorl-cli: %1 line 2, column 3 (Receive(MHz)): \"446,00625\" has a "
                       "decimal comma; use a point: 446.00625\n"
                       "quorl-cli: %1 line 3, column 3 (Receive(MHz)): \"446.0O625\" is not a "
                       "frequency in MHz: a number, nothing after it\n"
                       "quorl-cli: import: 2 bad entries in %1; %2 not changed\n")
            .arg(in, file));
}

TEST_F(CliFiles, ImportRefusesWhatIsNoTableWithoutWaiting) {
    const QString file = sinFile("a.sin", 1, kChannel);
    const QByteArray before = bytes(file);
    ASSERT_EQ(::mkfifo(path("fifo").toLocal8Bit().constData(), 0600), 0); // no one writes it
    writeFile(path("big.csv"), QByteArray(1024 * 1024 + 1, 'a'));
    QByteArray manyBad =
        "CH,Receive(MHz),Transmit(MHz),Rx Tone,Tx Tone,Scan,Tx Power,BusyLock,Name\n";
    for (int i = 0; i < 60; ++i)
        manyBad += "x,,,,,,,,\n";
    writeFile(path("bad.csv"), manyBad);
    struct Case {
        QString in;
        QString says;
    };
    const Case cases[] = {
        {path("fifo"), QStringLiteral("fifo: not a regular file\n")},
        {QStringLiteral("/dev/zero"), QStringLiteral("/dev/zero: not a regular file\n")},
        {path("big.csv"), QStringLiteral("larger than 1 MB (1048576 bytes)")},
        {path("bad.csv"), QStringLiteral("bad.csv: and 10 more\nquorl-cli: import: 60 bad")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in.toStdString());
        const CliOutput imported = cli.run({"import", c.in, file});
        EXPECT_EQ(imported.status, 1);
        EXPECT_TRUE(imported.err.contains(c.says)) << imported.err.toStdString();
        EXPECT_LE(imported.err.count(QLatin1Char('\n')), 52);
    }
    EXPECT_EQ(bytes(file), before);
}

// An address sanitizer reserves far more address space than any limit here.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORL_ADDRESS_SANITIZER
#endif
#endif
#if !defined(__SANITIZE_ADDRESS__) && !defined(QUORL_ADDRESS_SANITIZER)
TEST_F(CliFiles, RunningOutOfMemoryIsSaidNotAborted) {
    QByteArray lines =
        "CH,Receive(MHz),Transmit(MHz),Rx Tone,Tx Tone,Scan,Tx Power,BusyLock,Name\n";
    while (lines.size() < 1000 * 1000)
        lines += "1,2\n"; // an error each: they need more memory than the limit leaves
    writeFile(path("many.csv"), lines);
    cli.onChildStart([] {
        constexpr rlim_t kLimit = 100 * 1024 * 1024;
        const rlimit limit{kLimit, kLimit};
        ::setrlimit(RLIMIT_AS, &limit);
    });
    const CliOutput imported = cli.run({"import", path("many.csv"), path("a.sin")});
    EXPECT_EQ(imported.status, 1);
    EXPECT_EQ(imported.err, "quorl-cli: import: out of memory\n");
}
#endif

TEST_F(CliFiles, WriteRefusesWhatIsNoRadioImageBeforeOpeningThePort) {
    const QString file = sinFile("a.sin", 1, kChannel);
    writeFile(path("x.pdf"), QByteArray(25000, '%'));
    QFile::copy(file, path("type.sin"));
    patch(path("type.sin"), kModelType, 3);
    QFile::copy(file, path("field.sin"));
    patch(path("field.sin"), kModelField, 2);
    const QString cases[][2] = {
        {path("x.pdf"), "the file holds 25000 bytes; a channel data file holds exactly 8192 bytes"},
        {path("type.sin"), "its Type byte (0x1F00 = 0x03) names no model: ZR - 101S, ZR - 102S or "
                           "ZR - 103S"},
        {path("field.sin"), "its Field byte (0x1F01 = 0x02) names no band of the ZR - 101S: 400 - "
                            "470MHz or 430 - 450MHz"},
    };
    for (const auto& [in, why] : cases) {
        const CliOutput write = cli.run({"write", in});
        EXPECT_EQ(write.status, 1);
        EXPECT_EQ(write.err,
                  QStringLiteral("quorl-cli: write: %1: %2; nothing sent\n").arg(in, why));
    }
}

TEST_F(CliFiles, ReportAndExportNeverReplaceTheirInputOrAnotherFile) {
    const QString file = sinFile("a.sin", 1, kChannel);
    const QByteArray before = bytes(file);
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    QFile::link(file, path("link.sin"));
    writeFile(path("old.pdf"), QByteArray(9000, 'P'));
    const QStringList cases[] = {
        {"report", file, file},
        {"report", file, path("sub/../a.sin")},
        {"report", file, path("link.sin")},
        {"report", path("old.pdf"), file}, // the two names swapped
        {"export", file, path("link.sin")},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliOutput run = cli.run(arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains(QRegularExpression(QStringLiteral("itself|is not a PDF"))))
            << run.err.toStdString();
    }
    EXPECT_EQ(bytes(file), before);
}

TEST_F(CliFiles, ExportToStandardOutput) {
    const QString file = sinFile("a.sin", 1, kChannel);
    for (const char* out : {"-", "/dev/stdout"}) {
        const CliOutput exported = cli.run({"export", file, out});
        EXPECT_EQ(exported.status, 0);
        EXPECT_TRUE(exported.out.startsWith(QStringLiteral("CH,Receive(MHz)"))) << out;
        EXPECT_EQ(exported.out.count(QLatin1Char('\n')), 200) << out;
    }
}

// The commands change the file as the library functions change an image, and nothing more.
TEST_F(CliFiles, MoveSortAndEmptyRearrangeTheFile) {
    RadioImage image = randomImage(7);
    ASSERT_TRUE(saveChannelFile(path("a.sin").toStdString(), image).ok);
    moveChannel(image, 5, 9);
    sortChannels(image, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, SortKey::Name);
    emptyChannels(image, {3, 40, 41, 42});
    for (const QStringList& arguments :
         {QStringList{"move", path("a.sin"), "5", "9"},
          QStringList{"sort", "--by", "name", path("a.sin"), "10-20"},
          QStringList{"empty", path("a.sin"), "3", "40-42"}}) {
        const CliOutput run = cli.run(arguments);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
    }
    RadioImage changed;
    ASSERT_TRUE(loadChannelFile(path("a.sin").toStdString(), changed).ok);
    EXPECT_EQ(changed, image);

    const CliOutput wrong = cli.run({"empty", path("a.sin"), "200"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.err, "quorl-cli: empty: \"200\" is not a channel from 1 to 199 or a range "
                         "such as 10-19 (see quorl-cli empty --help)\n");
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
    // Bytes the settings panel shows as 0 and OFF, and File > Print prints so.
    patch(file, kSquelchLevel, 12);
    patch(file, kVoxGainLevel, 200);
    const QString pdf = path("a.pdf");
    // Outside a login session, too, nothing but the result is said.
    cli.unsetVariable(QStringLiteral("XDG_RUNTIME_DIR"));
    const CliOutput report = cli.run({"report", file, pdf});
    ASSERT_EQ(report.status, 0);
    EXPECT_EQ(report.err, "");
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("The Radio Settings"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("1 +446.00625 +446.00625 +OFF"))))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("Vox Gain Level: +Off"))));
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("Squelch Level: +0 "))));
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
