#include "StatusHint.h"

#include <QComboBox>
#include <QLineEdit>

namespace quorl {

QString statusHintFor(const QWidget* under, const QWidget* grid, const QWidget* toneField) {
    const bool listText = qobject_cast<const QComboBox*>(under->parentWidget()) != nullptr;
    if (under == toneField || (qobject_cast<const QLineEdit*>(under) && !listText))
        return kHintElsewhere;
    for (const QWidget* w = under; w; w = w->parentWidget()) {
        if (qobject_cast<const QComboBox*>(w))
            return kHintComboBox;
        if (w == grid)
            return kHintChannelTable;
    }
    return kHintElsewhere;
}

} // namespace quorl
