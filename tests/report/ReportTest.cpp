#include "AppTestSupport.h"
#include "CMSFlexGrid.h"
#include "CMainFrame.h"
#include "CZolApp.h"
#include "CZolView.h"
#include "ChannelCodec.h"
#include "CommandTable.h"
#include "FindControl.h"
#include "IsolatedSettings.h"
#include "MessageRecorder.h"
#include "PreviewPages.h"
#include "PrintSetupDialog.h"
#include "PrivateCups.h"
#include "ReportOutput.h"
#include "ReportPreview.h"
#include "SmallDisk.h"
#include "ToneTable.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

using namespace quorl;

// The report painted into PDF files read back with pdftotext, and the window's print commands.
class ReportTest : public QObject {
    Q_OBJECT
private slots:
    void pdfHoldsTheReportAsText();
    void unsavedTableEditsArePrinted();
    void printToFileOnAFullDiskKeepsTheOldFile();
    void previewShowsTwoPagesSideBySide();
    void previewZooms();
    void printDialogOffersPagesOneToSix();
    void shellPrintWithoutItsPrinterSaysSo_data();
    void shellPrintWithoutItsPrinterSaysSo();
    void shellPrintSaysWhetherTheQueueTookTheJob_data();
    void shellPrintSaysWhetherTheQueueTookTheJob();
    void everyPrintStartsAtAllPages();
    void printSetupChoosesThePrinter();
    void windowReportsAJobAbortedLater();
    void windowPdfIsTheToolsPdf();
    void shellPrintAnswersOnStandardErrorWithoutDisplay_data();
    void shellPrintAnswersOnStandardErrorWithoutDisplay();

private:
    QTemporaryDir dir;
};

namespace {

// The PDF's pages as text, each line with its runs of blanks made one space.
QList<QStringList> pdfPages(const QString& path) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        qWarning("pdftotext is missing: scripts/bootstrap installs it (poppler-utils)");
        return {};
    }
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QList<QStringList> pages;
    for (const QString& page : QString::fromUtf8(process.readAllStandardOutput()).split(u'\f')) {
        QStringList lines;
        for (QString line : page.split(u'\n')) {
            line = line.simplified();
            if (!line.isEmpty())
                lines.append(line);
        }
        if (!lines.isEmpty())
            pages.append(lines);
    }
    return pages;
}

RadioImage documentWith(const std::map<int, ChannelSheet::Row>& channels) {
    RadioImage image;
    resetImage(image);
    ChannelSheet sheet = decodeChannels(image);
    for (const auto& [channel, row] : channels)
        sheet.rows.at(channel) = row;
    encodeChannels(sheet, image);
    return image;
}

} // namespace

void ReportTest::pdfHoldsTheReportAsText() {
    const RadioImage image = documentWith({
        {1, {"", "446.00625", "446.10625", "67.0", "D023N", "Yes", "High", "Carrier", "ABCDEF"}},
        {199, {"", "145.50000", "145.50000", "OFF", "OFF", "No", "Low", "No", "LAST"}},
    });
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    QVERIFY(writeReportPdf(image, path).ok);

    const QList<QStringList> pages = pdfPages(path);
    QCOMPARE(pages.size(), 6);
    const QStringList firstPage{"The Radio Settings",
                                "Function Setting:",
                                "W/N: Wide Vox Gain Level: Off",
                                "Squelch Level: 5 Channel Name: Off",
                                "Battery Save: On Beep: On",
                                "Scrambler Activation: On Addible Menu: On",
                                "Power: On",
                                "Channel Setting:",
                                "CH Rx(MHz) Tx(MHz) Rx Tone Tx Tone Scan Tx Power Busy Lock Name",
                                "1 446.00625 446.10625 67.0 D023N Yes High Carrier ABCDEF",
                                "2"};
    QCOMPARE(pages[0].mid(0, firstPage.size()), firstPage);
    QCOMPARE(pages[0].last(), "27");
    QCOMPARE(pages[5].first(), "The Sixth Page");
    QCOMPARE(pages[5].last(), "199 145.50000 145.50000 OFF OFF No Low No LAST");
}

void ReportTest::unsavedTableEditsArePrinted() {
    RadioImage image;
    resetImage(image);
    const ToneTable tones;
    CZolView view(image, tones);
    view.OnInitialUpdate();
    view.grid()->SetTextMatrix(3, kColReceive, QStringLiteral("440.12500"));

    const QString path = dir.filePath(QStringLiteral("edited.pdf"));
    QVERIFY(writeReportPdf(image, path, [&view] { view.EncodeImage(); }).ok);
    const QList<QStringList> pages = pdfPages(path);
    QVERIFY(!pages.isEmpty());
    QVERIFY(pages[0].filter(QRegularExpression(QStringLiteral("^3 440\\.12500 "))).size() == 1);
}

