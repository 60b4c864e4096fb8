#pragma once

// The text of each report page and where each piece stands, before any font or printer is
// involved: page 1 holds the radio-wide settings and channels 1-27, pages 2 to 6 the rest of
// the channel table. Channel lines come from the image through the channel codec, so they
// read exactly as the table's cells.

#include "RadioImage.h"
#include "ReportGeometry.h"

#include <string>
#include <vector>

namespace quorl {

constexpr int kReportPageCount = 6;

// Heights the fonts give, in twips: a line of the title font and of the body font (text height
// plus external leading), and the body font's text alone.
struct LineHeights {
    int title = 0;
    int body = 0;
    int bodyText = 0;
};

enum class ReportFont { Title, Body };

struct PlacedText {
    ReportFont font;
    int x;            // twips from the left edge of the printable area
    int y;            // top of the text, twips, negative: y grows upward
    std::string text; // one byte per character (Latin-1), tabs left as they are
    friend bool operator==(const PlacedText&, const PlacedText&) = default;
};

// Page 1..kReportPageCount; nothing for other numbers.
std::vector<PlacedText> layoutReportPage(int page, const PageGeometry& geometry,
                                         const LineHeights& lines, const RadioImage& image);

} // namespace quorl
