#include "ReportPreview.h"

#include "PreviewPages.h"
#include "ReportLayout.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace quorl {

namespace {

constexpr qreal kZoomStep = 1.25;
constexpr qreal kMaxZoom = 8;

} // namespace

ReportPreview::ReportPreview(const QPrinter& printer, const ReportPainter& report, QWidget* parent)
    : QDialog(parent), area_(new QScrollArea(this)), pages_(new PreviewPages(printer, report)),
      print_(new QPushButton(QStringLiteral("&Print..."), this)),
      next_(new QPushButton(QStringLiteral("&Next Page"), this)),
      prev_(new QPushButton(QStringLiteral("Pre&v Page"), this)),
      fit_(new QPushButton(QStringLiteral("&Fit Page"), this)) {
    setWindowTitle(QStringLiteral("Print Preview"));
    next_->setObjectName(QStringLiteral("NextPage"));
    prev_->setObjectName(QStringLiteral("PrevPage"));
    fit_->setObjectName(QStringLiteral("FitPage"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    auto* zoomIn = new QPushButton(QStringLiteral("Zoom &In"), this);
    auto* zoomOut = new QPushButton(QStringLiteral("Zoom &Out"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {print_, next_, prev_, zoomIn, zoomOut, fit_, close}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    area_->setWidget(pages_);
    area_->setAlignment(Qt::AlignCenter);
    area_->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(area_, 1);

    const auto zoomBy = [this](qreal factor) { setZoom(zoom_ * factor); };
    connect(zoomIn, &QPushButton::clicked, this, [zoomBy] { zoomBy(kZoomStep); });
    connect(zoomOut, &QPushButton::clicked, this, [zoomBy] { zoomBy(1 / kZoomStep); });
    connect(fit_, &QPushButton::clicked, this, [this] { setZoom(1); });
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Plus), QKeySequence(QKeySequence::ZoomIn)})
        connect(new QShortcut(key, this), &QShortcut::activated, zoomIn, &QPushButton::click);
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Minus), QKeySequence(QKeySequence::ZoomOut)})
        connect(new QShortcut(key, this), &QShortcut::activated, zoomOut, &QPushButton::click);

    connect(print_, &QPushButton::clicked, this, [this] {
        printChosen_ = true;
        accept();
    });
    connect(next_, &QPushButton::clicked, this, [this] { turn(PreviewPages::kSheets); });
    connect(prev_, &QPushButton::clicked, this, [this] { turn(-PreviewPages::kSheets); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    turn(0);
}

void ReportPreview::setZoom(qreal zoom) {
    zoom_ = std::clamp<qreal>(zoom, 1, kMaxZoom);
    pages_->resize(area_->maximumViewportSize() * zoom_);
}

bool ReportPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area_->viewport() && event->type() == QEvent::Resize)
        setZoom(zoom_);
    if (watched == area_->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            if (wheel->angleDelta().y() != 0)
                setZoom(zoom_ * (wheel->angleDelta().y() > 0 ? kZoomStep : 1 / kZoomStep));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ReportPreview::turn(int pages) {
    const int first = std::clamp(pages_->firstPage() + pages, 1, kReportPageCount - 1);
    pages_->setFirstPage(first);
    prev_->setEnabled(first > 1);
    next_->setEnabled(first + PreviewPages::kSheets <= kReportPageCount);
}

} // namespace quorl
