#include "SpreadsheetCells.h"

#include "ChannelRowEdit.h"
#include "Decimal.h"
#include "FormTexts.h"
#include "NumberText.h"
#include "TextBytes.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace quorl {

namespace {

// A number and nothing else.
bool wholeNumber(std::string_view cell) {
    return !cell.empty() && leadingNumberLength(cell) == cell.size();
}

// The cell with its one comma made a point, when that makes it a number: "446,00625".
std::optional<std::string> pointForComma(std::string_view cell) {
    std::string pointed(cell);
    const std::size_t comma = pointed.find(',');
    if (comma == std::string::npos || pointed.find(',', comma + 1) != std::string::npos)
        return std::nullopt;
    pointed[comma] = '.';
    return wholeNumber(pointed) ? std::optional(pointed) : std::nullopt;
}

// Tenths of a tone's number, when it has no finer digits: "67", "67.0" and "67.00" are 670.
std::optional<double> toneTenths(std::string_view text) {
    const double tenths = decimalMultiply(readLeadingNumber(text), 10.0);
    if (std::trunc(tenths) != tenths)
        return std::nullopt;
    return tenths;
}

// The tone list's CTCSS entry of that value, else the number as it was given.
std::string toneByValue(const ToneTable& tones, const std::string& number) {
    const std::optional<double> wanted = toneTenths(number);
    for (std::size_t i = ToneTable::kFirstCtcss;
         wanted && i < ToneTable::kFirstCtcss + ToneTable::kCtcssCount; ++i)
        if (toneTenths(tones.at(i)) == wanted)
            return tones.at(i);
    return number;
}

bool isFrequency(int column) {
    return column == kColReceive || column == kColTransmit;
}

bool isTone(int column) {
    return column == kColRxTone || column == kColTxTone;
}

} // namespace

std::string trimmedCell(std::string_view cell) {
    const std::size_t first = cell.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(cell.substr(first, cell.find_last_not_of(" \t") - first + 1));
}

ChannelSheet::Row spreadsheetRow(const ChannelSheet::Row& cells, const ChannelSheet::Row* current,
                                 const ToneTable& tones,
                                 std::array<bool, kChannelColumns>& readable,
                                 std::vector<CellProblem>& problems) {
    ChannelSheet::Row row = cells;
    const auto refuse = [&](int column, std::string message) {
        problems.push_back({column, std::move(message)});
        readable[column] = false;
    };
    for (int c = kColReceive; c < kChannelColumns; ++c) {
        if (!readable[c] || (current && (*current)[c] == cells[c]))
            continue;
        std::string& cell = row[c];
        cell = trimmedCell(cell);
        const bool number = isFrequency(c) || (isTone(c) && !findToneEntry(tones, cell));
        if (!number || cell.empty() || wholeNumber(cell)) {
            if (isTone(c) && wholeNumber(cell))
                cell = toneByValue(tones, cell);
            continue;
        }
        const std::string shown = "\"" + displayText(cell) + "\"";
        if (const std::optional<std::string> pointed = pointForComma(cell))
            refuse(c, shown + " has a decimal comma; use a point: " + *pointed);
        else if (isFrequency(c))
            refuse(c, shown + " is not a frequency in MHz: a number, nothing after it");
    }

    // Frequencies alone are what typing them into an empty row makes, which has its own
    // defaults; the flags of any other row with a frequency default to a new channel's.
    const bool hasFrequency = !row[kColReceive].empty() || !row[kColTransmit].empty();
    const bool frequenciesAlone = std::all_of(row.begin() + kColRxTone, row.end(),
                                              [](const std::string& cell) { return cell.empty(); });
    if (hasFrequency && !frequenciesAlone)
        for (const auto& [column, word] :
             {std::pair{kColScan, kScanYes}, std::pair{kColTxPower, kTxPowerHigh},
              std::pair{kColBusyLock, kBusyLockNo}})
            if (row[column].empty())
                row[column] = std::string(word);
    return row;
}

} // namespace quorl
