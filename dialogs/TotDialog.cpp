#include "TotDialog.h"

#include "DialogControls.h"
#include "TotSettings.h"

#include <QComboBox>

namespace quorl {

TotDialog::TotDialog(RadioImage& image, QWidget* parent)
    : RadioOptionDialog(QStringLiteral("TOT Setting"), 165, 117, parent), image_(image) {
    using ui::addComboBox;
    using ui::addLabel;
    constexpr Qt::Alignment right = Qt::AlignRight;
    addLabel(this, units(), QStringLiteral("Time Out Time"), {30, 17, 48, 8}, right);
    addLabel(this, units(), QStringLiteral("TOT Pre-Alert"), {28, 33, 50, 8}, right);
    addLabel(this, units(), QStringLiteral("TOT Rekey Times"), {19, 50, 59, 8}, right);
    addLabel(this, units(), QStringLiteral("TOT Reset Times"), {23, 66, 55, 8}, right);
    timeOutTime_ = addComboBox(this, units(), kIdTimeOutTime, true,
                               ui::latin1Texts(kTimeOutTimeTexts), {92, 16, 51, 77});
    preAlert_ = addComboBox(this, units(), kIdPreAlert, false,
                            ui::latin1Texts(totSecondsTexts(kTotPreAlertFirst, kTotPreAlertLast)),
                            {92, 32, 51, 74});
    rekeyTimes_ = addComboBox(this, units(), kIdRekeyTimes, false,
                              ui::latin1Texts(totSecondsTexts(kTotRekeyFirst, kTotRekeyLast)),
                              {92, 48, 51, 59});
    resetTimes_ = addComboBox(this, units(), kIdResetTimes, false,
                              ui::latin1Texts(totSecondsTexts(kTotResetFirst, kTotResetLast)),
                              {92, 64, 51, 54});
    addButtons({39, 88, 35, 14}, {90, 88, 35, 14});

    const TotState state = decodeTot(image_);
    timeOutTime_->setCurrentIndex(state.timeOutTime);
    preAlert_->setCurrentIndex(state.preAlert);
    rekeyTimes_->setCurrentIndex(state.rekeyTimes);
    resetTimes_->setCurrentIndex(state.resetTimes);
}

void TotDialog::save() {
    encodeTot({timeOutTime_->currentIndex(), preAlert_->currentIndex(), rekeyTimes_->currentIndex(),
               resetTimes_->currentIndex()},
              image_);
}

} // namespace quorl
