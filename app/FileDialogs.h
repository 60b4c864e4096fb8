#pragma once

// The open and save dialogs for channel data files: the "Channel Data (*.sin)" filter first,
// then "Channel lists (*.csv)", and the chosen filter's extension appended to a name typed
// without one.

#include <QString>

class QWidget;

namespace quorl {

enum class FileDialogMode { Open, SaveAs };

// The chosen path, or an empty string when the user cancels.
QString askChannelFileName(QWidget* parent, FileDialogMode mode, const QString& initialPath);

// Whether the file is a channel list (CSV) rather than channel data: its name ends in ".csv".
bool isChannelListName(const QString& path);

} // namespace quorl
