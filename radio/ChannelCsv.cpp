#include "ChannelCsv.h"

#include "ChannelCellCheck.h"
#include "ChannelCodec.h"
#include "ChannelRowEdit.h"
#include "Csv.h"
#include "FormTexts.h"
#include "NumberText.h"
#include "SettingsCodec.h"
#include "SpreadsheetCells.h"
#include "TextBytes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <span>
#include <utility>

namespace quorl {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::array kSeparators{',', ';', '\t'};
constexpr std::size_t kColumnsNamed = 10; // of the columns left out; the rest are counted

// Where each of the table's columns stands in the file, counting from 0.
using ColumnPlaces = std::array<std::size_t, kChannelColumns>;

std::string headingsText() {
    std::string text;
    for (const std::string_view heading : kChannelHeadings)
        text += (text.empty() ? "" : ",") + std::string(heading);
    return text;
}

std::optional<int> channelNumber(std::string_view text) {
    int channel = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), channel);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || channel < 1 ||
        channel > kChannelCount)
        return std::nullopt;
    return channel;
}

std::string quoted(std::string_view cell) {
    return "\"" + displayText(cell) + "\"";
}

// The separator the first line uses most; the headings hold none of them.
char separatorOf(std::string_view text) {
    const std::string_view firstLine = text.substr(0, text.find('\n'));
    char separator = ',';
    std::ptrdiff_t most = 0;
    for (const char candidate : kSeparators)
        if (const auto count = std::count(firstLine.begin(), firstLine.end(), candidate);
            count > most) {
            separator = candidate;
            most = count;
        }
    return separator;
}

// Finds the nine headings in the first record, in any order and case. Columns with other
// headings are named in a note and left out.
std::optional<ColumnPlaces> placeColumns(const CsvRecord& header, CsvImport& result) {
    std::array<std::optional<std::size_t>, kChannelColumns> places;
    std::string ignored;
    std::size_t ignoredCount = 0;
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string heading = trimmedCell(header.fields[i]);
        const auto known =
            std::find_if(kChannelHeadings.begin(), kChannelHeadings.end(),
                         [&heading](std::string_view h) { return equalIgnoringCase(h, heading); });
        if (known == kChannelHeadings.end()) {
            if (++ignoredCount <= kColumnsNamed)
                ignored += (ignored.empty() ? "" : ", ") +
                           (heading.empty() ? "column " + std::to_string(i + 1) : quoted(heading));
            continue;
        }
        const auto column = static_cast<int>(known - kChannelHeadings.begin());
        if (places[column]) {
            result.errors.push_back({header.line, static_cast<int>(i) + 1, column,
                                     "a second " + std::string(*known) + " column (the first " +
                                         "is column " + std::to_string(*places[column] + 1) + ")"});
            continue;
        }
        places[column] = i;
    }
    if (ignoredCount > kColumnsNamed)
        ignored += " and " + std::to_string(ignoredCount - kColumnsNamed) + " more";
    if (ignoredCount > 0)
        result.notes.push_back("columns left out: " + ignored);

    std::string missing;
    for (int column = 0; column < kChannelColumns; ++column)
        if (!places[column])
            missing += (missing.empty() ? "" : ", ") + std::string(kChannelHeadings[column]);
    if (!missing.empty())
        result.errors.push_back({header.line, 0, -1,
                                 "the first line must name the columns " + headingsText() +
                                     " (in any order); it has no " + missing});
    if (!result.errors.empty())
        return std::nullopt;
    ColumnPlaces placed{};
    for (int column = 0; column < kChannelColumns; ++column)
        placed[column] = *places[column];
    return placed;
}

// The records of the text, as spreadsheets write it: the byte order mark skipped, text that is
// not UTF-8 read as Windows-1252 (and noted), the separator the first line uses.
CsvText readSpreadsheetCsv(std::string_view text, CsvImport& result) {
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::string converted;
    if (!isUtf8(text)) {
        converted = windows1252ToUtf8(text);
        text = converted;
        result.notes.push_back("not UTF-8: read as Windows-1252");
    }
    return parseCsv(text, separatorOf(text));
}

} // namespace

std::string exportChannelCsv(const RadioImage& image) {
    std::string text =
        csvRecord(std::vector<std::string>(kChannelHeadings.begin(), kChannelHeadings.end()));
    const ChannelSheet sheet = decodeChannels(image);
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        std::vector<std::string> fields{std::to_string(channel)};
        for (int c = kColReceive; c < kChannelColumns; ++c)
            fields.push_back(latin1ToUtf8(sheet.cell(channel, c)));
        text += csvRecord(fields);
    }
    return text;
}

