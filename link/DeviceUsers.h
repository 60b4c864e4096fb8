#pragma once

// Whether a serial device is already open somewhere. The exclusive flag the port sets on
// POSIX keeps out only those who open the device after it, so a device somebody holds
// already is looked for before opening.

#include <QString>

namespace quorl {

// True when a process, this one included, has the device at this path open, however it
// reached it (another name, a symbolic link). On Linux the open files of every process we
// may look at are searched; where that cannot be done, false.
bool isDeviceOpen(const QString& path);

} // namespace quorl
