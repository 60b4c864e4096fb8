#pragma once

// The log a dealer keeps of what each radio got: one CSV line per radio, added at the end of
// the file, under a header line when the file starts.

#include "FleetWrite.h"

#include <QDateTime>
#include <QString>

namespace quorl {

// Makes sure a line can be added: creates the file with its header when it is missing or
// empty. An empty QString on success, else "PATH: why".
QString startWriteLog(const QString& path);

// Time (UTC), port, file sent, result, verify result and the backups kept, separated by ";".
QString appendToWriteLog(const QString& path, const QDateTime& when, const QString& file,
                         const PortResult& result);

} // namespace quorl
