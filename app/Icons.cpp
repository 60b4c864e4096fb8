#include "Icons.h"

#include "CommandTable.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <functional>
#include <map>
#include <utility>

namespace quorl {

namespace {

using Painting = std::function<void(QPainter&)>;

const QColor kOutline(48, 48, 48);
const QColor kPaper(255, 255, 255);
const QColor kFolder(240, 200, 80);
const QColor kDisk(40, 80, 160);
const QColor kRadioBody(60, 60, 70);
const QColor kGreen(30, 150, 60);
const QColor kRed(200, 50, 40);
const QColor kBlue(40, 100, 200);

// Paints on an 18 × 18 canvas, scaled to the requested size.
QPixmap picture(int size, const Painting& painting) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 18.0, size / 18.0);
    painter.setPen(QPen(kOutline, 1));
    painting(painter);
    return pixmap;
}

void page(QPainter& p, QRectF area) {
    QPainterPath sheet;
    sheet.moveTo(area.left(), area.top());
    sheet.lineTo(area.right() - 4, area.top());
    sheet.lineTo(area.right(), area.top() + 4);
    sheet.lineTo(area.right(), area.bottom());
    sheet.lineTo(area.left(), area.bottom());
    sheet.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF{{area.right() - 4, area.top()},
                             {area.right() - 4, area.top() + 4},
                             {area.right(), area.top() + 4}});
}

void radio(QPainter& p, QRectF body) {
    p.setBrush(kRadioBody);
    p.drawLine(QPointF(body.left() + 2, body.top()), QPointF(body.left() + 2, body.top() - 5));
    p.drawRoundedRect(body, 1.5, 1.5);
    p.setBrush(QColor(150, 210, 150));
    p.drawRect(QRectF(body.left() + 1.5, body.top() + 2, body.width() - 3, 3));
    p.setPen(QPen(QColor(180, 180, 180), 0.8));
    for (double y = body.top() + 7; y < body.bottom() - 1; y += 2)
        p.drawLine(QPointF(body.left() + 2, y), QPointF(body.right() - 2, y));
    p.setPen(QPen(kOutline, 1));
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
    p.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QLineF shaft(to, from);
    QLineF side1 = shaft;
    side1.setLength(4);
    side1.setAngle(shaft.angle() + 40);
    QLineF side2 = shaft;
    side2.setLength(4);
    side2.setAngle(shaft.angle() - 40);
    p.drawLine(side1);
    p.drawLine(side2);
    p.setPen(QPen(kOutline, 1));
}

// Drawn with strokes rather than as a letter, so that no font has to be loaded for a picture.
void questionMarkInCircle(QPainter& p, QRectF circle) {
    p.setBrush(kBlue);
    p.drawEllipse(circle);
    const double h = circle.height();
    const double x = circle.center().x();
    const QRectF bow(x - 0.18 * h, circle.top() + 0.2 * h, 0.36 * h, 0.32 * h);
    QPainterPath hook;
    hook.arcMoveTo(bow, 160);
    hook.arcTo(bow, 160, -250);
    hook.lineTo(x, circle.top() + 0.64 * h);
    p.setPen(QPen(Qt::white, 0.13 * h, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x, circle.top() + 0.8 * h), 0.08 * h, 0.08 * h);
    p.setPen(QPen(kOutline, 1));
}

void newDocument(QPainter& p) {
    page(p, {3.5, 1.5, 11, 15});
}

void openDocument(QPainter& p) {
    p.setBrush(kFolder.darker(115));
    p.drawPolygon(QPolygonF{{1.5, 4.5}, {6.5, 4.5}, {8, 6}, {14.5, 6}, {14.5, 15.5}, {1.5, 15.5}});
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF{{4, 8.5}, {17, 8.5}, {14.5, 15.5}, {1.5, 15.5}});
}

