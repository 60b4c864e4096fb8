#include "NameValidator.h"

namespace quorl {

QValidator::State NameValidator::validate(QString& input, int& pos) const {
    QString kept;
    kept.reserve(input.size());
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (input[i].unicode() <= 0xFF)
            kept.append(input[i]);
        else if (i < pos)
            --pos;
    }
    input = kept;
    return FitWidthValidator::validate(input, pos);
}

} // namespace quorl
