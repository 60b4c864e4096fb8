#include "StatusHint.h"

#include <QComboBox>
#include <QLineEdit>

namespace quorl {

QString statusHintFor(const QWidget* under, const QWidget* grid) {
    if (qobject_cast<const QLineEdit*>(under))
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
