#pragma once

// Controls keep the numeric ids their forms give them, so that code and tests can find a
// control by id the way the rest of the program names them.

#include <QWidget>

namespace quorl::ui {

void setControlId(QObject* control, int id);

// 0 when the object has no id.
int controlId(const QObject* control);

} // namespace quorl::ui
