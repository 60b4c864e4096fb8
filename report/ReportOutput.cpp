#include "ReportOutput.h"

#include "ReportLayout.h"
#include "ReportPainter.h"

#include <QFile>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace quorl {

namespace {

constexpr int kPdfResolution = 1200;

QPageSize localPaper() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

} // namespace

bool paintReport(QPagedPaintDevice& device, const ReportPainter& report, int first, int last) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const PageMetrics metrics = PageMetrics::of(device);
    for (int page = first; page <= last; ++page) {
        if (page != first && !device.newPage())
            return false;
        report.PrintPage(painter, metrics, page);
    }
    return painter.end();
}

FileResult writeReportPdf(const RadioImage& image, const QString& path,
                          std::function<void()> beforePage, const QString& title) {
    QSaveFile file(path);
    const auto failed = [&](const QString& reason) {
        return FileResult{false, QFile::encodeName(path).toStdString(), reason.toStdString(), {}};
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kPdfResolution);
        pdf.setTitle(title);
        pdf.setPageLayout(QPageLayout(localPaper(), QPageLayout::Portrait, kReportPdfMargins,
                                      QPageLayout::Millimeter));
        const ReportPainter report(image, std::move(beforePage));
        if (!paintReport(pdf, report, 1, kReportPageCount))
            return failed(QStringLiteral("the PDF could not be drawn"));
    }
    if (!file.commit())
        return failed(file.errorString());
    return {true, QFile::encodeName(path).toStdString(), {}, {}};
}

} // namespace quorl
