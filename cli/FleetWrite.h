#pragma once

// One channel data file written into several radios at once, one port and one thread each,
// for a dealer with a box of radios: a progress row per radio, a summary table at the end,
// rounds of radios one after another and a log of what each radio got.

#include "RadioImage.h"
#include "TerminalTransferEvents.h"

#include <QString>
#include <QStringList>

#include <csignal>
#include <string>
#include <vector>

namespace quorl {

struct WriteOptions {
    bool verify = false;    // read the radio back and compare
    bool readFirst = false; // read the radio and keep that copy before writing
};

// What became of one radio.
struct PortResult {
    QString port;
    bool ok = false;
    QString result; // "written", or what went wrong and what it left in the radio
    // "-" when not asked; "holds the file", "differs", or "not verified" and why not.
    QString verify;
    std::vector<std::string> differences;
    // The copies kept, each empty when there is none: of the read before the write (which
    // undoes it), of what was sent, and of the read that verified it.
    QString readFirstCopy;
    QString writeCopy;
    QString verifyCopy;
    QStringList warnings;
    qint64 milliseconds = 0;
};

// The whole work on one port, on the calling thread: the read first, the write and its
// verify as asked. `file` is the name of the file sent; progress goes to `row` of `rows`.
PortResult writeOnePort(const QString& port, const RadioImage& image, const QString& file,
                        const WriteOptions& options, const volatile std::sig_atomic_t& stop,
                        ProgressRows& rows, int row);

// Writes every port at once, prints the summary and, with `repeat`, asks for the next set of
// radios until the user stops; appends a line per radio to `logPath` when one is given.
// Returns the exit status: 0 only when every radio succeeded.
int runFleetWrite(const QStringList& ports, const RadioImage& image, const QString& file,
                  const WriteOptions& options, bool repeat, const QString& logPath);

} // namespace quorl
