#pragma once

// Program > Emergency Call: the emergency call switch and how long an emergency call transmits
// and receives.

#include "RadioImage.h"
#include "RadioOptionDialog.h"

class QComboBox;

namespace quorl {

class EmergencyDialog : public RadioOptionDialog {
    Q_OBJECT

public:
    static constexpr int kIdCallSwitch = 1098;
    static constexpr int kIdTransmitTime = 1100;
    static constexpr int kIdReceiveTime = 1101;

    EmergencyDialog(RadioImage& image, QWidget* parent);

private:
    void save() override;

    RadioImage& image_;
    QComboBox* callSwitch_;
    QComboBox* transmitTime_;
    QComboBox* receiveTime_;
};

} // namespace quorl
