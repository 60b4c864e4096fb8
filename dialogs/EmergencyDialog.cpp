#include "EmergencyDialog.h"

#include "DialogControls.h"
#include "EmergencySettings.h"

#include <QComboBox>

#include <algorithm>

namespace quorl {

namespace {

template <std::size_t N> QStringList entryTexts(const std::array<TimeEntry, N>& entries) {
    std::array<std::string_view, N> texts;
    std::ranges::transform(entries, texts.begin(), &TimeEntry::text);
    return ui::latin1Texts(texts);
}

} // namespace

EmergencyDialog::EmergencyDialog(RadioImage& image, QWidget* parent)
    : RadioOptionDialog(QStringLiteral("Emergency Call Setting"), 167, 108, parent), image_(image) {
    using ui::addComboBox;
    using ui::addLabel;
    constexpr Qt::Alignment right = Qt::AlignRight;
    addLabel(this, units(), QStringLiteral("Emergency Call Switch"), {14, 21, 72, 9}, right);
    callSwitch_ = addComboBox(this, units(), kIdCallSwitch, true,
                              ui::latin1Texts(kEmergencySwitchTexts), {92, 19, 61, 58});
    addLabel(this, units(), QStringLiteral("Transmitting Time"), {29, 38, 56, 9}, right);
    transmitTime_ = addComboBox(this, units(), kIdTransmitTime, true,
                                entryTexts(kEmergencyTransmitTimes), {92, 35, 61, 154});
    addLabel(this, units(), QStringLiteral("Receiving Time"), {37, 53, 49, 9}, right);
    receiveTime_ = addComboBox(this, units(), kIdReceiveTime, true,
                               entryTexts(kEmergencyReceiveTimes), {92, 51, 61, 150});
    addButtons({34, 78, 39, 14}, {92, 77, 39, 14});

    const EmergencyState state = decodeEmergency(image_);
    transmitTime_->setCurrentIndex(state.transmitTime);
    receiveTime_->setCurrentIndex(state.receiveTime);
    callSwitch_->setCurrentIndex(state.callSwitch);
}

void EmergencyDialog::save() {
    encodeEmergency(
        {callSwitch_->currentIndex(), transmitTime_->currentIndex(), receiveTime_->currentIndex()},
        image_);
}

} // namespace quorl
