#include "PttIdDialog.h"

#include "DialogControls.h"
#include "KeyboardPolicy.h"
#include "PttIdSettings.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace quorl {

namespace {

// Digits, A to D, Backspace and Delete; with Shift only the 3 and 8 keys, which give the hash
// and the star of a code.
bool keyPasses(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers() & Qt::ShiftModifier)
        return !(event.modifiers() & Qt::KeypadModifier) &&
               (key == Qt::Key_3 || key == Qt::Key_8 || key == Qt::Key_NumberSign ||
                key == Qt::Key_Asterisk);
    return (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_D) ||
           key == Qt::Key_Backspace || key == Qt::Key_Delete;
}

} // namespace

PttIdDialog::PttIdDialog(RadioImage& image, QWidget* parent)
    : RadioOptionDialog(QStringLiteral("PTT ID"), 187, 106, parent), image_(image) {
    constexpr Qt::Alignment right = Qt::AlignRight;
    display_ = ui::addCheckBox(this, units(), kIdDisplay, QStringLiteral("Display PTT ID"),
                               {74, 17, 59, 8});
    ui::addLabel(this, units(), QStringLiteral("PTT ID TX"), {28, 38, 40, 8}, right);
    mode_ = ui::addComboBox(this, units(), kIdMode, true, ui::latin1Texts(kPttIdModeTexts),
                            {74, 35, 76, 64});
    ui::addLabel(this, units(), QStringLiteral("PTT ID"), {47, 56, 22, 8}, right);
    code_ =
        ui::addLineEdit(this, units(), kIdCode, static_cast<int>(kPttIdCodeSize), {74, 54, 76, 12});
    // Pasted text is kept one byte per character; a character no byte stands for, or one that
    // would end the code early, is refused.
    code_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x{01}-\\x{FE}]*")), code_));
    addButtons({45, 79, 38, 12}, {103, 79, 38, 12});

    const PttIdState state = decodePttId(image_);
    mode_->setCurrentIndex(state.mode);
    display_->setChecked(state.display);
    code_->setText(
        QString::fromLatin1(state.code.data(), static_cast<qsizetype>(state.code.size())));

    // Every key press in the dialog passes this first, the open list's included.
    KeyboardPolicy::application().addKeyRule(
        this, [this](QObject* receiver, QKeyEvent* key) { return keyTyped(receiver, *key); });
}

bool PttIdDialog::keyTyped(QObject* receiver, const QKeyEvent& key) {
    if (!keyPasses(key))
        return true;
    // The code takes letters in upper case.
    const QString upper = key.text().toUpper();
    if (receiver == code_ && key.text() != upper) {
        QKeyEvent typed(QEvent::KeyPress, key.key(), key.modifiers(), upper, key.isAutoRepeat(),
                        key.count());
        QCoreApplication::sendEvent(code_, &typed);
        return true;
    }
    return false;
}

void PttIdDialog::closeEvent(QCloseEvent* event) {
    if (isVisible())
        store();
    RadioOptionDialog::closeEvent(event);
}

void PttIdDialog::save() {
    const QByteArray code = code_->text().toLatin1();
    encodePttId({mode_->currentIndex(), display_->isChecked(), code.toStdString()}, image_);
}

} // namespace quorl
