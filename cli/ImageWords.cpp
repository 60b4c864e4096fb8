#include "ImageWords.h"

#include "ChannelCodec.h"
#include "FormTexts.h"
#include "SettingsWords.h"
#include "TextBytes.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace quorl {

namespace {

constexpr std::size_t kRangesNamed = 8; // more than this and the line only counts the rest

// Characters a UTF-8 text takes on a terminal: one per character, every one narrow here.
std::size_t width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string padded(const std::string& text, std::size_t columns) {
    return text + std::string(columns - std::min(columns, width(text)), ' ');
}

std::string rowLine(const std::array<std::string, kChannelColumns>& cells,
                    const std::array<std::size_t, kChannelColumns>& widths) {
    std::string line;
    for (int c = 0; c < kChannelColumns; ++c)
        line += padded(cells[c], widths[c] + 2);
    line.erase(line.find_last_not_of(' ') + 1);
    return line + '\n';
}

bool showsSomething(const ChannelSheet::Row& row) {
    return std::any_of(row.begin() + kColReceive, row.end(),
                       [](const std::string& cell) { return !cell.empty(); });
}

std::string shown(const std::string& cell) {
    return cell.empty() ? "(empty)" : displayText(cell);
}

std::string hex(std::size_t offset) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04zX", offset);
    return text;
}

std::string byteRanges(const RadioImage& before, const RadioImage& after, std::size_t length) {
    std::vector<std::string> ranges;
    for (std::size_t at = 0; at < length;) {
        if (before[at] == after[at]) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end + 1 < length && before[end + 1] != after[end + 1])
            ++end;
        ranges.push_back(end == at ? hex(at) : hex(at) + "-" + hex(end));
        at = end + 1;
    }
    if (ranges.empty())
        return {};
    std::string line = "bytes that differ: ";
    for (std::size_t i = 0; i < std::min(ranges.size(), kRangesNamed); ++i)
        line += (i > 0 ? ", " : "") + ranges[i];
    if (ranges.size() > kRangesNamed)
        line += " and " + std::to_string(ranges.size() - kRangesNamed) + " more ranges";
    return line;
}

} // namespace

std::string dumpImage(const RadioImage& image) {
    std::string text;
    const auto settings = settingsWords(decodeSettings(image));
    std::size_t labelWidth = 0;
    for (const auto& [label, value] : settings)
        labelWidth = std::max(labelWidth, label.size());
    for (const auto& [label, value] : settings)
        text += padded(label, labelWidth + 2) + value + '\n';

    std::vector<std::array<std::string, kChannelColumns>> rows;
    std::array<std::string, kChannelColumns> heading;
    std::copy(kChannelHeadings.begin(), kChannelHeadings.end(), heading.begin());
    rows.push_back(heading);
    const ChannelSheet sheet = decodeChannels(image);
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const ChannelSheet::Row& row = sheet.rows[channel];
        if (!showsSomething(row))
            continue;
        std::array<std::string, kChannelColumns> cells;
        cells[0] = std::to_string(channel);
        for (int c = kColReceive; c < kChannelColumns; ++c)
            cells[c] = displayText(row[c]);
        rows.push_back(cells);
    }
    std::array<std::size_t, kChannelColumns> widths{};
    for (const auto& cells : rows)
        for (int c = 0; c < kChannelColumns; ++c)
            widths[c] = std::max(widths[c], width(cells[c]));

    text += '\n';
    for (const auto& cells : rows)
        text += rowLine(cells, widths);
    if (rows.size() == 1)
        text += "(no channels)\n";
    return text;
}

std::vector<std::string> describeDifferences(const RadioImage& before, const RadioImage& after,
                                             std::size_t length) {
    // Bytes past `length` count as unchanged.
    RadioImage compared = before;
    std::copy_n(after.begin(), std::min(length, kImageSize), compared.begin());

    std::vector<std::string> lines;
    const ChannelSheet a = decodeChannels(before);
    const ChannelSheet b = decodeChannels(compared);
    for (int channel = 1; channel <= kChannelCount; ++channel)
        for (int c = kColReceive; c < kChannelColumns; ++c)
            if (a.cell(channel, c) != b.cell(channel, c))
                lines.push_back("channel " + std::to_string(channel) + " " +
                                std::string(kChannelHeadings[c]) + ": " +
                                shown(a.cell(channel, c)) + " -> " + shown(b.cell(channel, c)));

    const auto settingsA = settingsWords(decodeSettings(before));
    const auto settingsB = settingsWords(decodeSettings(compared));
    for (std::size_t i = 0; i < settingsA.size(); ++i)
        if (settingsA[i].second != settingsB[i].second)
            lines.push_back(settingsA[i].first + ": " + settingsA[i].second + " -> " +
                            settingsB[i].second);

    if (std::string bytes = byteRanges(before, compared, kImageSize); !bytes.empty())
        lines.push_back(std::move(bytes));
    return lines;
}

} // namespace quorl