void saveDocument(QPainter& p) {
    p.setBrush(kDisk);
    p.drawRoundedRect(QRectF(2.5, 2.5, 13, 13), 1, 1);
    p.setBrush(kPaper);
    p.drawRect(QRectF(5, 2.5, 8, 5.5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(5.5, 10.5, 7, 5));
}

void readFromRadio(QPainter& p) {
    radio(p, {2.5, 6.5, 7, 10});
    arrow(p, {11, 4}, {16, 12}, kGreen);
}

void writeToRadio(QPainter& p) {
    radio(p, {8.5, 6.5, 7, 10});
    arrow(p, {2, 4}, {7, 12}, kRed);
}

void testMode(QPainter& p) {
    p.setBrush(kPaper);
    p.drawPie(QRectF(1.5, 3.5, 15, 15), 0, 180 * 16);
    p.setPen(QPen(kRed, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 11), QPointF(13, 6));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(9, 11), 1.2, 1.2);
    p.drawLine(QPointF(1.5, 11), QPointF(16.5, 11));
}

void editData(QPainter& p) {
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 2.5, 12, 12));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (double y : {6.5, 10.5})
        p.drawLine(QPointF(2, y), QPointF(13, y));
    p.drawLine(QPointF(5.5, 3), QPointF(5.5, 14));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF{{15, 6}, {17, 8}, {10, 15}, {7.5, 16}, {8, 13.5}});
}

void print(QPainter& p) {
    page(p, {5.5, 1.5, 8, 6});
    p.setBrush(QColor(190, 190, 190));
    p.drawRoundedRect(QRectF(1.5, 7.5, 15, 6), 1, 1);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 11.5, 9, 5));
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(14, 9.5), 0.8, 0.8);
}

void contextHelp(QPainter& p) {
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF{
        {1.5, 1.5}, {1.5, 13}, {4.5, 10}, {6.5, 14.5}, {8.5, 13.5}, {6.5, 9.5}, {10.5, 9.5}});
    questionMarkInCircle(p, {9.5, 8.5, 8, 8});
}

void about(QPainter& p) {
    questionMarkInCircle(p, {1.5, 1.5, 15, 15});
}

void applicationPicture(QPainter& p) {
    radio(p, {5.5, 6.5, 8, 11});
    p.setPen(QPen(kBlue, 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 0, 6, 6), 30 * 16, 120 * 16);
    p.drawArc(QRectF(1, -1, 10, 8), 30 * 16, 120 * 16);
}

Painting paintingFor(int commandId) {
    switch (commandId) {
    case kCmdFileNew:
        return newDocument;
    case kCmdFileOpen:
        return openDocument;
    case kCmdFileSave:
        return saveDocument;
    case kCmdReadFromRadio:
        return readFromRadio;
    case kCmdWriteToRadio:
        return writeToRadio;
    case kCmdTestMode:
        return testMode;
    case kCmdEditData:
        return editData;
    case kCmdFilePrint:
        return print;
    case kCmdContextHelp:
        return contextHelp;
    case kCmdAppAbout:
        return about;
    default:
        return {};
    }
}

// Paints its picture at the size asked for, when it is first asked for: at start-up nothing is
// painted before the toolbar is, and then only at the one size the screen needs. Other modes
// than Normal (a disabled button's picture) are derived by the style, as for any icon.
class PaintedIconEngine : public QIconEngine {
public:
    PaintedIconEngine(Painting painting, QList<QSize> sizes)
        : painting_(std::move(painting)), sizes_(std::move(sizes)) {}

    QIconEngine* clone() const override { return new PaintedIconEngine(*this); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return sizes_; }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        if (side <= 0)
            return {};
        QPixmap& cached = pixmaps_[{side, mode}];
        if (cached.isNull()) {
            cached = picture(side, painting_);
            if (mode != QIcon::Normal) {
                QStyleOption option;
                option.palette = QGuiApplication::palette();
                cached = QApplication::style()->generatedIconPixmap(mode, cached, &option);
            }
        }
        return cached;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    Painting painting_;
    QList<QSize> sizes_;
    std::map<std::pair<int, QIcon::Mode>, QPixmap> pixmaps_;
};

} // namespace

QIcon commandIcon(int commandId) {
    Painting painting = paintingFor(commandId);
    if (!painting)
        return {};
    return QIcon(new PaintedIconEngine(std::move(painting),
                                       {QSize(kToolbarIconSize, kToolbarIconSize),
                                        QSize(kToolbarIconSize, kToolbarIconSize) * 2}));
}

QIcon applicationIcon() {
    return QIcon(new PaintedIconEngine(
        applicationPicture, {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)}));
}

} // namespace quorl
