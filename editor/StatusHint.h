#pragma once

// The hint the status bar shows for what the mouse pointer is over on the form.

#include <QString>

class QWidget;

namespace quorl {

inline const QString kHintComboBox =
    QStringLiteral("Please click the CommBox to choose value，For help，please press F1");
inline const QString kHintChannelTable =
    QStringLiteral("Please Click the cell to edit or input data，For help，please press F1");
inline const QString kHintElsewhere = QStringLiteral("For help，please press F1");

// under is the innermost widget below the pointer, grid the channel table. A drop-down
// box, the table, or anything else; a text field counts as anything else even inside a
// drop-down box or the table.
QString statusHintFor(const QWidget* under, const QWidget* grid);

} // namespace quorl
