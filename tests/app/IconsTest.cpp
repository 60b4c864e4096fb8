#include "Icons.h"
#include "AppTests.h"
#include "CommandTable.h"
#include "DeferredIconStyle.h"

#include <QApplication>
#include <QImage>
#include <QStyleFactory>
#include <QStyleOption>
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

// The style's own icons, read late, are the icons the wrapped style gives for the same request,
// in either reading direction.
void IconsTest::styleIconsAreTheWrappedStyles() {
    DeferredIconStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    for (QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_MessageBoxWarning, QStyle::SP_ArrowBack}) {
        for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            QStyleOption option;
            option.direction = direction;
            const QIcon deferred = style.standardIcon(which, &option);
            const QIcon direct = style.baseStyle()->standardIcon(which, &option);
            QCOMPARE(deferred.isNull(), direct.isNull());
            QCOMPARE(deferred.availableSizes(), direct.availableSizes());
            QCOMPARE(deferred.pixmap(QSize(16, 16)).toImage(),
                     direct.pixmap(QSize(16, 16)).toImage());
        }
    }
}

// An icon first used after its style is gone is empty instead of reaching into the old style;
// installing twice wraps the application's style once.
void IconsTest::styleIconsOutliveTheirStyle() {
    auto* style = new DeferredIconStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QIcon icon = style->standardIcon(QStyle::SP_MessageBoxWarning);
    delete style;
    QVERIFY(icon.pixmap(QSize(32, 32)).isNull());

    DeferredIconStyle::install();
    QStyle* installed = QApplication::style();
    QVERIFY(qobject_cast<DeferredIconStyle*>(installed));
    DeferredIconStyle::install();
    QCOMPARE(QApplication::style(), installed);
}
