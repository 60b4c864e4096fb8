#include "DialogUnits.h"
#include "UiTests.h"

#include <QFontMetrics>
#include <QTest>

using quorl::ui::DialogUnits;

namespace {
QFont formFont() {
    return QFont("Times New Roman", 8);
}
} // namespace

void DialogUnitsTest::unitsFollowTheFontMetrics() {
    const QFontMetrics metrics(formFont());
    const DialogUnits units(formFont());
    // Four horizontal units are one average character, eight vertical ones a line.
    const double average =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0;
    QVERIFY(std::abs(units.x(4) - average) <= 1.0);
    QCOMPARE(units.y(8), metrics.height());
    QCOMPARE(units.x(400), units.baseWidth() * 100);
    QCOMPARE(units.y(800), units.baseHeight() * 100);
    QCOMPARE(units.x(0), 0);
    QCOMPARE(units.size(470, 294), QSize(units.x(470), units.y(294)));
}

void DialogUnitsTest::touchingRectanglesStayTouching() {
    const DialogUnits units(formFont());
    for (int x = 0; x < 40; ++x) {
        const QRect left = units.rect(x, x, 7, 5);
        const QRect right = units.rect(x + 7, x + 5, 3, 3);
        QCOMPARE(left.right() + 1, right.left());
        QCOMPARE(left.bottom() + 1, right.top());
    }
}
