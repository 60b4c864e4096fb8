#pragma once

// The commands of quorl-cli. Each takes its usage line ("read [--port P] OUT.sin") and the
// arguments after its name, and returns the exit status (ExitStatus in CommandParser.h).

#include <QString>
#include <QStringList>

namespace quorl {

int runPorts(const QString& usage, const QStringList& arguments);
int runRead(const QString& usage, const QStringList& arguments);
int runWrite(const QString& usage, const QStringList& arguments);
int runDump(const QString& usage, const QStringList& arguments);
int runExport(const QString& usage, const QStringList& arguments);
int runImport(const QString& usage, const QStringList& arguments);
int runDiff(const QString& usage, const QStringList& arguments);
int runBackups(const QString& usage, const QStringList& arguments);
int runMove(const QString& usage, const QStringList& arguments);
int runSort(const QString& usage, const QStringList& arguments);
int runEmpty(const QString& usage, const QStringList& arguments);
int runReport(const QString& usage, const QStringList& arguments);

} // namespace quorl
