#include "SettingsPanel.h"

#include "ControlId.h"
#include "DialogUnits.h"
#include "FormIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>

namespace quorl {

namespace {

using quorl::ui::DialogUnits;

QStringList toStrings(const auto& texts) {
    QStringList list;
    for (std::string_view text : texts)
        list.append(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    return list;
}

QStringList numbered(const QString& first, int from, int to) {
    QStringList list;
    if (!first.isEmpty())
        list.append(first);
    for (int n = from; n <= to; ++n)
        list.append(QString::number(n));
    return list;
}

// A drop-down's rectangle includes its open list: the closed box gets its natural height and
// the rest of the rectangle decides how many entries the open list shows.
QComboBox* makeCombo(QWidget* parent, const DialogUnits& units, int id, bool editable,
                     const QStringList& items, QRect du) {
    auto* combo = new QComboBox(parent);
    quorl::ui::setControlId(combo, id);
    if (editable) {
        // What setEditable(true) does, less building the drop-down list before it is first
        // opened.
        auto* field = new QLineEdit(combo);
        field->setPalette(combo->palette());
        combo->setLineEdit(field);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
    }
    combo->addItems(items);
    const QRect area = units.rect(du.x(), du.y(), du.width(), du.height());
    const int closedHeight = combo->sizeHint().height();
    combo->setGeometry(area.x(), area.y(), area.width(), closedHeight);
    const int itemHeight = std::max(1, combo->fontMetrics().height());
    combo->setMaxVisibleItems(std::max(1, (area.height() - closedHeight) / itemHeight));
    return combo;
}

QCheckBox* makeCheck(QWidget* parent, const DialogUnits& units, int id, const QString& text,
                     QRect du) {
    auto* check = new QCheckBox(text, parent);
    quorl::ui::setControlId(check, id);
    check->setGeometry(units.rect(du.x(), du.y(), du.width(), du.height()));
    return check;
}

void makeLabel(QWidget* parent, const DialogUnits& units, const QString& text, QRect du,
               Qt::Alignment alignment = Qt::AlignLeft) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(units.rect(du.x(), du.y(), du.width(), du.height()));
}

// The classic look draws the title on the frame's top line, which the layout counts on.
void makeGroup(QWidget* parent, QStyle* style, const DialogUnits& units, const QString& title,
               QRect du) {
    auto* group = new QGroupBox(title, parent);
    if (style)
        group->setStyle(style);
    group->setGeometry(units.rect(du.x(), du.y(), du.width(), du.height()));
}

} // namespace

SettingsPanel::SettingsPanel(const DialogUnits& units, QWidget* parent) : QWidget(parent) {
    setGeometry(units.rect(0, 0, 470, 100));

    // The group boxes come first so that they lie beneath the controls they frame.
    QStyle* groupStyle = QStyleFactory::create(QStringLiteral("Windows"));
    if (groupStyle)
        groupStyle->setParent(this);
    makeGroup(this, groupStyle, units, "Type Setting", {14, 13, 164, 58});
    makeGroup(this, groupStyle, units, "Optional Function", {187, 11, 262, 85});

    makeLabel(this, units, "Type", {53, 32, 17, 8});
    type_ = makeCombo(this, units, quorl::kIdType, false, toStrings(quorl::kTypeTexts),
                      {79, 30, 70, 50});
    makeLabel(this, units, "Field", {53, 53, 17, 8});
    field_ = makeCombo(this, units, quorl::kIdField, false, {}, {79, 51, 70, 50});

    makeLabel(this, units, "Channel Name", {199, 24, 46, 8});
    channelName_ = makeCombo(this, units, quorl::kIdChannelName, true,
                             toStrings(quorl::kChannelNameTexts), {253, 22, 60, 49});
    makeLabel(this, units, "Squelch Level", {203, 40, 42, 8});
    squelch_ =
        makeCombo(this, units, quorl::kIdSquelchLevel, true, numbered({}, 0, 9), {253, 40, 60, 76});
    makeLabel(this, units, "W/N", {356, 26, 15, 8}, Qt::AlignRight);
    wideNarrow_ = makeCombo(this, units, quorl::kIdWideNarrow, true,
                            toStrings(quorl::kWideNarrowTexts), {381, 24, 60, 61});
    makeLabel(this, units, "Vox Gain Level", {323, 43, 48, 8});
    voxGain_ = makeCombo(this, units, quorl::kIdVoxGainLevel, true, numbered("OFF", 1, 10),
                         {381, 40, 60, 71});

    scramblerFunction_ =
        makeCheck(this, units, quorl::kIdScramblerFunction, "Scrambler Function", {205, 60, 75, 8});
    batterySave_ = makeCheck(this, units, quorl::kIdBatterySave, "Battery Save", {293, 60, 53, 8});
    disableMenu_ = makeCheck(this, units, quorl::kIdDisableMenu, "Disable Menu", {369, 60, 57, 8});
    scramblerMenu_ =
        makeCheck(this, units, quorl::kIdScramblerMenu, "Scrambler Menu", {205, 77, 65, 8});
    powerMenu_ = makeCheck(this, units, quorl::kIdPowerMenu, "Power Menu", {293, 77, 53, 8});
    beep_ = makeCheck(this, units, quorl::kIdBeep, "Beep", {369, 77, 28, 8});

    // Picking a model offers that model's bands, the first one chosen.
    connect(type_, &QComboBox::activated, this, [this](int index) {
        refillField(index);
        field_->setCurrentIndex(0);
    });
}

void SettingsPanel::refillField(int typeIndex) {
    field_->clear();
    field_->addItems(toStrings(quorl::fieldBandTexts(typeIndex)));
}

int SettingsPanel::typeIndex() const {
    return type_->currentIndex();
}

int SettingsPanel::fieldIndex() const {
    return field_->currentIndex();
}

quorl::SettingsState SettingsPanel::state() const {
    quorl::SettingsState state;
    state.type = type_->currentIndex();
    state.field = field_->currentIndex();
    state.channelName = channelName_->currentIndex();
    state.squelch = squelch_->currentIndex();
    state.wideNarrow = wideNarrow_->currentIndex();
    state.voxGain = voxGain_->currentIndex();
    state.scramblerFunction = scramblerFunction_->isChecked();
    state.batterySave = batterySave_->isChecked();
    state.beep = beep_->isChecked();
    state.disableMenu = disableMenu_->isChecked();
    state.powerMenu = powerMenu_->isChecked();
    state.scramblerMenu = scramblerMenu_->isChecked();
    return state;
}

// In the order the panel has always been filled: the Field list is built for the Type as it
// stands once Type is set.
void SettingsPanel::setState(const quorl::SettingsState& state) {
    batterySave_->setChecked(state.batterySave);
    beep_->setChecked(state.beep);
    squelch_->setCurrentIndex(state.squelch);
    voxGain_->setCurrentIndex(state.voxGain);
    wideNarrow_->setCurrentIndex(state.wideNarrow);
    channelName_->setCurrentIndex(state.channelName);
    type_->setCurrentIndex(state.type);
    refillField(type_->currentIndex());
    field_->setCurrentIndex(state.field);
    disableMenu_->setChecked(state.disableMenu);
    powerMenu_->setChecked(state.powerMenu);
    scramblerMenu_->setChecked(state.scramblerMenu);
    scramblerFunction_->setChecked(state.scramblerFunction);
}

} // namespace quorl
