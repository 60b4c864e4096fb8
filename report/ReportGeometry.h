#pragma once

// Where the report puts its text on a page, in twips (1/1440 inch): the origin is the top-left
// corner of the printable area, x grows to the right and y grows upward, so every line of the
// report has a negative y. Worked out again for every page from the printer's figures.

namespace quorl {

constexpr int kTwipsPerInch = 1440;

struct PageGeometry {
    int charHeight = 0;    // G: a forty-fifth of the page height, the height of both fonts
    int charWidth = 0;     // W: the title font's average character width, the column unit
    int bodyCharWidth = 0; // the body font's average character width, 0.8 W
    int titleX = 0;        // where a page title starts
    int pageHeight = 0;    // height of the printable area
};

// From the printable area in printer pixels and the printer's pixels per inch. Integer
// arithmetic throughout, each division truncating, as the printed positions depend on it.
PageGeometry pageGeometry(int printableWidth, int printableHeight, int dpiX, int dpiY);

} // namespace quorl