// Print to File (PDF) in the print dialog, over an old file on a disk with no room left: the
// old file stays and the window says the report could not be printed. With room, the PDF
// holds the report.
void ReportTest::printToFileOnAFullDiskKeepsTheOldFile() {
    const SmallDisk disk(QFile::encodeName(dir.filePath(QStringLiteral("disk"))).toStdString());
    if (!disk.mounted())
        QSKIP("mounting a small file system takes root's rights");
    const QString path = dir.filePath(QStringLiteral("disk/old.pdf"));
    apptest::writeFile(path, "old");
    disk.fill();

    auto app = apptest::startApp();
    QVERIFY(app);
    ui::MessageRecorder messages;
    const auto printToFile = [&] {
        apptest::inspectNextModal([&path](QWidget* modal) {
            auto* dialog = qobject_cast<QPrintDialog*>(modal);
            QVERIFY(dialog);
            auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
            auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            QVERIFY(printers && fileName);
            printers->setCurrentIndex(printers->count() - 1); // Print to File (PDF)
            fileName->setText(path);
            apptest::inspectNextModal([](QWidget* question) { // "... already exists."
                auto* box = qobject_cast<QMessageBox*>(question);
                QVERIFY(box);
                box->button(QMessageBox::Yes)->click();
            });
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        app->mainFrame()->command(kCmdFilePrint)->trigger();
    };
    printToFile();
    QCOMPARE(messages.texts(),
             QStringList{QStringLiteral("The report could not be printed on \"%1\".").arg(path)});
    QCOMPARE(apptest::readFile(path), QByteArray("old"));

    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("disk/filler"))));
    printToFile();
    QCOMPARE(messages.texts().size(), 1);
    QCOMPARE(pdfPages(path).size(), 6);
}

void ReportTest::previewShowsTwoPagesSideBySide() {
    auto app = apptest::startApp();
    QVERIFY(app);
    QList<int> shown;
    apptest::inspectNextModal([&shown](QWidget* modal) {
        auto* preview = qobject_cast<ReportPreview*>(modal);
        QVERIFY(preview);
        auto* pages = preview->findChild<PreviewPages*>();
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        QCOMPARE(pages->sheetRect(0).top(), pages->sheetRect(1).top());
        QVERIFY(pages->sheetRect(0).right() < pages->sheetRect(1).left());
        shown.append(pages->firstPage());
        while (test::findControl<QPushButton>(preview, QStringLiteral("NextPage"))->isEnabled()) {
            QTest::mouseClick(test::findControl<QPushButton>(preview, QStringLiteral("NextPage")),
                              Qt::LeftButton);
            shown.append(pages->firstPage());
        }
        QTest::mouseClick(test::findControl<QPushButton>(preview, QStringLiteral("PrevPage")),
                          Qt::LeftButton);
        shown.append(pages->firstPage());
    });
    app->mainFrame()->command(kCmdFilePrintPreview)->trigger();
    QCOMPARE(shown, QList<int>({1, 3, 5, 3}));
}

