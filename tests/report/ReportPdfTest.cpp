#include "ReportTests.h"

#include "CMSFlexGrid.h"
#include "CZolView.h"
#include "ChannelCodec.h"
#include "ReportOutput.h"
#include "ToneTable.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace quorl;

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

void ReportPdfTest::pdfHoldsTheReportAsText() {
    const RadioImage image = documentWith({
        {1, {"", "446.00625", "446.10625", "67.0", "D023N", "Yes", "High", "Carrier", "ABCDEF"}},
        {199, {"", "145.50000", "145.50000", "OFF", "OFF", "No", "Low", "No", "LAST"}},
    });
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    QVERIFY(writeReportPdf(image, path).ok);

    const QList<QStringList> pages = pdfPages(path);
    QCOMPARE(pages.size(), 6);
    const QString heading =
        QStringLiteral("CH Rx(MHz) Tx(MHz) Rx Tone Tx Tone Scan Tx Power Busy Lock Name");
    const QList<QStringList> expected{
        {"The Radio Settings", "Function Setting:", "W/N: Wide Vox Gain Level: Off",
         "Squelch Level: 5 Channel Name: Off", "Battery Save: On Beep: On",
         "Scrambler Activation: On Addible Menu: On", "Power: On", "Channel Setting:", heading,
         "1 446.00625 446.10625 67.0 D023N Yes High Carrier ABCDEF", "2"},
        {"The Second Page", "Channel Setting:", heading, "28"},
        {"The Third Page", "Channel Setting:", heading, "61"},
        {"The Fourth Pages", "Channel Setting:", heading, "94"},
        {"The Fifth Pages", "Channel Setting:", heading, "127"},
        {"The Sixth Page", "Channel Setting:", heading, "160"},
    };
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(pages[i].mid(0, expected[i].size()), expected[i]);
    QCOMPARE(pages[0].last(), "27");
    QCOMPARE(pages[5].last(), "199 145.50000 145.50000 OFF OFF No Low No LAST");
}

void ReportPdfTest::unsavedTableEditsArePrinted() {
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

void ReportPdfTest::unwritablePdfSaysWhy() {
    RadioImage image;
    resetImage(image);
    const FileResult result = writeReportPdf(image, dir.filePath(QStringLiteral("no/such.pdf")));
    QVERIFY(!result.ok);
    QVERIFY(!result.reason.empty());
}
