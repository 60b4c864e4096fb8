#include "ControlId.h"

#include <QVariant>
#include <QWidget>

namespace quorl::ui {

namespace {
constexpr char kIdProperty[] = "quorlControlId";
}

void setControlId(QObject* control, int id) {
    control->setProperty(kIdProperty, id);
}

int controlId(const QObject* control) {
    return control ? control->property(kIdProperty).toInt() : 0;
}

} // namespace quorl::ui
