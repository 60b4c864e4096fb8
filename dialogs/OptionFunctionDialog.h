#pragma once

// Program > Option Function: Compandor and the scrambler's inversion frequency in hertz. The
// four audio gains, Pre/De-Emphasis and the CTCSS/DCS level are kept hidden, yet loaded and
// stored again with the rest. The two number edits take digits only and check their range when
// they are left: out of range, a message says so and the edit keeps the focus.

#include "OptionFunctionSettings.h"
#include "RadioImage.h"
#include "RadioOptionDialog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace quorl {

class OptionFunctionDialog : public RadioOptionDialog {
    Q_OBJECT

public:
    static constexpr int kIdMicInputGain = 1111; // then audio input, MOD output, audio output
    static constexpr int kIdCompandor = 1115;
    static constexpr int kIdPreDeEmphasis = 1116;
    static constexpr int kIdScrambler = 1080;
    static constexpr int kIdToneLevel = 1081;
    static const QString kScramblerMessage;
    static const QString kToneLevelMessage;

    OptionFunctionDialog(RadioImage& image, QWidget* parent);
    ~OptionFunctionDialog() override;

private:
    QLineEdit* addNumberEdit(int id, const QRect& du);
    void save() override;
    void editLeft(QLineEdit* edit, Qt::FocusReason reason);

    RadioImage& image_;
    std::array<QComboBox*, kGainCount> gains_;
    QCheckBox* compandor_;
    QCheckBox* preDeEmphasis_;
    QLineEdit* scrambler_;
    QLineEdit* toneLevel_;
};

} // namespace quorl