void ReportTest::previewZooms() {
    auto app = apptest::startApp();
    QVERIFY(app);
    QList<qreal> widths;
    apptest::inspectNextModal([&widths](QWidget* modal) {
        auto* preview = qobject_cast<ReportPreview*>(modal);
        QVERIFY(preview);
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        auto* pages = preview->findChild<PreviewPages*>();
        const auto sheetWidth = [&widths, pages] { widths.append(pages->sheetRect(0).width()); };
        const auto wheel = [pages](int delta) {
            const QPointF at = pages->parentWidget()->rect().center();
            QWheelEvent event(at, pages->parentWidget()->mapToGlobal(at), {}, {0, delta},
                              Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(pages->parentWidget(), &event);
        };
        sheetWidth();
        QTest::keyClick(preview, Qt::Key_Plus);
        sheetWidth();
        wheel(120);
        sheetWidth();
        QTest::keyClick(preview, Qt::Key_Minus);
        sheetWidth();
        QTest::mouseClick(test::findControl<QPushButton>(preview, QStringLiteral("FitPage")),
                          Qt::LeftButton);
        sheetWidth();
    });
    app->mainFrame()->command(kCmdFilePrintPreview)->trigger();
    QCOMPARE(widths.size(), 5);
    QVERIFY(widths[0] > 0 && widths[1] > widths[0] && widths[2] > widths[1]);
    QVERIFY(widths[3] < widths[2] && widths[3] > widths[0]);
    QCOMPARE(widths[4], widths[0]);
}

void ReportTest::printDialogOffersPagesOneToSix() {
    auto app = apptest::startApp();
    QVERIFY(app);
    bool seen = false;
    apptest::inspectNextModal([&seen](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->minPage(), 1);
        QCOMPARE(dialog->maxPage(), 6);
        seen = true;
    });
    QTest::keyClick(app->mainFrame(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(seen);
}

void ReportTest::shellPrintWithoutItsPrinterSaysSo_data() {
    QTest::addColumn<QStringList>("switches");
    QTest::addColumn<QString>("message");
    QTest::newRow("/pt, a printer that is not there")
        << QStringList{"/pt", "No Such Printer", "driver", "port"}
        << "The printer \"No Such Printer\" cannot be found.";
    QTest::newRow("/p, no printer installed")
        << QStringList{"/p"}
        << "No printer is installed. Choose Print... in the File menu to print the report to "
           "a PDF file.";
}

void ReportTest::shellPrintWithoutItsPrinterSaysSo() {
    QFETCH(QStringList, switches);
    QFETCH(QString, message);
    if (switches.first() == "/p" && !QPrinterInfo::defaultPrinterName().isEmpty())
        QSKIP("this machine has a printer: the test would print on it");
    RadioImage image;
    resetImage(image);
    const QString file = dir.filePath(QStringLiteral("print.sin"));
    QVERIFY(saveChannelFile(file.toStdString(), image).ok);

    ui::MessageRecorder messages;
    CZolApp app;
    QStringList arguments = switches;
    arguments.insert(1, file);
    QVERIFY(!app.InitInstance(arguments));
    QCOMPARE(app.exitCode(), 1);
    QCOMPARE(messages.texts(), QStringList{message});
    QVERIFY(!app.mainFrame()->isVisible());
}

void ReportTest::shellPrintSaysWhetherTheQueueTookTheJob_data() {
    QTest::addColumn<QString>("queue");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("taken") << "Office" << 0 << "";
    QTest::newRow("refused") << "Refusing" << 1
                             << "The report could not be printed on \"Refusing\".";
    QTest::newRow("aborted") << "Aborting" << 1
                             << "The report could not be printed on \"Aborting\".";
}

void ReportTest::shellPrintSaysWhetherTheQueueTookTheJob() {
    QFETCH(QString, queue);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const PrivateCups cups;
    if (!cups.failure().isEmpty())
        QSKIP(qPrintable(cups.failure()));
    RadioImage image;
    resetImage(image);
    const QString file = dir.filePath(QStringLiteral("queue.sin"));
    QVERIFY(saveChannelFile(file.toStdString(), image).ok);

    ui::MessageRecorder messages;
    CZolApp app;
    QVERIFY(!app.InitInstance({"/pt", file, queue, "driver", "port"}));
    QCOMPARE(app.exitCode(), exitCode);
    // The first line names the queue, the second gives the printer system's reason.
    QCOMPARE(messages.texts().join(u'\n').section(u'\n', 0, 0), message);
    QCOMPARE(messages.texts().join(u'\n').count(u'\n'), exitCode);
}

void ReportTest::everyPrintStartsAtAllPages() {
    auto app = apptest::startApp();
    QVERIFY(app);
    QList<QAbstractPrintDialog::PrintRange> ranges;
    const auto look = [&ranges](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        QVERIFY(dialog);
        ranges.append(dialog->printRange());
        // What a job of pages 2 to 3 leaves in the printer.
        dialog->printer()->setPrintRange(QPrinter::PageRange);
        dialog->printer()->setFromTo(2, 3);
    };
    for (int job = 0; job < 2; ++job) {
        apptest::inspectNextModal(look);
        app->mainFrame()->command(kCmdFilePrint)->trigger();
    }
    QCOMPARE(ranges, QList({QAbstractPrintDialog::AllPages, QAbstractPrintDialog::AllPages}));
}

namespace {

void chooseInPrintSetup(CZolApp& app, const QString& printer) {
    apptest::inspectNextModal([printer](QWidget* modal) {
        auto* setup = qobject_cast<PrintSetupDialog*>(modal);
        QVERIFY(setup);
        test::findControl<QComboBox>(setup, QStringLiteral("Printer"))->setCurrentText(printer);
        setup->accept();
    });
    app.mainFrame()->command(kCmdFilePrintSetup)->trigger();
}

} // namespace

void ReportTest::printSetupChoosesThePrinter() {
    const PrivateCups cups;
    if (!cups.failure().isEmpty())
        QSKIP(qPrintable(cups.failure()));
    auto app = apptest::startApp();
    QVERIFY(app);
    chooseInPrintSetup(*app, QStringLiteral("Spare"));
    QString printer;
    apptest::inspectNextModal([&printer](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        QVERIFY(dialog);
        printer = dialog->printer()->printerName();
    });
    app->mainFrame()->command(kCmdFilePrint)->trigger();
    QCOMPARE(printer, QStringLiteral("Spare"));
}

// The PDF's title and words with their boxes, without the time it was made.
QStringList pdfWordsAndTitle(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput())
        .split(u'\n')
        .filter(QRegularExpression(QStringLiteral("<title>|<word ")));
}

void ReportTest::windowPdfIsTheToolsPdf() {
    RadioImage image;
    resetImage(image);
    apptest::putChannel(image, 1, 44600625, 44600625, "ONE");
    const QString document = dir.filePath(QStringLiteral("beside.sin"));
    QVERIFY(saveChannelFile(document.toStdString(), image).ok);
    auto app = apptest::startApp();
    QVERIFY(app);
    QVERIFY(app->OpenDocumentFile(document));

    // No printer is installed: the dialog prints to a file, the one it proposes.
    const QString windowPdf = dir.filePath(QStringLiteral("beside.pdf"));
    apptest::inspectNextModal([&windowPdf](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->printer()->outputFileName(), windowPdf);
        dialog->accept();
    });
    app->mainFrame()->command(kCmdFilePrint)->trigger();
    QVERIFY(QFile::exists(windowPdf));
    const QString toolPdf = dir.filePath(QStringLiteral("tool.pdf"));
    QVERIFY(writeReportPdf(image, toolPdf, {}, QStringLiteral("beside.sin")).ok);

    const QStringList words = pdfWordsAndTitle(windowPdf);
    QVERIFY(words.contains(QStringLiteral("<title>beside.sin</title>")));
    QVERIFY(words.size() > 100);
    QCOMPARE(words, pdfWordsAndTitle(toolPdf));
}

