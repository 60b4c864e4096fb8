#include "SettingsPanel.h"

#include "DialogControls.h"

#include "DialogUnits.h"
#include "FormIds.h"
#include "ListTyping.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QStyle>
#include <QStyleFactory>

namespace quorl {

namespace {

using quorl::ui::DialogUnits;

QStringList numbered(const QString& first, int from, int to) {
    QStringList list;
    if (!first.isEmpty())
        list.append(first);
    for (int n = from; n <= to; ++n)
        list.append(QString::number(n));
    return list;
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

    ui::addLabel(this, units, "Type", {53, 32, 17, 8});
    type_ = ui::addComboBox(this, units, quorl::kIdType, false, ui::latin1Texts(quorl::kTypeTexts),
                            {79, 30, 70, 50});
    ui::addLabel(this, units, "Field", {53, 53, 17, 8});
    field_ = ui::addComboBox(this, units, quorl::kIdField, false, {}, {79, 51, 70, 50});

    ui::addLabel(this, units, "Channel Name", {199, 24, 46, 8});
    channelName_ = ui::addComboBox(this, units, quorl::kIdChannelName, true,
                                   ui::latin1Texts(quorl::kChannelNameTexts), {253, 22, 60, 49});
    ui::addLabel(this, units, "Squelch Level", {203, 40, 42, 8});
    squelch_ = ui::addComboBox(this, units, quorl::kIdSquelchLevel, true, numbered({}, 0, 9),
                               {253, 40, 60, 76});
    ui::addLabel(this, units, "W/N", {356, 26, 15, 8}, Qt::AlignRight);
    wideNarrow_ = ui::addComboBox(this, units, quorl::kIdWideNarrow, true,
                                  ui::latin1Texts(quorl::kWideNarrowTexts), {381, 24, 60, 61});
    ui::addLabel(this, units, "Vox Gain Level", {323, 43, 48, 8});
    voxGain_ = ui::addComboBox(this, units, quorl::kIdVoxGainLevel, true, numbered("OFF", 1, 10),
                               {381, 40, 60, 71});

    scramblerFunction_ = ui::addCheckBox(this, units, quorl::kIdScramblerFunction,
                                         "Scrambler Function", {205, 60, 75, 8});
    batterySave_ =
        ui::addCheckBox(this, units, quorl::kIdBatterySave, "Battery Save", {293, 60, 53, 8});
    disableMenu_ =
        ui::addCheckBox(this, units, quorl::kIdDisableMenu, "Disable Menu", {369, 60, 57, 8});
    scramblerMenu_ =
        ui::addCheckBox(this, units, quorl::kIdScramblerMenu, "Scrambler Menu", {205, 77, 65, 8});
    powerMenu_ = ui::addCheckBox(this, units, quorl::kIdPowerMenu, "Power Menu", {293, 77, 53, 8});
    beep_ = ui::addCheckBox(this, units, quorl::kIdBeep, "Beep", {369, 77, 28, 8});

    // Picking a model offers that model's bands, the first one chosen.
    connect(type_, &QComboBox::activated, this, [this](int index) {
        refillField(index);
        field_->setCurrentIndex(0);
    });
}

void SettingsPanel::refillField(int typeIndex) {
    field_->clear();
    field_->addItems(ui::latin1Texts(quorl::fieldBandTexts(typeIndex)));
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

void SettingsPanel::settleTypedText() {
    for (QComboBox* list : {channelName_, squelch_, wideNarrow_, voxGain_})
        ui::settleTypedText(list);
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
