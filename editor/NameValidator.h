#pragma once

// The Name editor keeps a name as the file and the radio do, one byte per character: a typed
// character without a byte of its own is refused, and such characters are left out of a
// pasted or dropped text. The rest fits the box as in every in-place editor.

#include "FitWidthValidator.h"

namespace quorl {

class NameValidator final : public FitWidthValidator {
public:
    using FitWidthValidator::FitWidthValidator;

    State validate(QString& input, int& pos) const override;
};

} // namespace quorl
