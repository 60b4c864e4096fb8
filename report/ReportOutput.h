#pragma once

// The report on paper or in a PDF file. The PDF needs no window, so a command-line tool can
// write one from an image alone; its pages hold text, not pictures, and can be searched.

#include "ChannelFile.h"
#include "RadioImage.h"

#include <QMarginsF>
#include <QString>

#include <functional>

class QPagedPaintDevice;

namespace quorl {

class ReportPainter;

// Paints pages first..last, each on a sheet of its own. False when the device cannot start.
bool paintReport(QPagedPaintDevice& device, const ReportPainter& report, int first, int last);

// The margins of a PDF page, in millimetres: a PDF has no edge a printer cannot reach, and
// these stand in for one, in the window's PDF as in the command-line tool's.
inline const QMarginsF kReportPdfMargins{10, 10, 10, 10};

// All six pages into a PDF file, written whole or not at all, with the title given (the
// document's name). beforePage runs before each page is drawn.
FileResult writeReportPdf(const RadioImage& image, const QString& path,
                          std::function<void()> beforePage = {}, const QString& title = {});

} // namespace quorl
