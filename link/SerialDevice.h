#pragma once

// Where a port name of the program ("COM1".."COM4") lives on this machine.

#include <QString>

namespace quorl {

// On Windows the name as it is. Elsewhere "COMn" is the path in the environment variable
// QUORL_COMn when that is set (the simulated radio's pseudo-terminal, for instance), else
// /dev/ttyUSB<n−1>; any other name is passed on unchanged.
QString serialDevicePath(const QString& portName);

// "COM1 (/dev/ttyUSB0)", or the path alone when the port was given as one.
QString portWords(const QString& portName);

} // namespace quorl
