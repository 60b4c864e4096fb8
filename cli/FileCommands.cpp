// dump, export, import, diff and backups: the commands that work on files only.

#include "Backups.h"
#include "ChannelCsv.h"
#include "CommandParser.h"
#include "Commands.h"
#include "CommonCsv.h"
#include "CsvLayoutOption.h"
#include "FileAccess.h"
#include "FormTexts.h"
#include "ImageWords.h"
#include "ToneTable.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quorl {

namespace {

// Far more than the longest table of 199 channels: what is larger is not one.
constexpr qint64 kLargestCsv = 1024 * 1024;
// A file of something else would fill the terminal; the first ones tell what is wrong.
constexpr std::size_t kErrorsListed = 50;

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text on standard output, and whether all of it got there (a full disk, a closed pipe).
int writeStandardOutput(const QString& command, const QByteArray& text) {
    if (std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout) !=
            static_cast<std::size_t>(text.size()) ||
        std::fflush(stdout) != 0)
        return fail(QStringLiteral("%1: standard output: %2")
                        .arg(command, QString::fromLocal8Bit(std::strerror(errno))));
    return kSuccess;
}

} // namespace

int runDump(const QString& usage, const QStringList& arguments) {
    CommandParser command(
        usage, QStringLiteral("Shows the settings panel and the channel table of FILE.sin in "
                              "words, as the window shows them: every setting, then the channels "
                              "that show something. Bytes of a name that are control characters "
                              "are written as \\xNN."));
    command.addPositional(QStringLiteral("FILE.sin"), QStringLiteral("A channel data file."));
    if (const std::optional<int> status = command.parse(arguments))
        return *status;
    RadioImage image;
    if (const std::optional<int> status = command.load(command.positionals().at(0), image))
        return *status;
    return writeStandardOutput(QStringLiteral("dump"), QByteArray::fromStdString(dumpImage(image)));
}

int runExport(const QString& usage, const QStringList& arguments) {
    CommandParser command(
        usage,
        QStringLiteral("Writes the channel table of FILE.sin as comma-separated values (RFC "
                       "4180, UTF-8): a header row with the table's nine headings, then one row "
                       "for each of the 199 channels, as the window shows them.") +
            commonExportHelp());
    command.addPositional(QStringLiteral("FILE.sin"), QStringLiteral("A channel data file."));
    command.addPositional(QStringLiteral("OUT.csv"),
                          QStringLiteral("The file to write; replaced if it exists. - (or "
                                         "/dev/stdout) for standard output."));
    command.parser().addOption(formatOption());
    if (const std::optional<int> status = command.parse(arguments))
        return *status;
    const std::optional<CsvLayout> layout = chosenLayout(command, QStringLiteral("export"));
    if (!layout)
        return kUsage;
    RadioImage image;
    if (const std::optional<int> status = command.load(command.positionals().at(0), image))
        return *status;
    const QString out = command.positionals().at(1);
    const QByteArray text = *layout == CsvLayout::Common
                                ? commonCsvText(image)
                                : QByteArray::fromStdString(exportChannelCsv(image));
    if (out == QLatin1String("-") || out == QLatin1String("/dev/stdout"))
        return writeStandardOutput(QStringLiteral("export"), text);
    if (sameFile(command.positionals().at(0), out))
        return fail(
            QStringLiteral(
                "export: %1 is the channel data file %2 itself; name another file for the CSV")
                .arg(out, command.positionals().at(0)));
    if (const QString error = writeTextFile(out, text); !error.isEmpty())
        return fail(QStringLiteral("export: ") + error);
    return kSuccess;
}

