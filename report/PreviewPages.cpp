#include "PreviewPages.h"

#include "ReportLayout.h"
#include "ReportPainter.h"

#include <QPainter>
#include <QPrinter>

namespace quorl {

namespace {

constexpr qreal kGap = 16; // pixels around and between the sheets

} // namespace

PreviewPages::PreviewPages(const QPrinter& printer, const ReportPainter& report, QWidget* parent)
    : QWidget(parent), printer_(printer), report_(report) {
    setMinimumSize(400, 300);
}

void PreviewPages::setFirstPage(int page) {
    firstPage_ = page;
    update();
}

QRectF PreviewPages::sheetRect(int sheet) const {
    const QRectF paper = printer_.paperRect(QPrinter::DevicePixel);
    if (paper.isEmpty())
        return {};
    const qreal scale = std::min((width() - (kSheets + 1) * kGap) / (kSheets * paper.width()),
                                 (height() - 2 * kGap) / paper.height());
    const QSizeF size = paper.size() * std::max<qreal>(scale, 0);
    const qreal left = (width() - kSheets * size.width() - (kSheets - 1) * kGap) / 2;
    return {QPointF(left + sheet * (size.width() + kGap), (height() - size.height()) / 2), size};
}

void PreviewPages::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().dark());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF paper = printer_.paperRect(QPrinter::DevicePixel);
    const QRectF printable = printer_.pageRect(QPrinter::DevicePixel);
    const PageMetrics metrics = PageMetrics::of(printer_);
    for (int sheet = 0; sheet < kSheets; ++sheet) {
        const int page = firstPage_ + sheet;
        const QRectF target = sheetRect(sheet);
        if (page > kReportPageCount || target.isEmpty())
            continue;
        painter.fillRect(target, Qt::white);
        painter.save();
        painter.translate(target.topLeft());
        painter.scale(target.width() / paper.width(), target.height() / paper.height());
        painter.translate(printable.topLeft() - paper.topLeft());
        report_.PrintPage(painter, metrics, page);
        painter.restore();
    }
}

} // namespace quorl
