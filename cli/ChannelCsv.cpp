#include "ChannelCsv.h"

#include "ChannelCellCheck.h"
#include "ChannelCodec.h"
#include "Csv.h"
#include "FormTexts.h"
#include "SettingsCodec.h"
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

std::vector<CsvCellError> importChannelCsv(std::string_view text, const ToneTable& tones,
                                           RadioImage& image) {
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    const CsvText csv = parseCsv(text);
    std::vector<CsvCellError> errors;
    const std::vector<std::string> headings(kChannelHeadings.begin(), kChannelHeadings.end());
    if (csv.records.empty() || csv.records.front().fields != headings) {
        errors.push_back({1, 0, "the first line must name the columns: " + headingsText()});
        return errors;
    }

    const SettingsState settings = decodeSettings(image);
    const ChannelSheet current = decodeChannels(image);
    const ChannelCellCheck cellCheck(tones, settings.type, settings.field, "the file");
    ChannelSheet sheet;
    std::array<int, kChannelCount + 1> lineOfChannel{}; // 0: no row yet
    for (const CsvRecord& record : std::span(csv.records).subspan(1)) {
        const auto& fields = record.fields;
        if (std::all_of(fields.begin(), fields.end(), [](const auto& f) { return f.empty(); }))
            continue;
        if (fields.size() != kChannelColumns) {
            errors.push_back({record.line, 0,
                              std::to_string(fields.size()) + " fields; a row has " +
                                  std::to_string(kChannelColumns) + ", " + headingsText()});
            continue;
        }
        std::array<std::string, kChannelColumns> cells;
        std::array<bool, kChannelColumns> readable{};
        for (int c = 0; c < kChannelColumns; ++c) {
            std::optional<std::string> bytes = utf8ToLatin1(fields[c]);
            readable[c] = bytes.has_value();
            if (!readable[c])
                errors.push_back({record.line, c + 1,
                                  "holds a character no byte stands for (only U+0000 to U+00FF)"});
            // Still not empty, so that a frequency cell still counts as a frequency.
            cells[c] = bytes.value_or(fields[c]);
        }

        const std::optional<int> channel = readable[0] ? channelNumber(cells[0]) : std::nullopt;
        if (!channel) {
            if (readable[0])
                errors.push_back(
                    {record.line, 1, quoted(cells[0]) + " is not a channel number from 1 to 199"});
        } else if (const int earlier = std::exchange(lineOfChannel[*channel], record.line)) {
            errors.push_back({record.line, 1,
                              "channel " + std::to_string(*channel) + " is also on line " +
                                  std::to_string(earlier)});
        }
        ChannelSheet::Row scratch;
        ChannelSheet::Row& row = channel ? sheet.rows[*channel] : scratch;
        std::vector<CellRefusal> refusals;
        cellCheck.check(record.line, channel.value_or(0), cells, readable,
                        channel ? &current.rows[*channel] : nullptr, row, refusals);
        for (CellRefusal& refusal : refusals)
            errors.push_back({refusal.at, refusal.column + 1, std::move(refusal.message)});
    }
    if (csv.errorLine != 0)
        errors.push_back({csv.errorLine, 0, csv.error});
    if (!errors.empty())
        return errors;

    encodeChannels(sheet, image);
    encodeSettings(settings, image);
    return errors;
}

} // namespace quorl
