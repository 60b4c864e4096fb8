#pragma once

// A copy of the radio's memory after every complete read and every write that reached the
// radio, so that a wrong write can always be undone: write the copy back. The window and
// quorl-cli keep them in the same folder, named by time (UTC) and direction, and only the
// newest kBackupsKept stay. Beside each copy a note of the same name ending in ".txt" says
// what it holds: the model and band its image names and, for a write, the file sent.

#include "CloneProtocol.h"
#include "RadioImage.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace quorl {

constexpr int kBackupsKept = 200;

// QUORL_BACKUPS when set, else "quorl/backups" in the user's data folder
// (~/.local/share/quorl/backups on Linux).
QString backupFolder();

struct Backup {
    QString path;
    QDateTime time; // UTC
    TransferDirection direction = TransferDirection::Read;
    QString sent; // the file a write sent, from the note; empty when none is named
};

struct BackupResult {
    QString path;  // the copy, when it was kept
    QString error; // why not, otherwise
    // Set when the copy is kept but its note is not.
    QString warning;
    TransferDirection direction = TransferDirection::Read; // of the transfer it is a copy of
    bool ok() const { return error.isEmpty(); }
};

// Keeps the image and then removes the oldest copies beyond kBackupsKept. Files in the folder
// that are not copies of ours are never touched. The copy of a read that missed bytes is marked
// in its name: 2025-01-31T14-03-22.123Z-read-short.sin. `sent` is the file a write sent.
BackupResult keepBackup(const RadioImage& image, TransferDirection direction,
                        const QDateTime& when = QDateTime::currentDateTimeUtc(),
                        bool shortRead = false, const QString& sent = {});

// What a copy holds: the model and band its Type and Field name ("-" for a byte that names
// none) and how many channels are in use.
struct BackupContents {
    QString model;
    QString band;
    int channels = 0;
};
BackupContents describeBackup(const RadioImage& image);

// Whether the result of a transfer leaves something to keep: a complete read, or a write once
// any block may have reached the radio.
bool worthABackup(TransferDirection direction, const TransferResult& result);

// Newest first.
QList<Backup> listBackups();

} // namespace quorl
