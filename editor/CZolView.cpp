#include "CZolView.h"

#include "CMSFlexGrid.h"
#include "ChannelCodec.h"
#include "ControlId.h"
#include "FitWidthValidator.h"
#include "FormIds.h"
#include "MessageBox.h"
#include "PortSelection.h"
#include "SettingsCodec.h"
#include "SettingsPanel.h"
#include "ToneTable.h"

#include <QComboBox>
#include <QLayout>
#include <QLineEdit>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, CZolView::kChannelTableCols> kHeadings{
    "CH",   "Receive(MHz)", "Transmit(MHz)", "Rx Tone", "Tx Tone",
    "Scan", "Tx Power",     "BusyLock",      "Name"};

QFont formFont() {
    return QFont(QStringLiteral("Times New Roman"), 8);
}

QFont cellFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(9.75);
    return font;
}

QString fromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

template <typename Editor> Editor* makeEditor(QWidget* grid, int id, const QFont& font) {
    auto* editor = new Editor(grid);
    quorl::ui::setControlId(editor, id);
    editor->setFont(font);
    editor->setGeometry(QRect());
    editor->hide();
    return editor;
}

QComboBox* makeListEditor(QWidget* grid, int id, const QFont& font, const QStringList& items) {
    auto* editor = makeEditor<QComboBox>(grid, id, font);
    editor->addItems(items);
    return editor;
}

} // namespace

CZolView::CZolView(quorl::RadioImage& image, const quorl::ToneTable& tones, QWidget* parent)
    : QScrollArea(parent), image_(image), tones_(tones), formFont_(formFont()),
      units_(formFont_, this),
      portName_(QString::fromLatin1(quorl::kStartPort.data(), quorl::kStartPort.size())) {
    auto* form = new QWidget;
    form->setFont(formFont_);
    form->setFixedSize(units_.size(470, 294));

    panel_ = new SettingsPanel(units_, form);
    grid_ = new CMSFlexGrid(kChannelTableRows, kChannelTableCols, form);
    quorl::ui::setControlId(grid_, quorl::kIdChannelTable);
    grid_->setFont(cellFont());
    grid_->setGeometry(units_.rect(17, 106, 435, 179));

    setWidget(form);
    connectCellEditing();
}

CZolView::~CZolView() = default;

void CZolView::OnInitialUpdate() {
    fitParentFrame();
    if (!editorsCreated_) {
        createEditors();
        setColumnLayout();
        editorsCreated_ = true;
    }
    closeEditors();
    for (int c = 0; c < kChannelTableCols; ++c)
        grid_->SetTextMatrix(0, c, QString::fromLatin1(kHeadings[c]));
    for (int r = 1; r < kChannelTableRows; ++r)
        grid_->SetTextMatrix(r, 0, QString::number(r));
    DecodeImage();
    // The current cell stays where it was but may hold something new: a choice left in a
    // closed list must not be written into the new document by the next click there.
    LoadEditorFromCell();
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

void CZolView::createEditors() {
    frequencyEditor_ = makeEditor<QLineEdit>(grid_, quorl::kIdFrequencyEditor, formFont_);
    frequencyEditor_->setFrame(false);
    frequencyEditor_->setValidator(new FitWidthValidator(frequencyEditor_));
    nameEditor_ = makeEditor<QLineEdit>(grid_, quorl::kIdNameEditor, formFont_);
    nameEditor_->setFrame(false);
    nameEditor_->setValidator(new FitWidthValidator(nameEditor_));

    powerEditor_ = makeListEditor(grid_, quorl::kIdPowerEditor, formFont_, {"Low", "High"});
    scanEditor_ = makeListEditor(grid_, quorl::kIdScanEditor, formFont_, {"Yes", "No"});
    busyLockEditor_ =
        makeListEditor(grid_, quorl::kIdBusyLockEditor, formFont_, {"No", "Carrier", "QT/DQT"});

    toneEditor_ = makeEditor<QComboBox>(grid_, quorl::kIdToneEditor, formFont_);
    toneEditor_->setEditable(true);
    toneEditor_->setInsertPolicy(QComboBox::NoInsert);
    toneEditor_->setCompleter(nullptr);
    QStringList tones;
    tones.reserve(static_cast<qsizetype>(tones_.size()));
    for (const std::string& tone : tones_.entries())
        tones.append(fromBytes(tone));
    toneEditor_->addItems(tones);
    connectEditors();
}

// Widths derive from the grid's default width W: the channel number takes 0.4 W, the two
// frequencies 1.3 W each, the tones W, Scan 0.8 W and Tx Power 0.9 W; BusyLock and Name keep W.
void CZolView::setColumnLayout() {
    for (int c = 0; c < kChannelTableCols; ++c)
        grid_->SetColAlignment(c, CMSFlexGrid::kAlignCenterCenter);
    const double w = grid_->ColWidth(quorl::kColTransmit);
    grid_->SetColWidth(0, static_cast<int>(w * 0.4));
    grid_->SetColWidth(quorl::kColTransmit, static_cast<int>(w * 1.3));
    grid_->SetColWidth(quorl::kColReceive, grid_->ColWidth(quorl::kColTransmit));
    grid_->SetColWidth(quorl::kColRxTone, static_cast<int>(w));
    grid_->SetColWidth(quorl::kColTxTone, static_cast<int>(w));
    grid_->SetColWidth(quorl::kColScan, static_cast<int>(w * 0.8));
    grid_->SetColWidth(quorl::kColTxPower, static_cast<int>(w * 0.9));
}

void CZolView::closeEditors() {
    frequencyEditor_->clear();
    frequencyEditor_->hide();
    nameEditor_->clear();
    nameEditor_->setMaxLength(kNameEditorLimit);
    nameEditor_->hide();
    toneEditor_->hide();
    powerEditor_->hide();
    scanEditor_->hide();
    busyLockEditor_->hide();
}

QWidget* CZolView::EditorForColumn(int column) const {
    switch (column) {
    case quorl::kColRxTone:
    case quorl::kColTxTone:
        return toneEditor_;
    case quorl::kColScan:
        return scanEditor_;
    case quorl::kColTxPower:
        return powerEditor_;
    case quorl::kColBusyLock:
        return busyLockEditor_;
    case quorl::kColName:
        return nameEditor_;
    default:
        return frequencyEditor_;
    }
}

void CZolView::DecodeImage() {
    const quorl::ChannelSheet sheet = quorl::decodeChannels(image_);
    for (int r = 1; r <= quorl::kChannelCount; ++r)
        for (int c = quorl::kColReceive; c < quorl::kChannelColumns; ++c)
            grid_->SetTextMatrix(r, c, fromBytes(sheet.cell(r, c)));
    panel_->setState(quorl::decodeSettings(image_));
}

void CZolView::EncodeImage() {
    quorl::ChannelSheet sheet;
    for (int r = 1; r <= quorl::kChannelCount; ++r)
        for (int c = quorl::kColReceive; c < quorl::kChannelColumns; ++c)
            sheet.cell(r, c) = grid_->TextMatrix(r, c).toLatin1().toStdString();
    quorl::encodeChannels(sheet, image_);
    quorl::encodeSettings(panel_->state(), image_);
}

void CZolView::OnEditData() {
    quorl::ui::messageBox(QStringLiteral("Please directly double click inside the table"));
    grid_->SetCol(quorl::kColReceive);
    grid_->SetRow(1);
}
