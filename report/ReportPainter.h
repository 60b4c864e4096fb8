#pragma once

// Draws the pages of the report over a QPainter. Each page first runs the caller's step that
// brings the image up to date (the window passes its EncodeImage, so that table edits not yet
// saved are printed), then reads the image.

#include "RadioImage.h"

#include <functional>

class QPaintDevice;
class QPainter;

namespace quorl {

// The printable area in printer pixels and the printer's pixels per inch.
struct PageMetrics {
    int width = 0;
    int height = 0;
    int dpiX = 0;
    int dpiY = 0;

    static PageMetrics of(const QPaintDevice& device);
};

class ReportPainter {
public:
    explicit ReportPainter(const RadioImage& image, std::function<void()> beforePage = {});

    // Draws page 1..6. The painter's coordinates are the printer pixels of `metrics`, origin
    // at the top-left corner of the printable area.
    void PrintPage(QPainter& painter, const PageMetrics& metrics, int page) const;

private:
    const RadioImage& image_;
    std::function<void()> beforePage_;
};

} // namespace quorl