int runImport(const QString& usage, const QStringList& arguments) {
    CommandParser command(
        usage,
        QStringLiteral(
            "Replaces the channel table of FILE.sin with the rows of IN.csv, laid out as export "
            "writes it (the header row, then rows in any order; a channel without a row is "
            "emptied). Every cell is checked the way the window checks what is typed: "
            "frequencies in the band of the file's Type and Field and on a 6.25 kHz or 5 kHz "
            "step, tones from the tone list, Scan, Tx Power and BusyLock words (any case), names "
            "of at most 6 characters, and only on channels with a frequency. A row with "
            "frequencies alone gets what the window gives a new channel (OFF, Yes, High, No, "
            "CH:nnn; Transmit as Receive). A cell holding what the window shows for FILE.sin now "
            "is taken as it is. What spreadsheets write is read too: semicolons or tabs between "
            "cells, the headings in any order and case, other columns (left out, and named), "
            "blanks around cells, tones by value (67 is 67.0), empty Scan, Tx Power and "
            "BusyLock (Yes, High, No), and Windows-1252 text. A frequency is a number with "
            "nothing after it, written with a point. Every bad cell is reported with its line and "
            "column (the first 50), and then nothing is written. IN.csv is a regular file of at "
            "most 1 MB. The settings are "
            "kept; FILE.sin is stored as a Save in the window stores it, and is made as by New "
            "when it does not exist.") +
            commonImportHelp());
    command.addPositional(QStringLiteral("IN.csv"), QStringLiteral("The channel table."));
    command.addPositional(QStringLiteral("FILE.sin"),
                          QStringLiteral("The channel data file to change."));
    command.parser().addOption(formatOption());
    const QCommandLineOption strict(
        QStringLiteral("strict"),
        QStringLiteral("In the common channel list, refuse the whole file when one row cannot "
                       "be held (status 1, nothing written) rather than leave that row out."));
    command.parser().addOption(strict);
    if (const std::optional<int> status = command.parse(arguments))
        return *status;
    const std::optional<CsvLayout> layout = chosenLayout(command, QStringLiteral("import"));
    if (!layout)
        return kUsage;
    const QString in = command.positionals().at(0);
    const QString target = command.positionals().at(1);
    QByteArray text;
    if (const QString error = readTextFile(in, kLargestCsv, text); !error.isEmpty())
        return fail(QStringLiteral("import: ") + error);
    RadioImage image;
    resetImage(image);
    if (QFileInfo::exists(target))
        if (const QString error = loadImageFile(target, image); !error.isEmpty())
            return fail(QStringLiteral("import: ") + error);
    if (const std::string_view csv(text.constData(), static_cast<std::size_t>(text.size()));
        *layout == CsvLayout::Common || (*layout == CsvLayout::ByHeader && isCommonCsv(csv)))
        return importCommonCsvFile(in, csv, target, image, command.parser().isSet(strict));

    const CsvImport imported =
        importChannelCsv(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                         ToneTable(), image);
    for (const std::string& note : imported.notes)
        fail(QStringLiteral("%1: %2").arg(in, fromUtf8(note)));
    const std::vector<CsvCellError>& errors = imported.errors;
    for (std::size_t i = 0; i < std::min(errors.size(), kErrorsListed); ++i) {
        const CsvCellError& error = errors[i];
        QString where = QStringLiteral("%1 line %2").arg(in).arg(error.line);
        if (error.column > 0)
            where += QStringLiteral(", column %1").arg(error.column);
        if (error.tableColumn >= 0)
            where +=
                QStringLiteral(" (%1)").arg(QLatin1String(kChannelHeadings[error.tableColumn]));
        fail(where + QStringLiteral(": ") + fromUtf8(error.message));
    }
    if (errors.size() > kErrorsListed)
        fail(QStringLiteral("%1: and %2 more").arg(in).arg(errors.size() - kErrorsListed));
    if (!errors.empty())
        return fail(
            QStringLiteral("import: %1 bad %2 in %3; %4 not changed")
                .arg(errors.size())
                .arg(errors.size() == 1 ? QStringLiteral("entry") : QStringLiteral("entries"))
                .arg(in, target));
    if (const QString error = saveImageFile(target, image); !error.isEmpty())
        return fail(QStringLiteral("import: ") + error);
    return kSuccess;
}

int runDiff(const QString& usage, const QStringList& arguments) {
    CommandParser command(
        usage, QStringLiteral("Lists, in words, the channel cells and settings that differ "
                              "between A.sin and B.sin, then the ranges of bytes that differ, "
                              "those that nothing shows included. Status 0 when the files are "
                              "the same, 1 when they differ, 2 when one cannot be read."));
    command.addPositional(QStringLiteral("A.sin"), QStringLiteral("A channel data file."));
    command.addPositional(QStringLiteral("B.sin"), QStringLiteral("Another one."));
    if (const std::optional<int> status = command.parse(arguments))
        return *status;
    RadioImage a;
    RadioImage b;
    for (auto [path, image] :
         {std::pair{command.positionals().at(0), &a}, std::pair{command.positionals().at(1), &b}})
        if (const std::optional<int> status = command.load(path, *image, kUsage))
            return *status;
    const std::vector<std::string> differences = describeDifferences(a, b);
    for (const std::string& line : differences)
        std::printf("%s\n", line.c_str());
    return differences.empty() ? kSuccess : kFailure;
}

int runBackups(const QString& usage, const QStringList& arguments) {
    CommandParser command(
        usage,
        QStringLiteral(
            "Lists the copies of the radio's memory kept after every complete read "
            "and every write, by quorl-cli and the window alike, newest first: local "
            "time, direction, model, band, channels in use, file, and for a write the file "
            "sent. They are kept in %1 (QUORL_BACKUPS chooses another "
            "folder), the newest %2 of them, each with a note beside it (the same name ending in "
            ".txt) of its model, band and file sent. To undo a write, write back the "
            "read taken before it (write --read-first keeps one): quorl-cli write FILE.")
            .arg(backupFolder())
            .arg(kBackupsKept));
    if (const std::optional<int> status = command.parse(arguments))
        return *status;
    const QList<Backup> backups = listBackups();
    if (backups.isEmpty())
        std::fprintf(stderr, "quorl-cli: no backups yet in %s\n", qPrintable(backupFolder()));
    for (const Backup& backup : backups) {
        RadioImage image{};
        const bool loaded = loadImageFile(backup.path, image).isEmpty();
        const BackupContents contents =
            loaded ? describeBackup(image)
                   : BackupContents{QStringLiteral("?"), QStringLiteral("?"), 0};
        QString line =
            QStringLiteral("%1  %2  %3  %4  %5  %6")
                .arg(backup.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                     QLatin1String(backup.direction == TransferDirection::Read ? "read " : "write"),
                     contents.model.leftJustified(9), contents.band.leftJustified(12),
                     loaded ? QStringLiteral("%1 channels").arg(contents.channels, 3)
                            : QStringLiteral("unreadable  "),
                     backup.path);
        if (!backup.sent.isEmpty())
            line += QStringLiteral("  sent %1").arg(backup.sent);
        std::printf("%s\n", line.toLocal8Bit().constData());
    }
    return kSuccess;
}

} // namespace quorl
