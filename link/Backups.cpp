#include "Backups.h"

#include "ChannelCodec.h"
#include "ChannelFile.h"
#include "FileWriter.h"
#include "SettingsCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

const QString kSentKey = QStringLiteral("sent: ");

// The note beside a copy: the same name, ending in ".txt".
QString notePath(const QString& copy) {
    return copy.chopped(4) + QStringLiteral(".txt");
}

// The file named on the note's "sent:" line, if any.
QString sentFile(const QString& copy) {
    QFile note(notePath(copy));
    if (!QFileInfo(note).isFile() || !note.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = note.read(64 * 1024);
    for (const QString& line : QString::fromUtf8(text).split(QLatin1Char('\n')))
        if (line.startsWith(kSentKey))
            return line.mid(kSentKey.size());
    return {};
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

BackupContents describeBackup(const RadioImage& image) {
    const SettingsState settings = decodeSettings(image);
    const auto text = [](std::string_view words) {
        return QString::fromLatin1(words.data(), static_cast<qsizetype>(words.size()));
    };
    BackupContents contents{QStringLiteral("-"), QStringLiteral("-"), 0};
    if (settings.type != kNoSelection) {
        contents.model = text(kTypeTexts[settings.type]);
        if (settings.field != kNoSelection)
            contents.band = text(fieldBandTexts(settings.type)[settings.field]);
    }
    for (int channel = 1; channel <= kChannelCount; ++channel)
        contents.channels += channelInUse(image, channel) ? 1 : 0;
    return contents;
}

BackupResult keepBackup(const RadioImage& image, TransferDirection direction, const QDateTime& when,
                        bool shortRead, const QString& sent) {
    const QDir folder(backupFolder());
    if (!folder.mkpath(QStringLiteral(".")))
        return {{}, folder.path() + QStringLiteral(": cannot create the folder"), {}, direction};

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
            return {{}, QFile::decodeName(QByteArray::fromStdString(saved.reason)), {}, direction};
    }

    BackupResult kept{path, {}, {}, direction};
    // "model: ZR - 101S", "band: 400 - 470MHz" and, for a write, "sent: FILE", one line each.
    const BackupContents contents = describeBackup(image);
    QString text = QStringLiteral("model: %1\nband: %2\n").arg(contents.model, contents.band);
    if (!sent.isEmpty())
        text += kSentKey + sent + QLatin1Char('\n');
    const QByteArray note = text.toUtf8();
    if (const FileResult noted =
            createNewFile(QFile::encodeName(notePath(path)).toStdString(),
                          std::string_view(note.constData(), std::size_t(note.size())));
        !noted.ok)
        kept.warning = QStringLiteral("%1 is kept, but not the note of what it holds: %2")
                           .arg(path, QFile::decodeName(QByteArray::fromStdString(noted.reason)));

    const QStringList names = backupNames(folder);
    for (qsizetype i = 0; i + kBackupsKept < names.size(); ++i) {
        const QString old = folder.filePath(names[i]);
        QFile::remove(notePath(old));
        QFile::remove(old);
    }
    return kept;
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
        const QString path = folder.filePath(*name);
        backups.push_back(
            {path, time,
             match.captured(2) == kReadWord ? TransferDirection::Read : TransferDirection::Write,
             sentFile(path)});
    }
    return backups;
}

} // namespace quorl
