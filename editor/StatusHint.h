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

// under is the innermost widget below the pointer, grid the channel table, toneField the text
// field of the table's tone editor. A drop-down box (its text part included), the table, or
// anything else; an edit box counts as anything else, and so does the tone editor's field.
QString statusHintFor(const QWidget* under, const QWidget* grid, const QWidget* toneField);

} // namespace quorl
