#include "ReportGeometry.h"

namespace quorl {

PageGeometry pageGeometry(int printableWidth, int printableHeight, int dpiX, int dpiY) {
    PageGeometry page;
    page.charHeight = (printableHeight / 45) * kTwipsPerInch / dpiY;
    page.charWidth = ((printableWidth * kTwipsPerInch) / dpiX - 900) / 80;
    page.bodyCharWidth = static_cast<int>(page.charWidth * 0.8);
    page.titleX = (printableWidth / 2) * kTwipsPerInch / dpiX - 18 * page.charWidth;
    page.pageHeight = printableHeight * kTwipsPerInch / dpiY;
    return page;
}

} // namespace quorl
