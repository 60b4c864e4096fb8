#include "FleetWrite.h"

#include "Backups.h"
#include "CommandParser.h"
#include "FleetBoard.h"
#include "ImageWords.h"
#include "RadioSession.h"
#include "SerialDevice.h"
#include "TransferEnd.h"
#include "WriteLog.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace quorl {

namespace {

const QString kNotAsked = QStringLiteral("-");

// A session on the port, its progress on the radio's row headed by what it does: `readTitle`
// ("read COM1", "verify COM1") while it reads, "write COM1" while it writes.
template <typename Steps>
SessionResult runSession(const QString& port, const QString& readTitle,
                         const volatile std::sig_atomic_t& stop, ProgressRows& rows, int row,
                         Steps steps) {
    const QString writeTitle = QStringLiteral("write ") + portWords(port);
    TerminalTransferEvents events(readTitle, stop, &rows, row);
    events.onBegin = [&](TransferDirection direction) {
        events.setTitle(direction == TransferDirection::Write ? writeTitle : readTitle);
    };
    RadioSession session(port, events);
    SessionResult result = steps(session);
    events.finish();
    return result;
}

// The path of the copy a session kept of its read or its write, empty when it kept none.
QString keptCopy(const SessionResult& result, TransferDirection direction) {
    for (const BackupResult& backup : result.backups)
        if (backup.ok() && backup.direction == direction)
            return backup.path;
    return {};
}

// Why a read first ended the session before anything was sent.
QString readFirstStop(const SessionResult& result) {
    switch (result.withheld) {
    case WriteWithheld::ShortRead:
        return QStringLiteral("the radio's replies left bytes out");
    case WriteWithheld::NoBackup:
        return QStringLiteral("no backup kept");
    case WriteWithheld::No:
        break;
    }
    return failureWords(result.transfer, result.deviceError);
}

QString seconds(qint64 milliseconds) {
    return QString::number(milliseconds / 1000.0, 'f', 1) + QStringLiteral(" s");
}

// The port, result, time, verify and backup of each radio, in columns.
void printSummary(const std::vector<PortResult>& results) {
    QList<QStringList> rows{{QStringLiteral("PORT"), QStringLiteral("RESULT"),
                             QStringLiteral("TIME"), QStringLiteral("VERIFY"),
                             QStringLiteral("BACKUP")}};
    for (const PortResult& r : results) {
        const QString backup = !r.readFirstCopy.isEmpty() ? r.readFirstCopy
                               : !r.writeCopy.isEmpty()   ? r.writeCopy
                                                          : kNotAsked;
        rows.push_back({portWords(r.port), r.result, seconds(r.milliseconds), r.verify, backup});
    }
    std::vector<qsizetype> widths(rows.front().size(), 0);
    for (const QStringList& row : rows)
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c)
            line += row[c].leftJustified(c + 1 < row.size() ? widths[c] + 2 : 0);
        std::printf("%s\n", line.toLocal8Bit().constData());
    }
    for (const PortResult& r : results)
        for (const std::string& difference : r.differences)
            std::printf("%s: %s\n", qPrintable(r.port), difference.c_str());
    std::fflush(stdout);
}

std::vector<PortResult> writeAll(const QStringList& ports, const RadioImage& image,
                                 const QString& file, const WriteOptions& options) {
    FleetBoard board(static_cast<int>(ports.size()));
    std::vector<PortResult> results(ports.size());
    std::vector<std::unique_ptr<QThread>> threads;
    for (qsizetype i = 0; i < ports.size(); ++i) {
        // The thread creates its own serial port, which then belongs to it.
        threads.emplace_back(QThread::create([&, i] {
            results[i] = writeOnePort(ports[i], image, file, options, stopRequested, board,
                                      static_cast<int>(i));
        }));
        threads.back()->start();
    }
    for (const auto& thread : threads)
        thread->wait();
    board.finish();
    return results;
}

// Enter goes on, "q" (or the end of the input, or a stop signal) stops.
bool nextRoundWanted() {
    std::fputs("quorl-cli: connect the next radios and press Enter (q and Enter to stop): ",
               stderr);
    std::fflush(stderr);
    char answer[256];
    if (!std::fgets(answer, sizeof answer, stdin) || stopRequested != 0)
        return false;
    const QString text = QString::fromLocal8Bit(answer).trimmed();
    return text.compare(QStringLiteral("q"), Qt::CaseInsensitive) != 0;
}

} // namespace

