#pragma once

// Whether a serial device is already open somewhere. The exclusive flag the port sets on
// POSIX keeps out only those who open the device after it, so a device somebody holds
// already is looked for before opening.

#include <QString>

namespace quorl {

// True when a process, this one included, has the device at this path open, however it
// reached it (another name, a symbolic link). On Linux the open files of every process we
// may look at are searched (all of them only with root's rights); where that cannot be done,
// false. Another process that holds the master end of a pseudo-terminal is its far end, not a
// user of the line: socat, which makes a virtual serial port, holds both ends.
bool isDeviceOpen(const QString& path);

// True when the path names an existing file that is no terminal of any kind (/dev/null, a
// regular file), so no serial port. False when it may be one or cannot be told.
bool isPlainlyNotATerminal(const QString& path);

} // namespace quorl
