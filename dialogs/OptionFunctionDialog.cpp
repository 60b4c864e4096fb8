#include "OptionFunctionDialog.h"

#include "DialogControls.h"
#include "KeyboardPolicy.h"
#include "MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace quorl {

const QString OptionFunctionDialog::kScramblerMessage =
    QStringLiteral("Scrambler Inversion Frequency:\n Please Input 3000-4000 HZ");
const QString OptionFunctionDialog::kToneLevelMessage =
    QStringLiteral("CTCSS/DCS Level:\n Please Input 100-4000 HZ");

namespace {

constexpr int kEditLength = 4;

// Digits of the main keyboard or the keypad, Backspace, Delete and the arrows; nothing with
// Shift.
bool keyPasses(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers() & Qt::ShiftModifier)
        return false;
    return (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Backspace ||
           key == Qt::Key_Delete || key == Qt::Key_Left || key == Qt::Key_Right ||
           key == Qt::Key_Up || key == Qt::Key_Down;
}

// A number box that says when the focus leaves it, and why.
class NumberEdit final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void(Qt::FocusReason)> left;

protected:
    void focusOutEvent(QFocusEvent* event) override {
        QLineEdit::focusOutEvent(event);
        if (left)
            left(event->reason());
    }
};

QStringList gainTexts() {
    QStringList texts;
    for (int gain = 0; gain < kGainEntries; ++gain)
        texts.append(QString::number(gain));
    return texts;
}

// Four characters, or a longer stored number in full so that it is kept as it stands.
void showNumber(QLineEdit* edit, const std::string& text) {
    const QString number = QString::fromStdString(text);
    edit->setMaxLength(std::max(kEditLength, static_cast<int>(number.size())));
    edit->setText(number);
}

} // namespace

OptionFunctionDialog::OptionFunctionDialog(RadioImage& image, QWidget* parent)
    : RadioOptionDialog(QStringLiteral("Option Function"), 219, 91, parent), image_(image) {
    compandor_ =
        ui::addCheckBox(this, units(), kIdCompandor, QStringLiteral("Compandor"), {25, 41, 51, 10});
    ui::addLabel(this, units(), QStringLiteral("Scrambler Inversion Frequency"), {14, 20, 103, 8},
                 Qt::AlignRight);
    scrambler_ = addNumberEdit(kIdScrambler, {130, 18, 72, 12});
    addButtons({71, 59, 31, 14}, {135, 60, 31, 14});

    const QString gainLabels[] = {
        QStringLiteral("MIC Input Gain"), QStringLiteral("Audio Input Gain"),
        QStringLiteral("MOD Output Gain"), QStringLiteral("Audio Output Gain")};
    for (int gain = 0; gain < kGainCount; ++gain) {
        ui::addLabel(this, units(), gainLabels[gain], {})->hide();
        gains_[gain] =
            ui::addComboBox(this, units(), kIdMicInputGain + gain, false, gainTexts(), {});
        gains_[gain]->hide();
    }
    preDeEmphasis_ =
        ui::addCheckBox(this, units(), kIdPreDeEmphasis, QStringLiteral("Pre/De-Emphasis"), {});
    preDeEmphasis_->hide();
    ui::addLabel(this, units(), QStringLiteral("CTCSS/DCS Level"), {})->hide();
    toneLevel_ = addNumberEdit(kIdToneLevel, {});
    toneLevel_->hide();

    const OptionFunctionState state = decodeOptionFunction(image_);
    for (int gain = 0; gain < kGainCount; ++gain)
        gains_[gain]->setCurrentIndex(state.gains[gain]);
    compandor_->setChecked(state.compandor);
    preDeEmphasis_->setChecked(state.preDeEmphasis);
    showNumber(scrambler_, state.scramblerText);
    showNumber(toneLevel_, state.toneLevelText);

    KeyboardPolicy::application().addKeyRule(this, [this](QObject* receiver, QKeyEvent* key) {
        return (receiver == scrambler_ || receiver == toneLevel_) && !keyPasses(*key);
    });
}

// The dialog hides as it is destroyed, which takes the focus from its boxes: by then there is
// no dialog left to check them.
OptionFunctionDialog::~OptionFunctionDialog() {
    for (QLineEdit* edit : {scrambler_, toneLevel_})
        static_cast<NumberEdit*>(edit)->left = nullptr;
}

QLineEdit* OptionFunctionDialog::addNumberEdit(int id, const QRect& du) {
    auto* edit = new NumberEdit(this);
    edit->left = [this, edit](Qt::FocusReason reason) { editLeft(edit, reason); };
    edit->setMaxLength(kEditLength);
    ui::placeControl(edit, units(), id, du);
    return edit;
}

// Only a move of the focus inside the dialog counts as leaving: not another window coming to
// the front, such as the message itself.
void OptionFunctionDialog::editLeft(QLineEdit* edit, Qt::FocusReason reason) {
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || !isVisible())
        return;
    const bool scrambler = edit == scrambler_;
    if (inRange(scrambler ? kScramblerRange : kToneLevelRange, edit->text().toStdString()))
        return;
    // The click that took the focus away does not go on to press the button it landed on:
    // OK would otherwise store the refused value.
    if (reason == Qt::MouseFocusReason)
        KeyboardPolicy::application().dropPressUnderway(this);
    QTimer::singleShot(0, this, [this, edit, scrambler] {
        if (!isVisible())
            return;
        ui::messageBox(scrambler ? kScramblerMessage : kToneLevelMessage, MessageButtons::Ok,
                       ui::MessageIcon::None);
        activateWindow();
        edit->setFocus();
    });
}

void OptionFunctionDialog::save() {
    OptionFunctionState state;
    for (int gain = 0; gain < kGainCount; ++gain)
        state.gains[gain] = gains_[gain]->currentIndex();
    state.compandor = compandor_->isChecked();
    state.preDeEmphasis = preDeEmphasis_->isChecked();
    state.scramblerText = scrambler_->text().toStdString();
    state.toneLevelText = toneLevel_->text().toStdString();
    encodeOptionFunction(state, image_);
}

} // namespace quorl
