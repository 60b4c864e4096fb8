#include "ReportPainter.h"

#include "FormTexts.h"

#include "ReportLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <array>
#include <utility>

namespace quorl {

namespace {

// The average character width fonts had when the report was laid out: lower-case letters and
// the space weighted by how often they occur in English text (per mille). Newer fonts state
// an average over every glyph they hold, far wider, which would squeeze the report's text.
constexpr std::array<std::pair<char, int>, 27> kLetterWeights{{
    {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20},  {'g', 14},
    {'h', 42}, {'i', 63}, {'j', 3},  {'k', 6},  {'l', 35},  {'m', 20},  {'n', 56},
    {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49}, {'s', 56},  {'t', 71},  {'u', 31},
    {'v', 10}, {'w', 18}, {'x', 3},  {'y', 18}, {'z', 2},   {' ', 166},
}};

qreal weightedAverageWidth(const QFont& font) {
    const QFontMetricsF metrics(font);
    qreal sum = 0;
    for (const auto& [letter, weight] : kLetterWeights)
        sum += metrics.horizontalAdvance(QChar(letter)) * weight;
    return sum / 1000;
}

// "Times New Roman" of character height G and the given average width, normal weight, from
// the modern family should the face be missing. Sizes are in twips, the painter's unit.
QFont reportFont(int charHeight, int averageWidth) {
    QFont font(QString::fromLatin1(kFormFontName.data(), kFormFontName.size()));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(charHeight);
    font.setWeight(QFont::Normal);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    const qreal natural = weightedAverageWidth(font);
    if (natural > 0)
        font.setStretch(std::clamp(qRound(100 * averageWidth / natural), 1, 4000));
    return font;
}

int lineHeight(const QFontMetricsF& metrics) {
    return qRound(metrics.height() + std::max<qreal>(0, metrics.leading()));
}

} // namespace

PageMetrics PageMetrics::of(const QPaintDevice& device) {
    return {device.width(), device.height(), device.logicalDpiX(), device.logicalDpiY()};
}

ReportPainter::ReportPainter(const RadioImage& image, std::function<void()> beforePage)
    : image_(image), beforePage_(std::move(beforePage)) {}

void ReportPainter::PrintPage(QPainter& painter, const PageMetrics& metrics, int page) const {
    if (beforePage_)
        beforePage_();
    if (metrics.dpiX <= 0 || metrics.dpiY <= 0)
        return;
    const PageGeometry geometry =
        pageGeometry(metrics.width, metrics.height, metrics.dpiX, metrics.dpiY);
    const QFont titleFont = reportFont(geometry.charHeight, geometry.charWidth);
    const QFont bodyFont = reportFont(geometry.charHeight, geometry.bodyCharWidth);
    const QFontMetricsF titleMetrics(titleFont);
    const QFontMetricsF bodyMetrics(bodyFont);
    const LineHeights lines{lineHeight(titleMetrics), lineHeight(bodyMetrics),
                            qCeil(bodyMetrics.height())};

    painter.save();
    painter.scale(qreal(metrics.dpiX) / kTwipsPerInch, qreal(metrics.dpiY) / kTwipsPerInch);
    painter.setPen(Qt::black);
    for (const PlacedText& text : layoutReportPage(page, geometry, lines, image_)) {
        const bool title = text.font == ReportFont::Title;
        painter.setFont(title ? titleFont : bodyFont);
        // A text's y is its top and grows upward; QPainter wants the baseline, growing down.
        const qreal ascent = title ? titleMetrics.ascent() : bodyMetrics.ascent();
        // A tab stays one blank: QPainter would widen it to the next tab stop.
        const QString drawn =
            QString::fromLatin1(text.text.data(), qsizetype(text.text.size())).replace(u'\t', u' ');
        painter.drawText(QPointF(text.x, -text.y + ascent), drawn);
    }
    painter.restore();
}

} // namespace quorl
