#include "AppTests.h"
#include "CommandLine.h"
#include "FileNames.h"
#include "RecentFileList.h"

#include <QProcess>
#include <QSettings>
#include <QTest>

using namespace quorl;

Q_DECLARE_METATYPE(quorl::ShellCommand::Kind)

void ShellTest::init() {
    QSettings().clear();
}

void ShellTest::commandLineNamesTheWork_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<ShellCommand::Kind>("kind");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("printer");
    QTest::newRow("nothing") << QStringList{} << ShellCommand::FileNew << ""
                             << "";
    QTest::newRow("file") << QStringList{"a.sin"} << ShellCommand::FileOpen << "a.sin"
                          << "";
    QTest::newRow("absolute path is no switch")
        << QStringList{"/home/x/a.sin"} << ShellCommand::FileOpen << "/home/x/a.sin"
        << "";
    QTest::newRow("print") << QStringList{"/p", "a.sin"} << ShellCommand::FilePrint << "a.sin"
                           << "";
    QTest::newRow("print, dash, after the file")
        << QStringList{"a.sin", "-P"} << ShellCommand::FilePrint << "a.sin"
        << "";
    QTest::newRow("print to") << QStringList{"/pt", "a.sin", "Laser", "drv", "lpt1"}
                              << ShellCommand::FilePrintTo << "a.sin"
                              << "Laser";
    QTest::newRow("print without a file") << QStringList{"/p"} << ShellCommand::Usage << ""
                                          << "";
    QTest::newRow("shell switch ignored")
        << QStringList{"-DDE", "b.sin"} << ShellCommand::FileOpen << "b.sin"
        << "";
    QTest::newRow("dash begins a file name")
        << QStringList{"-x.sin"} << ShellCommand::FileOpen << "-x.sin"
        << "";
    QTest::newRow("after a double dash everything is a file")
        << QStringList{"--", "-p", "/p"} << ShellCommand::FileOpen << "-p"
        << "";
    QTest::newRow("first file counts")
        << QStringList{"b.sin", "c.sin"} << ShellCommand::FileOpen << "b.sin"
        << "";
}

void ShellTest::commandLineNamesTheWork() {
    QFETCH(QStringList, arguments);
    QFETCH(ShellCommand::Kind, kind);
    QFETCH(QString, file);
    QFETCH(QString, printer);
    const ShellCommand command = parseCommandLine(arguments);
    QCOMPARE(command.kind, kind);
    QCOMPARE(command.fileName, file);
    QCOMPARE(command.printerName, printer);
}

void ShellTest::helpAndVersionNeedNoDisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("printed");
    QTest::newRow("help") << QStringList{"--help"} << "Usage: quorl [FILE.sin]\n";
    QTest::newRow("version after a file")
        << QStringList{"a.sin", "--version"} << "quorl " QUORL_VERSION "\n";
}

// Answered on the terminal before a window system is asked for: here there is none to have.
void ShellTest::helpAndVersionNeedNoDisplay() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, printed);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "none");
    program.setProcessEnvironment(environment);
    program.start(QUORL_PROGRAM, arguments);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(QString::fromLocal8Bit(program.readAllStandardOutput()).startsWith(printed));
}

void ShellTest::fileNamesKeepTheirBytes() {
    const QByteArray utf8[] = {"plain.sin", "caf\xC3\xA9.sin", "\xF0\x9F\x93\xBB.sin"};
    for (const QByteArray& bytes : utf8)
        QCOMPARE(fileNameFromBytes(bytes), QString::fromUtf8(bytes));
    const QByteArray other[] = {"\xFF.sin", "caf\xC3", "\xED\xA0\x80", "\xC0\xAF",
                                "\xF0\x9F\x93\xBB\xBB\xC3\xA9\xE9"};
    for (const QByteArray& bytes : other) {
        QVERIFY(fileNameFromBytes(bytes) != QString::fromUtf8(bytes));
        QCOMPARE(fileNameToBytes(fileNameFromBytes(bytes)), bytes);
    }
}

void ShellTest::recentFilesKeepFourNewestFirst() {
    RecentFileList list;
    list.load();
    QVERIFY(list.paths().isEmpty());
    for (const char* path : {"/a.sin", "/b.sin", "/c.sin", "/d.sin", "/b.sin", "/e.sin"})
        list.add(path);
    QCOMPARE(list.paths(), QStringList({"/e.sin", "/b.sin", "/d.sin", "/c.sin"}));
    list.remove(1);
    list.remove(7);
    QCOMPARE(list.paths(), QStringList({"/e.sin", "/d.sin", "/c.sin"}));
}

void ShellTest::recentFilesSurviveARestart() {
    {
        RecentFileList list;
        list.add("/one.sin");
        list.add("/two.sin");
    }
    QSettings settings;
    QCOMPARE(settings.value("Recent File List/File1").toString(), "/two.sin");
    RecentFileList reloaded;
    reloaded.load();
    QCOMPARE(reloaded.paths(), QStringList({"/two.sin", "/one.sin"}));
}

void ShellTest::recentFileMenuTextsNumberAndShorten() {
    QCOMPARE(recentFileMenuText(0, "/tmp/a.sin"), "&1 /tmp/a.sin");
    QCOMPARE(recentFileMenuText(3, "/tmp/R&D.sin"), "&4 /tmp/R&&D.sin");
    QCOMPARE(recentFileMenuText(1, "/home/someone/radios/site-north/channels.sin"),
             "&2 /home/.../channels.sin");
}
