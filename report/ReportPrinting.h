#pragma once

// The File menu's printing over the program's printer: Print with the print dialog (pages 1 to
// 6, all of them each time), Print Preview, Print Setup (the printer, its paper, orientation
// and margins), and printing without the dialog (command 57608 and the shell's /p and /pt).
// The printer keeps what the dialogs chose for the next job. Jobs are named after the
// document; one the printer system refuses or aborts is reported.

#include "ReportPainter.h"

#include <QDeadlineTimer>
#include <QPrinter>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

class QWidget;

namespace quorl {

class ReportPrinting {
public:
    // beforePage brings the image up to date at the start of every page drawn; documentPath
    // gives the open document's file, empty for a new one: jobs and PDF files take its name.
    ReportPrinting(const RadioImage& image, std::function<void()> beforePage,
                   std::function<QString()> documentPath, QWidget* window);

    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    // All pages on the printer named, or on the program's printer when no name is given.
    // A printer that is not there is reported, and so is a job that does not start or that
    // the printer system refuses: the answer is true only when the pages went to the printer.
    // untilPrinted (the shell's /p and /pt) also waits, up to kJobWait, for the printer system
    // to finish the job, and a job it aborts is reported and answers false; otherwise such a
    // job is reported whenever the printer system aborts it.
    bool OnFilePrintDirect(const QString& printerName = {}, bool untilPrinted = false);

    static constexpr int kJobWait = 30000; // milliseconds

private:
    struct WatchedJob {
        QString printer;
        int id;
        QDeadlineTimer until;
    };

    bool print(QPrinter& printer, bool untilPrinted = false);
    void proposePdfBesideDocument();
    void checkJobs();

    ReportPainter report_;
    std::function<QString()> documentPath_;
    QWidget* window_;
    QPrinter printer_{QPrinter::HighResolution};
    // Jobs the printer system took from the window, followed until they end.
    std::vector<WatchedJob> jobs_;
    QTimer jobTimer_;
};

} // namespace quorl
