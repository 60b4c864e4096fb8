#pragma once

// The program's own pictures, painted at run time: the toolbar buttons and the window icon.

#include <QIcon>

namespace quorl {

constexpr int kToolbarIconSize = 18;

// The toolbar picture of a command; a null icon for commands without one.
QIcon commandIcon(int commandId);

// The main window's icon: a handheld radio.
QIcon applicationIcon();

} // namespace quorl
