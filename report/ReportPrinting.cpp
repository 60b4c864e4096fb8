#include "ReportPrinting.h"

#include "MessageBox.h"
#include "PrintSetupDialog.h"
#include "PrintToFile.h"
#include "PrinterSystem.h"
#include "ReportLayout.h"
#include "ReportOutput.h"
#include "ReportPreview.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QThread>

#include <algorithm>

namespace quorl {

namespace {

constexpr int kJobPollMilliseconds = 250;
// How long the window follows a job.
constexpr int kJobFollowMilliseconds = 10 * 60 * 1000;

QString abortMessage(const QString& printer, int job) {
    return QStringLiteral("The report could not be printed on \"%1\".\nThe printer system "
                          "aborted the job (%1-%2).")
        .arg(printer)
        .arg(job);
}

// The pages of the printer's range, all six when it names none.
bool printReport(QPrinter& printer, const ReportPainter& report) {
    int first = 1;
    int last = kReportPageCount;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(printer.fromPage(), 1);
        last = std::min(printer.toPage(), kReportPageCount);
    }
    return first <= last && paintReport(printer, report, first, last);
}

} // namespace

ReportPrinting::ReportPrinting(const RadioImage& image, std::function<void()> beforePage,
                               std::function<QString()> documentPath, QWidget* window)
    : report_(image, std::move(beforePage)), documentPath_(std::move(documentPath)),
      window_(window) {
    jobTimer_.setInterval(kJobPollMilliseconds);
    QObject::connect(&jobTimer_, &QTimer::timeout, [this] { checkJobs(); });
}

void ReportPrinting::checkJobs() {
    std::vector<WatchedJob> aborted;
    std::erase_if(jobs_, [&aborted](const WatchedJob& job) {
        const JobState state = jobState(job.printer, job.id);
        if (state == JobState::Aborted)
            aborted.push_back(job);
        return state != JobState::Waiting || job.until.hasExpired();
    });
    if (jobs_.empty())
        jobTimer_.stop();
    for (const WatchedJob& job : aborted)
        ui::messageBox(abortMessage(job.printer, job.id));
}

// The print dialog offers "<document>.pdf" beside the document when the user prints to a file;
// the printer chosen stays chosen.
void ReportPrinting::proposePdfBesideDocument() {
    const QString path = documentPath_();
    if (path.isEmpty())
        return;
    const QFileInfo document(path);
    const bool toPrinter = printer_.outputFormat() == QPrinter::NativeFormat;
    const QString printerName = printer_.printerName();
    const QPageLayout layout = printer_.pageLayout();
    printer_.setOutputFileName(document.dir().filePath(document.completeBaseName() + ".pdf"));
    if (toPrinter) {
        printer_.setOutputFormat(QPrinter::NativeFormat);
        if (!printerName.isEmpty())
            printer_.setPrinterName(printerName);
        printer_.setPageLayout(layout);
    }
}

void ReportPrinting::OnFilePrint() {
    // The range of an earlier job would hide in the dialog's collapsed options and leave
    // channels out of this one.
    printer_.setPrintRange(QPrinter::AllPages);
    printer_.setFromTo(0, 0);
    proposePdfBesideDocument();
    QPrintDialog dialog(&printer_, window_);
    dialog.setMinMax(1, kReportPageCount);
    if (dialog.exec() == QDialog::Accepted)
        print(printer_);
}

void ReportPrinting::OnFilePrintPreview() {
    ReportPreview preview(printer_, report_, window_);
    if (window_)
        preview.setGeometry(window_->geometry());
    preview.exec();
    if (preview.printChosen())
        OnFilePrint();
}

void ReportPrinting::OnFilePrintSetup() {
    PrintSetupDialog dialog(printer_, window_);
    dialog.exec();
}

bool ReportPrinting::OnFilePrintDirect(const QString& printerName, bool untilPrinted) {
    QString name = printerName;
    if (name.isEmpty())
        name =
            printer_.outputFormat() == QPrinter::NativeFormat && !printer_.printerName().isEmpty()
                ? printer_.printerName()
                : QPrinterInfo::defaultPrinterName();
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (name.isEmpty() || info.isNull()) {
        ui::messageBox(printerName.isEmpty()
                           ? QStringLiteral("No printer is installed. Choose Print... in the File "
                                            "menu to print the report to a PDF file.")
                           : QStringLiteral("The printer \"%1\" cannot be found.").arg(name));
        return false;
    }
    QPrinter job(info, QPrinter::HighResolution);
    if (name == printer_.printerName())
        job.setPageLayout(printer_.pageLayout());
    return print(job, untilPrinted);
}

// The platform says nothing when a job cannot start (a printer gone away, a PDF file that
// cannot be written) or when the printer system refuses it, so that is said here.
bool ReportPrinting::print(QPrinter& printer, bool untilPrinted) {
    const bool toPrinter = printer.outputFormat() == QPrinter::NativeFormat;
    const QString path = documentPath_();
    printer.setDocName(path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path).fileName());
    // A PDF file looks the same whether the window or the command-line tool wrote it.
    if (!toPrinter)
        printer.setPageMargins(kReportPdfMargins, QPageLayout::Millimeter);
    const auto draw = [&] { return printReport(printer, report_); };
    const bool painted = toPrinter ? draw() : printToPdfFile(printer, draw).ok;
    const QString refusal = painted && toPrinter ? lastJobRefusal() : QString();
    if (painted && refusal.isEmpty()) {
        const int job = toPrinter ? newestJob(printer.printerName(), printer.docName()) : 0;
        if (job == 0)
            return true;
        if (!untilPrinted) {
            jobs_.push_back({printer.printerName(), job, QDeadlineTimer(kJobFollowMilliseconds)});
            jobTimer_.start();
            return true;
        }
        const QDeadlineTimer until(kJobWait);
        JobState state = jobState(printer.printerName(), job);
        for (; state == JobState::Waiting && !until.hasExpired();
             state = jobState(printer.printerName(), job))
            QThread::msleep(kJobPollMilliseconds);
        if (state != JobState::Aborted)
            return true;
        ui::messageBox(abortMessage(printer.printerName(), job));
        return false;
    }
    const QString target = toPrinter ? printer.printerName() : printer.outputFileName();
    QString message = QStringLiteral("The report could not be printed on \"%1\".").arg(target);
    if (!refusal.isEmpty())
        message += u'\n' + refusal;
    ui::messageBox(message);
    return false;
}

} // namespace quorl
