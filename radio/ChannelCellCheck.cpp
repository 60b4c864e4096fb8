#include "ChannelCellCheck.h"

#include "BandLimits.h"
#include "ChannelRowEdit.h"
#include "FormTexts.h"
#include "FrequencyCheck.h"
#include "SettingsCodec.h"
#include "TextBytes.h"

#include <algorithm>
#include <optional>

namespace quorl {

namespace {

constexpr std::size_t kLongestTypedName = 6;

// Name bytes that end a name when the radio reads it back.
constexpr char kNameEndZero = '\x00';
constexpr char kNameEndErased = static_cast<char>(kErased);

std::string quoted(std::string_view cell) {
    return "\"" + displayText(cell) + "\"";
}

// One row's check; `current` is the channel as the window shows it now.
class RowCheck {
public:
    RowCheck(const ToneTable& tones, int typeIndex, int fieldIndex, const std::string& source,
             int at, const ChannelSheet::Row* current, std::vector<CellRefusal>& refusals)
        : tones_(tones), band_(bandLimit(typeIndex, fieldIndex)), typeIndex_(typeIndex),
          fieldIndex_(fieldIndex), source_(source), at_(at), current_(current),
          refusals_(refusals) {}

    // Frequencies alone: the row the window makes of them typed into an empty row, Receive
    // first, with the defaults of a new channel (and Transmit as Receive when it is empty).
    void typedIntoEmptyRow(int channel, const ChannelSheet::Row& cells,
                           const std::array<bool, kChannelColumns>& readable,
                           ChannelSheet::Row& row) {
        for (const int c : {kColReceive, kColTransmit})
            if (const std::string text = readable[c] ? frequency(c, cells[c]) : std::string();
                !text.empty())
                commitFrequency(row, channel, c, text, EraseCheck::FrequenciesAndTones);
    }

    std::string cell(int column, const std::string& text, bool hasFrequency) {
        switch (column) {
        case kColReceive:
        case kColTransmit:
            return frequency(column, text);
        case kColRxTone:
        case kColTxTone:
            return tone(column, text, hasFrequency);
        case kColScan:
            return flag(column, text, hasFrequency, kScanEntries);
        case kColTxPower:
            return flag(column, text, hasFrequency, kTxPowerEntries);
        case kColBusyLock:
            return flag(column, text, hasFrequency, kBusyLockEntries);
        default:
            return name(text, hasFrequency);
        }
    }

private:
    bool kept(int column, const std::string& cell) const {
        return current_ && (*current_)[column] == cell;
    }

    std::string bad(int column, std::string message) {
        refusals_.push_back({at_, column, std::move(message)});
        return {};
    }

    std::string frequency(int column, const std::string& cell) {
        if (cell.empty() || kept(column, cell))
            return cell;
        const FrequencyCheck check = checkFrequency(cell, band_);
        if (check.verdict == FrequencyVerdict::Accepted)
            return check.text;
        return bad(column,
                   frequencyRefusal(check.verdict, quoted(cell), typeIndex_, fieldIndex_, source_));
    }

    std::string tone(int column, const std::string& cell, bool hasFrequency) {
        if (cell.empty() || kept(column, cell))
            return cell;
        if (!hasFrequency)
            return bad(column, "a channel without a frequency has no tone");
        if (std::optional<std::string> entry = findToneEntry(tones_, cell))
            return *entry;
        return bad(column,
                   quoted(cell) + " is not in the tone list (OFF, 67.0 to 254.1, D017N to D754I)");
    }

    template <std::size_t N>
    std::string flag(int column, const std::string& cell, bool hasFrequency,
                     const std::array<std::string_view, N>& words) {
        std::string choices;
        for (const std::string_view word : words)
            choices += (choices.empty() ? "" : ", ") + std::string(word);
        const std::string heading(kChannelHeadings[column]);
        if (!hasFrequency)
            return cell.empty() ? cell
                                : bad(column, "a channel without a frequency has no " + heading);
        if (cell.empty())
            return bad(column, "a channel with a frequency needs " + heading + ": " + choices);
        if (kept(column, cell))
            return cell;
        for (const std::string_view word : words)
            if (equalIgnoringCase(word, cell))
                return std::string(word);
        return bad(column, quoted(cell) + " is not one of " + choices);
    }

    std::string name(const std::string& cell, bool hasFrequency) {
        if (cell.empty())
            return cell;
        if (!hasFrequency)
            return bad(kColName, "a channel without a frequency has no name");
        if (kept(kColName, cell))
            return cell;
        if (cell.size() > kLongestTypedName)
            return bad(kColName, quoted(cell) + " has " + std::to_string(cell.size()) +
                                     " characters; a name has at most " +
                                     std::to_string(kLongestTypedName));
        if (cell.find(kNameEndZero) != std::string::npos ||
            cell.find(kNameEndErased) != std::string::npos)
            return bad(kColName, quoted(cell) + " holds a character that ends a name in the "
                                                "radio (U+0000 or \xC3\xBF)");
        return cell;
    }

    const ToneTable& tones_;
    std::optional<BandLimit> band_;
    int typeIndex_;
    int fieldIndex_;
    const std::string& source_;
    int at_;
    const ChannelSheet::Row* current_;
    std::vector<CellRefusal>& refusals_;
};

} // namespace

std::string frequencyRefusal(FrequencyVerdict verdict, std::string_view subject, int typeIndex,
                             int fieldIndex, std::string_view source) {
    const std::string what(subject);
    switch (verdict) {
    case FrequencyVerdict::BadFormat:
        return what + " is not a frequency in MHz from 67 to 521";
    case FrequencyVerdict::OutOfRange:
        if (!bandLimit(typeIndex, fieldIndex))
            return std::string(source) + " names no model and band (Type, Field) that " + what +
                   " could be checked against";
        return what + " is outside the band " + std::string(fieldBandTexts(typeIndex)[fieldIndex]) +
               " of " + std::string(source) + "'s " + std::string(kTypeTexts[typeIndex]);
    case FrequencyVerdict::BadStep:
        return what + " is not on a 6.25 kHz or 5 kHz step";
    case FrequencyVerdict::Accepted:
        break;
    }
    return {};
}

ChannelCellCheck::ChannelCellCheck(const ToneTable& tones, int typeIndex, int fieldIndex,
                                   std::string source)
    : tones_(tones), typeIndex_(typeIndex), fieldIndex_(fieldIndex), source_(std::move(source)) {}

void ChannelCellCheck::check(int at, int channel, const ChannelSheet::Row& cells,
                             const std::array<bool, kChannelColumns>& readable,
                             const ChannelSheet::Row* current, ChannelSheet::Row& row,
                             std::vector<CellRefusal>& refusals) const {
    RowCheck rowCheck(tones_, typeIndex_, fieldIndex_, source_, at, current, refusals);
    const bool hasFrequency = !cells[kColReceive].empty() || !cells[kColTransmit].empty();
    if (hasFrequency && channel > 0 &&
        std::all_of(cells.begin() + kColRxTone, cells.end(),
                    [](const std::string& cell) { return cell.empty(); })) {
        rowCheck.typedIntoEmptyRow(channel, cells, readable, row);
        return;
    }
    for (int c = kColReceive; c < kChannelColumns; ++c)
        if (readable[c])
            row[c] = rowCheck.cell(c, cells[c], hasFrequency);
}

} // namespace quorl
