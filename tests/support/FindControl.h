#pragma once

// Tests reach a window's controls the way the program names them: by the control id its form
// gives them (the window itself included), or by the object name of a control inside it. Null
// when there is none of that type.

#include "ControlId.h"

#include <QString>
#include <QWidget>

namespace quorl::test {

template <typename T = QWidget> T* findControl(const QWidget* root, int id) {
    return ui::findControl<T>(root, id);
}

template <typename T = QWidget> T* findControl(const QWidget* root, const QString& name) {
    return root->findChild<T*>(name);
}

} // namespace quorl::test
