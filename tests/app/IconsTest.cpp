#include "Icons.h"
#include "AppTests.h"
#include "CommandTable.h"

#include <QImage>
#include <QTest>

using namespace quorl;

namespace {

// Share of the picture's pixels that are not transparent.
double coverage(const QImage& image) {
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0;
    return double(painted) / (image.width() * image.height());
}

} // namespace

// Each picture is painted at the size asked for, the toolbar's, twice that and sizes between,
// and a disabled button shows a changed picture of the same shape.
void IconsTest::picturesPaintAtTheSizeAskedFor() {
    QList<QIcon> icons{applicationIcon()};
    for (int id : toolbarLayout())
        if (id != kSeparator)
            icons.append(commandIcon(id));
    for (const QIcon& icon : icons) {
        for (int side : {16, kToolbarIconSize, 27, kToolbarIconSize * 2, 64}) {
            const QImage normal = icon.pixmap(QSize(side, side)).toImage();
            QCOMPARE(normal.size(), QSize(side, side));
            QVERIFY(coverage(normal) > 0.1 && coverage(normal) < 1.0);
            const QImage disabled = icon.pixmap(QSize(side, side), QIcon::Disabled).toImage();
            QCOMPARE(disabled.size(), normal.size());
            QVERIFY(disabled != normal);
        }
        QCOMPARE(icon.actualSize(QSize(40, 30)), QSize(30, 30));
    }
    QVERIFY(commandIcon(kCmdFileSaveAs).isNull());
}
