#include "Backups.h"

#include "ChannelFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace quorl {

namespace {

// Names to try when the time's own is taken.
constexpr int kNameAttempts = 1000;
const QString kReadWord = QStringLiteral("read");
const QString kWriteWord = QStringLiteral("write");
// 2025-01-31T14-03-22.123Z-read.sin: sorts by time as text, and no colons for other systems.
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd'T'HH-mm-ss.zzz'Z'");

const QRegularExpression& backupName() {
    static const QRegularExpression name(
        QStringLiteral(R"(^(\d{4}-\d\d-\d\dT\d\d-\d\d-\d\d\.\d{3}Z)-(read|write)(-short)?\.sin$)"));
    return name;
}

QString fileName(const QDateTime& when, TransferDirection direction, bool shortRead) {
    return when.toUTC().toString(kTimeFormat) + QLatin1Char('-') +
           (direction == TransferDirection::Read ? kReadWord : kWriteWord) +
           (shortRead ? QStringLiteral("-short") : QString()) + QStringLiteral(".sin");
}

// Our copies in the folder, oldest first.
QStringList backupNames(const QDir& folder) {
    QStringList names = folder.entryList({QStringLiteral("*.sin")}, QDir::Files, QDir::Name);
    names.removeIf([](const QString& name) { return !backupName().match(name).hasMatch(); });
    return names;
}

} // namespace

QString backupFolder() {
    const QString chosen = qEnvironmentVariable("QUORL_BACKUPS");
    if (!chosen.isEmpty())
        return chosen;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/quorl/backups");
}

BackupResult keepBackup(const RadioImage& image, TransferDirection direction, const QDateTime& when,
                        bool shortRead) {
    const QDir folder(backupFolder());
    if (!folder.mkpath(QStringLiteral(".")))
        return {{}, folder.path() + QStringLiteral(": cannot create the folder")};

    // Two copies in the same millisecond: the later one takes the next free millisecond. So
    // does a copy whose name something has already, a link planted there included: that is
    // never followed nor replaced.
    QString path;
    for (int attempt = 0;; ++attempt) {
        path = folder.filePath(fileName(when.addMSecs(attempt), direction, shortRead));
        const FileResult saved = createChannelFile(QFile::encodeName(path).toStdString(), image);
        if (saved.ok)
            break;
        if (saved.error != std::errc::file_exists || attempt == kNameAttempts)
            return {{}, QFile::decodeName(QByteArray::fromStdString(saved.reason))};
    }

    const QStringList names = backupNames(folder);
    for (qsizetype i = 0; i + kBackupsKept < names.size(); ++i)
        QFile::remove(folder.filePath(names[i]));
    return {path, {}};
}

bool worthABackup(TransferDirection direction, const TransferResult& result) {
    if (result.outcome == TransferOutcome::Completed)
        return true;
    // A write block that went unanswered may have been stored all the same.
    return direction == TransferDirection::Write &&
           (result.blocks > 0 || result.outcome == TransferOutcome::WriteNotAcknowledged);
}

QList<Backup> listBackups() {
    const QDir folder(backupFolder());
    QList<Backup> backups;
    const QStringList names = backupNames(folder);
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        const QRegularExpressionMatch match = backupName().match(*name);
        QDateTime time = QDateTime::fromString(match.captured(1), kTimeFormat);
        time.setTimeSpec(Qt::UTC);
        backups.push_back(
            {folder.filePath(*name), time,
             match.captured(2) == kReadWord ? TransferDirection::Read : TransferDirection::Write});
    }
    return backups;
}

} // namespace quorl
