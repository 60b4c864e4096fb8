#include "DialogUnits.h"

#include "FormTexts.h"

#include <QFontMetrics>

namespace quorl::ui {

namespace {

// Dialogs measure the average width over the 52 letters, rounded to whole pixels.
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

// units × base / divisor, rounded half away from zero.
int scale(int units, int base, int divisor) {
    const long long product = static_cast<long long>(units) * base;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor
                                         : -((-product + half) / divisor));
}

} // namespace

QFont formFont(qreal points) {
    QFont font(
        QString::fromLatin1(kFormFontName.data(), static_cast<qsizetype>(kFormFontName.size())));
    font.setPointSizeF(points);
    return font;
}

DialogUnits::DialogUnits(const QFont& font, const QPaintDevice* device) {
    const QFontMetrics metrics = device ? QFontMetrics(font, device) : QFontMetrics(font);
    baseWidth_ = (metrics.horizontalAdvance(kAlphabet) / 26 + 1) / 2;
    baseHeight_ = metrics.height();
}

int DialogUnits::x(int units) const {
    return scale(units, baseWidth_, 4);
}

int DialogUnits::y(int units) const {
    return scale(units, baseHeight_, 8);
}

QSize DialogUnits::size(int width, int height) const {
    return {x(width), y(height)};
}

QRect DialogUnits::rect(int left, int top, int width, int height) const {
    const int l = x(left);
    const int t = y(top);
    return QRect(l, t, x(left + width) - l, y(top + height) - t);
}

} // namespace quorl::ui
