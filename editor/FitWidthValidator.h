#pragma once

// The in-place edit boxes do not scroll sideways: typing stops once the text fills the box.
// Texts put in by the program (a long stored name, say) are shown as they are.

#include <QValidator>

class QLineEdit;

namespace quorl {

class FitWidthValidator : public QValidator {
public:
    explicit FitWidthValidator(QLineEdit* box);

    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* box_;
};

} // namespace quorl
