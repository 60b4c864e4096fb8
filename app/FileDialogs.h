#pragma once

// The open and save dialogs for channel data files: the "Channel Data (*.sin)" filter, and
// ".sin" appended to a name typed without an extension.

#include <QString>

class QWidget;

namespace quorl {

enum class FileDialogMode { Open, SaveAs };

// The chosen path, or an empty string when the user cancels.
QString askChannelFileName(QWidget* parent, FileDialogMode mode, const QString& initialPath);

} // namespace quorl