PortResult writeOnePort(const QString& port, const RadioImage& image, const QString& file,
                        const WriteOptions& options, const volatile std::sig_atomic_t& stop,
                        ProgressRows& rows, int row) {
    QElapsedTimer clock;
    clock.start();
    PortResult r;
    r.port = port;
    r.verify = options.verify ? QStringLiteral("not verified") : kNotAsked;
    const QString words = portWords(port);
    RadioImage fresh; // the reads are adopted as a new document holds them
    resetImage(fresh);
    const auto done = [&] {
        r.milliseconds = clock.elapsed();
        return r;
    };

    // A read first keeps a copy that undoes the write; the session writes only when it can.
    const SessionResult written = runSession(
        port, QStringLiteral("read ") + words, stop, rows, row, [&](RadioSession& session) {
            session.setFileSent(file);
            return options.readFirst ? session.readThenWrite(fresh, image) : session.write(image);
        });
    r.warnings += sessionWarnings(written);
    r.readFirstCopy = keptCopy(written, TransferDirection::Read);
    r.writeCopy = keptCopy(written, TransferDirection::Write);
    if (written.step == TransferDirection::Read) {
        r.result = QStringLiteral("read first: %1; nothing written").arg(readFirstStop(written));
        return done();
    }
    if (!written.completed()) {
        r.result =
            QStringLiteral("%1; %2").arg(failureWords(written.transfer, written.deviceError),
                                         worthABackup(TransferDirection::Write, written.transfer)
                                             ? QStringLiteral("%1 of %2 blocks written")
                                                   .arg(written.transfer.blocks)
                                                   .arg(CloneProtocol::kWriteBlocks)
                                             : QStringLiteral("nothing written"));
        return done();
    }
    r.result = QStringLiteral("written");
    if (!options.verify) {
        r.ok = true;
        return done();
    }

    const SessionResult after =
        runSession(port, QStringLiteral("verify ") + words, stop, rows, row,
                   [&](RadioSession& session) { return session.read(fresh); });
    r.warnings += sessionWarnings(after);
    r.verifyCopy = keptCopy(after, TransferDirection::Read);
    if (!after.completed()) {
        r.verify += QStringLiteral(": ") + failureWords(after.transfer, after.deviceError);
        return done();
    }
    r.differences = describeDifferences(image, *after.image, CloneProtocol::kWriteLength);
    r.ok = r.differences.empty();
    r.verify = r.ok ? QStringLiteral("holds the file") : QStringLiteral("differs");
    return done();
}

int runFleetWrite(const QStringList& ports, const RadioImage& image, const QString& file,
                  const WriteOptions& options, bool repeat, const QString& logPath) {
    if (!logPath.isEmpty())
        if (const QString error = startWriteLog(logPath); !error.isEmpty())
            return fail(QStringLiteral("write: cannot keep the log: %1; nothing sent").arg(error));

    const StopSignals stopSignals;
    int radios = 0;
    int failed = 0;
    bool logFailed = false;
    for (;;) {
        const std::vector<PortResult> results = writeAll(ports, image, file, options);
        const QDateTime finished = QDateTime::currentDateTimeUtc();
        for (const PortResult& r : results) {
            for (const QString& warning : r.warnings)
                warn(QStringLiteral("%1: %2").arg(portWords(r.port), warning));
            ++radios;
            failed += r.ok ? 0 : 1;
            if (logPath.isEmpty())
                continue;
            if (const QString error = appendToWriteLog(logPath, finished, file, r);
                !error.isEmpty()) {
                fail(QStringLiteral("write: %1 is not in the log: %2").arg(r.port, error));
                logFailed = true;
            }
        }
        printSummary(results);
        if (repeat)
            std::fprintf(stderr, "quorl-cli: %d radios so far: %d written, %d failed\n", radios,
                         radios - failed, failed);
        if (stopRequested != 0)
            return fail(QStringLiteral("write: %1").arg(stopWords(stopRequested)),
                        kStoppedBySignal + stopRequested);
        if (!repeat || !nextRoundWanted())
            break;
    }
    if (stopRequested != 0)
        return fail(QStringLiteral("write: %1").arg(stopWords(stopRequested)),
                    kStoppedBySignal + stopRequested);
    if (failed > 0)
        return fail(QStringLiteral("write: %1 of %2 radios failed (see the summary)")
                        .arg(failed)
                        .arg(radios));
    return logFailed ? kFailure : kSuccess;
}

} // namespace quorl
