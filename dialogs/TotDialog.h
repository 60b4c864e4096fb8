#pragma once

// Program > TOT: the radio's four time-out timer settings, each a list.

#include "RadioImage.h"
#include "RadioOptionDialog.h"

class QComboBox;

namespace quorl {

class TotDialog : public RadioOptionDialog {
    Q_OBJECT

public:
    static constexpr int kIdTimeOutTime = 1092;
    static constexpr int kIdPreAlert = 1099;
    static constexpr int kIdRekeyTimes = 1102;
    static constexpr int kIdResetTimes = 1103;

    TotDialog(RadioImage& image, QWidget* parent);

private:
    void save() override;

    RadioImage& image_;
    QComboBox* timeOutTime_;
    QComboBox* preAlert_;
    QComboBox* rekeyTimes_;
    QComboBox* resetTimes_;
};

} // namespace quorl
