#pragma once

// Tests reach a window's controls the way the program names them: by the control id its form
// gives them (the window itself included), or by the object name of a control inside it; and a
// window of its own by its object name. Null when there is none of that type.

#include "ControlId.h"

#include <QApplication>
#include <QString>
#include <QWidget>

namespace quorl::test {

// The first of root and its descendants with this id.
template <typename T = QWidget> T* findControl(const QWidget* root, int id) {
    if (ui::controlId(root) == id)
        return qobject_cast<T*>(const_cast<QWidget*>(root));
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* child : children)
        if (ui::controlId(child) == id)
            return qobject_cast<T*>(child);
    return nullptr;
}

template <typename T = QWidget> T* findControl(const QWidget* root, const QString& name) {
    return root->findChild<T*>(name);
}

// The shown top-level window with this object name.
template <typename T = QWidget> T* findWindow(const QString& name) {
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        if (window->isVisible() && window->objectName() == name)
            return qobject_cast<T*>(window);
    return nullptr;
}

} // namespace quorl::test
