#include "CsvLayoutOption.h"

#include "ChannelCodec.h"
#include "CommonCsv.h"
#include "FileAccess.h"
#include "ToneTable.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quorl {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString rows(qsizetype count) {
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? QStringLiteral("row")
                                                             : QStringLiteral("rows"));
}

} // namespace

QCommandLineOption formatOption() {
    return {QStringLiteral("format"),
            QStringLiteral("quorl: the window's nine columns; chirp: the common channel list "
                           "(Location, Name, Frequency, Duplex, Offset, Tone, ...)."),
            QStringLiteral("F")};
}

QString commonExportHelp() {
    return QStringLiteral(
        "\n\nWith --format chirp: the common channel list instead, one row for each channel in "
        "use under the headings Location, Name, Frequency, Duplex, Offset, Tone, rToneFreq, "
        "cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, "
        "Comment, URCALL, RPT1CALL, RPT2CALL, DVCODE. Duplex and Offset say where Transmit is "
        "(+ or - up to 10 MHz away, split beyond, off when there is none), Tone and its columns "
        "hold the two tones, Mode is FM or NFM as W/N says, Power is 5.0W for High and 1.0W "
        "for Low, Skip S is Scan No; the digital-voice columns stay empty. Imported back it "
        "gives the same channels, but for BusyLock, which the layout lacks.");
}

QString commonImportHelp() {
    return QStringLiteral(
        "\n\nA file whose first line names the columns of the common channel list (Location, "
        "Frequency, ... in any order) is read as that list, and so is any file with --format "
        "chirp. Each row is a channel (Location 1 to 199), checked the same way: Frequency with "
        "Duplex (+, -, split, off) and Offset gives Receive and Transmit, Tone (Tone, TSQL, "
        "DTCS, Cross) with its columns the two tones, Skip S is Scan No, a Power below 2 W is "
        "Low, BusyLock is No as on a new channel, and a Name longer than 6 characters is cut. "
        "TStep and Comment are not kept, nor Mode: W/N is one setting for the whole radio, and "
        "a Mode that differs from it is noted. A row the radio cannot hold is named on "
        "standard error with its line and why, and left out (status 0); with --strict it "
        "refuses the whole file (status 1, nothing written).");
}

std::optional<CsvLayout> chosenLayout(CommandParser& command, const QString& name) {
    if (!command.parser().isSet(QStringLiteral("format")))
        return CsvLayout::ByHeader;
    const QString format = command.parser().value(QStringLiteral("format"));
    if (format == QLatin1String("quorl"))
        return CsvLayout::Table;
    if (format == QLatin1String("chirp"))
        return CsvLayout::Common;
    fail(QStringLiteral("%1: --format takes quorl or chirp, not \"%2\" (see quorl-cli %1 --help)")
             .arg(name, format),
         kUsage);
    return std::nullopt;
}

QByteArray commonCsvText(const RadioImage& image) {
    const CommonCsvExport exported = exportCommonCsv(image);
    for (const int channel : exported.channelsLeftOut)
        warn(QStringLiteral("channel %1 has a Transmit frequency but no Receive frequency, "
                            "which a row needs; left out")
                 .arg(channel));
    return QByteArray::fromStdString(exported.text);
}

int importCommonCsvFile(const QString& in, std::string_view text, const QString& target,
                        RadioImage& image, bool strict) {
    if (!isCommonCsv(text))
        return fail(QStringLiteral("import: the first line of %1 does not name the columns of "
                                   "the common channel list (Location, Frequency, ...); %2 not "
                                   "changed")
                        .arg(in, target));
    const CommonCsvImport result = importCommonCsv(
        text, ToneTable(), image, strict ? LeftOutRows::RefuseImport : LeftOutRows::Skipped);
    // In the order of the file; what a row lost only when it was stored.
    std::vector<std::pair<CsvLineNote, bool>> lines; // bool: the row is left out
    for (const CsvLineNote& row : result.leftOut)
        lines.emplace_back(row, true);
    if (result.stored)
        for (const CsvLineNote& note : result.notes)
            lines.emplace_back(note, false);
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.first.line < b.first.line; });
    for (const auto& [note, leftOut] : lines) {
        const QString line =
            QStringLiteral("%1 line %2: ").arg(in).arg(note.line) + fromUtf8(note.text);
        if (!leftOut)
            warn(line);
        else if (result.stored)
            warn(line + QStringLiteral("; left out"));
        else
            fail(line);
    }
    if (!result.stored)
        return fail(QStringLiteral("import: %1 of %2 the radio cannot hold (--strict); %3 not "
                                   "changed")
                        .arg(rows(result.leftOut.size()), in, target));
    if (const QString error = saveImageFile(target, image); !error.isEmpty())
        return fail(QStringLiteral("import: ") + error);
    if (!result.leftOut.empty())
        warn(QStringLiteral("import: %1 of %2 left out").arg(rows(result.leftOut.size()), in));
    return kSuccess;
}

} // namespace quorl
