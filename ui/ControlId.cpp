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

QWidget* findControl(const QWidget* root, int id) {
    if (controlId(root) == id)
        return const_cast<QWidget*>(root);
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* child : children)
        if (controlId(child) == id)
            return child;
    return nullptr;
}

} // namespace quorl::ui
