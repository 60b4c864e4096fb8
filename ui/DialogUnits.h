#pragma once

// Places widgets the way dialog templates are laid out: in dialog units of the form's font.
// A horizontal unit is a quarter of the font's average character width, a vertical unit an
// eighth of its height.

#include <QFont>
#include <QRect>
#include <QSize>

class QPaintDevice;

namespace quorl::ui {

// The typeface of the program's forms and dialogs at a size in points.
QFont formFont(qreal points);

class DialogUnits {
public:
    // The font's pixel metrics depend on the device's resolution; null means the screen.
    explicit DialogUnits(const QFont& font, const QPaintDevice* device = nullptr);

    int baseWidth() const { return baseWidth_; }   // average character width in pixels
    int baseHeight() const { return baseHeight_; } // character height in pixels

    int x(int units) const;
    int y(int units) const;
    QSize size(int width, int height) const;
    // Edges are converted one by one, so rectangles that touch in units touch in pixels.
    QRect rect(int x, int y, int width, int height) const;

private:
    int baseWidth_;
    int baseHeight_;
};

} // namespace quorl::ui
