#include "FitWidthValidator.h"

#include <QLineEdit>

namespace quorl {

namespace {

// A line edit keeps 2 pixels clear on each side of its text and needs one for the caret.
constexpr int kTextInset = 2 * 2 + 1;

} // namespace

FitWidthValidator::FitWidthValidator(QLineEdit* box) : QValidator(box), box_(box) {}

QValidator::State FitWidthValidator::validate(QString& input, int& /*pos*/) const {
    const QMargins margins = box_->textMargins();
    const int room = box_->contentsRect().width() - margins.left() - margins.right() - kTextInset;
    return box_->fontMetrics().horizontalAdvance(input) <= room ? Acceptable : Invalid;
}

} // namespace quorl
