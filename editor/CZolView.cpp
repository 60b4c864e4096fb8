#include "CZolView.h"

#include "CMSFlexGrid.h"
#include "CellEditor.h"
#include "ChannelCodec.h"
#include "ControlId.h"
#include "FormIds.h"
#include "FormTexts.h"
#include "KeyboardPolicy.h"
#include "SettingsCodec.h"
#include "SettingsPanel.h"
#include "SheetCommands.h"
#include "StatusHint.h"
#include "TransferController.h"

#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>

#include <algorithm>

namespace quorl {

namespace {

QString fromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

CZolView::CZolView(RadioImage& image, const ToneTable& tones, QWidget* parent)
    : QScrollArea(parent), image_(image), formFont_(ui::formFont(8)), units_(formFont_, this),
      portName_(kStartPort) {
    auto* form = new QWidget;
    form->setFont(formFont_);
    form->setFixedSize(units_.size(470, 294));

    panel_ = new SettingsPanel(units_, form);
    grid_ = new CMSFlexGrid(kChannelTableRows, kChannelTableCols, form);
    ui::setControlId(grid_, kIdChannelTable);
    grid_->setFont(ui::formFont(9.75));
    grid_->setGeometry(units_.rect(17, 106, 435, 179));

    setWidget(form);
    cells_ = new CellEditor(*this, *grid_, *panel_, tones, formFont_);
    transfer_ = new TransferController(*this, image_);
    sheet_ = new SheetCommands(*this, image_, tones);
    // The table's own keys while no editor is open, then Enter for the form (PreTranslateMessage).
    KeyboardPolicy::application().addKeyRule(this, [this](QObject* receiver, QKeyEvent* event) {
        return sheet_->keyPressed(receiver, event) || cells_->PreTranslateMessage(receiver, event);
    });
}

CZolView::~CZolView() = default;

void CZolView::OnInitialUpdate() {
    fitParentFrame();
    if (!cells_->editorsCreated()) {
        cells_->createEditors();
        setColumnLayout();
    }
    cells_->closeEditors();
    for (int c = 0; c < kChannelTableCols; ++c)
        grid_->SetTextMatrix(0, c, QString::fromLatin1(kChannelHeadings[c]));
    for (int r = 1; r < kChannelTableRows; ++r)
        grid_->SetTextMatrix(r, 0, QString::number(r));
    DecodeImage();
    // The current cell stays where it was but may hold something new: a choice left in a
    // closed list must not be written into the new document by the next click there.
    cells_->LoadEditorFromCell();
    sheet_->resetHistory();
}

// The frame gives up whatever room the form does not need, and never grows.
void CZolView::fitParentFrame() {
    QWidget* frame = window();
    if (frame == this)
        return;
    // Lay the frame out now, menu bar included: one that was never shown is not laid out yet.
    // A layout that is up to date is left alone: laying out the frame again would start a
    // geometry animation on its toolbar and central widget each time.
    if (frame->layout())
        frame->layout()->activate();
    const QSize spare = maximumViewportSize() - widget()->size();
    frame->resize(frame->width() - std::max(0, spare.width()),
                  frame->height() - std::max(0, spare.height()));
}

// Widths derive from the grid's default width W: the channel number takes 0.4 W, the two
// frequencies 1.3 W each, the tones W, Scan 0.8 W and Tx Power 0.9 W; BusyLock and Name keep W.
void CZolView::setColumnLayout() {
    for (int c = 0; c < kChannelTableCols; ++c)
        grid_->SetColAlignment(c, CMSFlexGrid::kAlignCenterCenter);
    const double w = grid_->ColWidth(kColTransmit);
    grid_->SetColWidth(0, static_cast<int>(w * 0.4));
    grid_->SetColWidth(kColTransmit, static_cast<int>(w * 1.3));
    grid_->SetColWidth(kColReceive, grid_->ColWidth(kColTransmit));
    grid_->SetColWidth(kColRxTone, static_cast<int>(w));
    grid_->SetColWidth(kColTxTone, static_cast<int>(w));
    grid_->SetColWidth(kColScan, static_cast<int>(w * 0.8));
    grid_->SetColWidth(kColTxPower, static_cast<int>(w * 0.9));
}

void CZolView::DecodeImage() {
    const ChannelSheet sheet = decodeChannels(image_);
    QList<QStringList> rows(kChannelCount);
    for (int r = 1; r <= kChannelCount; ++r)
        for (int c = kColReceive; c < kChannelColumns; ++c)
            rows[r - 1].append(fromBytes(sheet.cell(r, c)));
    grid_->SetTextBlock(1, kColReceive, rows);
    panel_->setState(decodeSettings(image_));
    // A read from the radio may change only bytes the table does not show.
    sheet_->recordSoon();
}

void CZolView::EncodeImage() {
    encodeInto(image_);
}

void CZolView::encodeInto(RadioImage& image) const {
    ChannelSheet sheet;
    for (int r = 1; r <= kChannelCount; ++r)
        for (int c = kColReceive; c < kChannelColumns; ++c)
            sheet.cell(r, c) = grid_->TextMatrix(r, c).toLatin1().toStdString();
    encodeChannels(sheet, image);
    // A list still being typed into is stored as it will show once left.
    panel_->settleTypedText();
    encodeSettings(panel_->state(), image);
}

void CZolView::showEvent(QShowEvent* event) {
    QScrollArea::showEvent(event);
    // Every move of the pointer reaches the frame's window, whatever widget it is over.
    if (QWindow* frame = window()->windowHandle())
        frame->installEventFilter(this);
}

void CZolView::showStatusHint(const QPoint& windowPos) {
    QWidget* under = window()->childAt(windowPos);
    if (!under || (under != this && !isAncestorOf(under)))
        return;
    const auto* tone = qobject_cast<const QComboBox*>(cells_->EditorForColumn(kColRxTone));
    emit statusHint(statusHintFor(under, grid_, tone ? tone->lineEdit() : nullptr));
}

bool CZolView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && watched == window()->windowHandle())
        showStatusHint(static_cast<QMouseEvent*>(event)->scenePosition().toPoint());
    return QScrollArea::eventFilter(watched, event);
}

} // namespace quorl
