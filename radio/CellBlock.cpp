#include "CellBlock.h"

#include "ChannelRowEdit.h"
#include "TextBytes.h"

#include <algorithm>
#include <map>

namespace quorl {

namespace {

constexpr int kWholeChannelWidth = kChannelColumns;

// One line of comma-separated fields; a field in double quotes may hold commas and "".
std::vector<std::string> commaFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += line[++i];
            else if (c == '"')
                quoted = false;
            else
                fields.back() += c;
        } else if (c == '"' && fields.back().empty()) {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::vector<std::string> tabFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

} // namespace

CellBlock parseCellBlock(std::string_view text) {
    const bool tabs = text.find('\t') != std::string_view::npos;
    CellBlock block;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        block.push_back(tabs ? tabFields(line) : commaFields(line));
    }
    return block;
}

std::string formatCellBlock(const CellBlock& cells) {
    std::string text;
    for (const auto& row : cells) {
        for (std::size_t i = 0; i < row.size(); ++i)
            text += (i ? "\t" : "") + latin1ToUtf8(row[i]);
        text += '\n';
    }
    return text;
}

PlacedBlock placeBlock(const CellBlock& block, const CellSelection& selection) {
    PlacedBlock placed;
    std::size_t width = 0;
    for (const auto& row : block)
        width = std::max(width, row.size());
    if (width == 0)
        return placed;

    const auto put = [&](int channel, int column, const std::string& utf8) {
        if (placed.refusal)
            return;
        if (channel > kChannelCount || column >= kChannelColumns) {
            placed.refusal =
                CellRefusal{std::min(channel, kChannelCount), std::min(column, kChannelColumns - 1),
                            "the pasted block reaches beyond channel 199 or the "
                            "Name column"};
            return;
        }
        std::optional<std::string> bytes = utf8ToLatin1(utf8);
        if (!bytes)
            placed.refusal = CellRefusal{channel, column,
                                         "holds a character no byte stands for (only U+0000 "
                                         "to U+00FF)"};
        else
            placed.cells.push_back({channel, column, std::move(*bytes)});
    };

    const bool wholeChannels = !selection.channels.empty();
    const bool severalCells =
        wholeChannels ? true : selection.bottom > selection.top || selection.right > selection.left;
    if (block.size() == 1 && width == 1 && severalCells) {
        const std::string& text = block[0][0];
        if (wholeChannels) {
            for (const int channel : selection.channels)
                for (int c = kColReceive; c < kChannelColumns; ++c)
                    put(channel, c, text);
        } else {
            for (int r = selection.top; r <= selection.bottom; ++r)
                for (int c = selection.left; c <= selection.right; ++c)
                    put(r, c, text);
        }
        return placed;
    }

    const bool channelsBlock = width == kWholeChannelWidth;
    const std::size_t skip = channelsBlock ? 1 : 0;
    const int left = channelsBlock || wholeChannels ? kColReceive : selection.left;
    const bool ontoSelected = selection.channels.size() >= block.size();
    const int top = wholeChannels ? selection.channels.front() : selection.top;
    for (std::size_t i = 0; i < block.size(); ++i) {
        const int channel = ontoSelected ? selection.channels[i] : top + static_cast<int>(i);
        for (std::size_t f = skip; f < block[i].size(); ++f)
            put(channel, left + static_cast<int>(f - skip), block[i][f]);
    }
    return placed;
}

std::optional<CellRefusal> pasteCells(ChannelSheet& sheet, const std::vector<PastedCell>& cells,
                                      const ChannelCellCheck& check) {
    std::map<int, std::map<int, const std::string*>> byChannel;
    for (const PastedCell& cell : cells)
        byChannel[cell.channel][cell.column] = &cell.text;

    ChannelSheet result = sheet;
    constexpr std::array<bool, kChannelColumns> kAllReadable{true, true, true, true, true,
                                                             true, true, true, true};
    for (const auto& [channel, columns] : byChannel) {
        const ChannelSheet::Row& current = sheet.rows[channel];
        ChannelSheet::Row typed = current;
        for (const auto& [column, text] : columns) {
            if ((column == kColReceive || column == kColTransmit) && text->empty())
                commitFrequency(typed, channel, column, {}, EraseCheck::FrequenciesAndTones);
            else
                typed[column] = *text;
        }
        std::vector<CellRefusal> refusals;
        ChannelSheet::Row checked;
        check.check(channel, channel, typed, kAllReadable, &current, checked, refusals);
        if (!refusals.empty())
            return refusals.front();
        result.rows[channel] = checked;
    }
    sheet = std::move(result);
    return std::nullopt;
}

} // namespace quorl