CsvImport importChannelCsv(std::string_view text, const ToneTable& tones, RadioImage& image) {
    CsvImport result;
    std::vector<CsvCellError>& errors = result.errors;
    const CsvText csv = readSpreadsheetCsv(text, result);
    if (csv.records.empty()) {
        errors.push_back({1, 0, -1, "the first line must name the columns " + headingsText()});
        return result;
    }
    const std::optional<ColumnPlaces> places = placeColumns(csv.records.front(), result);
    if (!places)
        return result;
    const std::size_t fieldCount = csv.records.front().fields.size();
    const auto fileColumn = [&places](int column) {
        return static_cast<int>((*places)[column]) + 1;
    };

    const SettingsState settings = decodeSettings(image);
    const ChannelSheet current = decodeChannels(image);
    const ChannelCellCheck cellCheck(tones, settings.type, settings.field, "the file");
    ChannelSheet sheet;
    std::array<int, kChannelCount + 1> lineOfChannel{}; // 0: no row yet
    for (const CsvRecord& record : std::span(csv.records).subspan(1)) {
        const auto& fields = record.fields;
        if (std::all_of(fields.begin(), fields.end(),
                        [](const auto& f) { return trimmedCell(f).empty(); }))
            continue;
        if (fields.size() != fieldCount) {
            errors.push_back({record.line, 0, -1,
                              std::to_string(fields.size()) + " fields; the first line has " +
                                  std::to_string(fieldCount)});
            continue;
        }
        const std::size_t rowErrors = errors.size();
        ChannelSheet::Row cells;
        std::array<bool, kChannelColumns> readable{};
        for (int c = 0; c < kChannelColumns; ++c) {
            const std::string& field = fields[(*places)[c]];
            std::optional<std::string> bytes = utf8ToLatin1(field);
            readable[c] = bytes.has_value();
            if (!readable[c])
                errors.push_back({record.line, c + 1, c,
                                  "holds a character no byte stands for (only U+0000 to U+00FF)"});
            // Still not empty, so that a frequency cell still counts as a frequency.
            cells[c] = bytes.value_or(field);
        }
        cells[0] = trimmedCell(cells[0]);

        const std::optional<int> channel = readable[0] ? channelNumber(cells[0]) : std::nullopt;
        if (!channel) {
            if (readable[0])
                errors.push_back({record.line, 1, 0,
                                  quoted(cells[0]) + " is not a channel number from 1 to 199"});
        } else if (const int earlier = std::exchange(lineOfChannel[*channel], record.line)) {
            errors.push_back({record.line, 1, 0,
                              "channel " + std::to_string(*channel) + " is also on line " +
                                  std::to_string(earlier)});
        }
        const int number = channel.value_or(0); // 0: a wrong channel number
        const ChannelSheet::Row* now = number > 0 ? &current.rows[number] : nullptr;
        std::vector<CellProblem> problems;
        cells = spreadsheetRow(cells, now, tones, readable, problems);
        for (CellProblem& problem : problems)
            errors.push_back(
                {record.line, problem.column + 1, problem.column, std::move(problem.message)});
        ChannelSheet::Row scratch;
        ChannelSheet::Row& row = number > 0 ? sheet.rows[number] : scratch;
        std::vector<CellRefusal> refusals;
        cellCheck.check(record.line, number, cells, readable, now, row, refusals);
        for (CellRefusal& refusal : refusals)
            errors.push_back(
                {refusal.at, refusal.column + 1, refusal.column, std::move(refusal.message)});
        // The checks count the table's columns; the file may have them in another order.
        for (std::size_t i = rowErrors; i < errors.size(); ++i)
            if (errors[i].tableColumn >= 0)
                errors[i].column = fileColumn(errors[i].tableColumn);
    }
    if (csv.errorLine != 0)
        errors.push_back({csv.errorLine, 0, -1, csv.error});
    if (!errors.empty())
        return result;

    encodeChannels(sheet, image);
    encodeSettings(settings, image);
    return result;
}

std::vector<std::vector<std::uint32_t>> channelCsvFrequencies(std::string_view text) {
    CsvImport unused;
    const CsvText csv = readSpreadsheetCsv(text, unused);
    const std::optional<ColumnPlaces> places =
        csv.records.empty() ? std::nullopt : placeColumns(csv.records.front(), unused);
    if (!places)
        return {};
    std::vector<std::vector<std::uint32_t>> channels;
    for (const CsvRecord& record : std::span(csv.records).subspan(1)) {
        if (record.fields.size() != csv.records.front().fields.size())
            continue;
        std::vector<std::uint32_t> frequencies;
        for (const int c : {kColReceive, kColTransmit})
            if (const std::optional<std::uint32_t> count =
                    frequencyCount(trimmedCell(record.fields[(*places)[c]])))
                frequencies.push_back(*count);
        if (!frequencies.empty())
            channels.push_back(std::move(frequencies));
    }
    return channels;
}

} // namespace quorl