// The printer system takes the job, the window goes on, and the failure comes later.
void ReportTest::windowReportsAJobAbortedLater() {
    const PrivateCups cups;
    if (!cups.failure().isEmpty())
        QSKIP(qPrintable(cups.failure()));
    auto app = apptest::startApp();
    QVERIFY(app);
    chooseInPrintSetup(*app, QStringLiteral("Aborting"));
    ui::MessageRecorder messages;
    app->mainFrame()->command(kCmdFilePrintDirect)->trigger();
    QTRY_COMPARE(messages.texts().size(), 1);
    QCOMPARE(messages.texts().first().section(u'\n', 0, 0),
             "The report could not be printed on \"Aborting\".");
}

void ReportTest::shellPrintAnswersOnStandardErrorWithoutDisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("no file") << QStringList{"/p"} << 2 << "Usage: quorl [FILE.sin]";
    QTest::newRow("a file that is not there")
        << QStringList{"/p", dir.filePath("missing.sin")} << 1
        << "quorl: Cannot open the file \"" + dir.filePath("missing.sin") +
               "\". No such file or directory";
}

// The program itself, started from a terminal that has no display.
void ReportTest::shellPrintAnswersOnStandardErrorWithoutDisplay() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, firstLine);
    QProcess quorl;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    quorl.setProcessEnvironment(environment);
    quorl.start(QStringLiteral(QUORL_PROGRAM), arguments);
    const bool ended = quorl.waitForFinished(30000);
    if (!ended)
        quorl.kill();
    QVERIFY2(ended, "waits for a click");
    QCOMPARE(quorl.exitStatus(), QProcess::NormalExit);
    QCOMPARE(quorl.exitCode(), status);
    const QStringList lines = QString::fromLocal8Bit(quorl.readAllStandardError())
                                  .split(u'\n')
                                  .filter(QRegularExpression(QStringLiteral("^(quorl|Usage)")));
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.first(), firstLine);
}

int main(int argc, char* argv[]) {
    const IsolatedSettings settings;
    PrivateCups::isolateProcess();
    QApplication app(argc, argv);
    ReportTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ReportTest.moc"
