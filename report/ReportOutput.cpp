#include "ReportOutput.h"

#include "FileWriter.h"
#include "ReportLayout.h"
#include "ReportPainter.h"

#include <QBuffer>
#include <QFile>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

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
    const std::filesystem::path target = QFile::encodeName(path).toStdString();
    // Drawn in memory, so that the file is written whole, by the one writer, or not at all.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPdfResolution);
        pdf.setTitle(title);
        pdf.setPageLayout(QPageLayout(localPaper(), QPageLayout::Portrait, kReportPdfMargins,
                                      QPageLayout::Millimeter));
        const ReportPainter report(image, std::move(beforePage));
        if (!paintReport(pdf, report, 1, kReportPageCount))
            return FileResult{false, target, "the PDF could not be drawn", {}};
    }
    const QByteArray& bytes = buffer.data();
    return replaceFile(target, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

} // namespace quorl
