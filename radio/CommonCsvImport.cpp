#include "CommonCsv.h"

#include "ChannelCellCheck.h"
#include "ChannelCodec.h"
#include "ChannelRowEdit.h"
#include "CommonCsvColumns.h"
#include "Csv.h"
#include "FormTexts.h"
#include "FrequencyCheck.h"
#include "NumberText.h"
#include "SettingsCodec.h"
#include "TextBytes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>

namespace quorl {

namespace {

using namespace common_csv;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// What the window takes into a Name cell.
constexpr std::size_t kLongestName = 6;

constexpr std::array<std::string_view, 7> kCrossModes{
    "Tone->Tone", "Tone->DTCS", "DTCS->Tone", "->Tone", "->DTCS", "DTCS->", "DTCS->DTCS"};

using Positions = std::array<int, kColumnCount>; // the field of each column, -1 when absent

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view withoutByteOrderMark(std::string_view text) {
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    return text;
}

std::optional<Positions> headingPositions(const std::vector<std::string>& header) {
    Positions positions;
    positions.fill(-1);
    for (std::size_t field = 0; field < header.size(); ++field)
        for (int column = 0; column < kColumnCount; ++column)
            if (positions[column] < 0 &&
                equalIgnoringCase(trimmed(header[field]), kHeadings[column]))
                positions[column] = static_cast<int>(field);
    if (positions[kLocation] < 0 || positions[kFrequency] < 0)
        return std::nullopt;
    return positions;
}

std::optional<Positions> columnPositions(const CsvText& csv) {
    return csv.records.empty() ? std::nullopt : headingPositions(csv.records.front().fields);
}

// A cell as a terminal may show it.
std::string quoted(std::string_view cell) {
    return "\"" + displayText(utf8ToLatin1(cell).value_or(std::string(cell))) + "\"";
}

std::string joined(std::span<const std::string_view> words) {
    std::string text;
    for (const std::string_view word : words)
        text += (text.empty() ? "" : ", ") + std::string(word);
    return text;
}

// One row of the file → one row of the channel table, or why the radio cannot hold it.
class RowReader {
public:
    RowReader(const Positions& positions, const ToneTable& tones, const SettingsState& settings)
        : positions_(positions), tones_(tones), settings_(settings),
          band_(bandLimit(settings.type, settings.field)) {}

    // Empty with `why` set when the row is left out; `notes` get what the row loses.
    std::optional<ChannelRow> read(const std::vector<std::string>& fields,
                                   std::vector<std::string>& notes) {
        fields_ = &fields;
        ChannelRow row;
        std::string mode;
        if (!frequencies(row) || !toneCells(row) || !flags(row) || !name(row, notes) ||
            !modeOf(mode))
            return std::nullopt;
        if (!mode.empty() && !modeNoted_ && !equalIgnoringCase(mode, radioWideMode())) {
            modeNoted_ = true;
            notes.push_back("Mode " + quoted(mode) +
                            " is not kept: wide or narrow (W/N) is one setting for the whole "
                            "radio, " +
                            (settings_.wideNarrow == kNoSelection
                                 ? std::string("not chosen")
                                 : std::string(kWideNarrowTexts[settings_.wideNarrow])) +
                            " in this file");
        }
        return row;
    }

    std::optional<int> channel(const std::vector<std::string>& fields) {
        fields_ = &fields;
        const std::string_view text = cell(kLocation);
        int channel = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), channel);
        if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
            channel < 1 || channel > kChannelCount)
            return refuse("Location " + quoted(text) + " is not a channel from 1 to 199");
        return channel;
    }

    // The frequencies the row uses (Frequency, and the transmit one its Duplex and Offset make)
    // whatever band they are in; none when they are not frequencies on the step.
    std::vector<std::uint32_t> frequenciesInAnyBand(const std::vector<std::string>& fields) {
        fields_ = &fields;
        const std::optional<BandLimit> band = std::exchange(band_, BandLimit{0, UINT32_MAX});
        ChannelRow row;
        const bool read = frequencies(row);
        band_ = band;
        std::vector<std::uint32_t> counts;
        for (const int c : {kColReceive, kColTransmit})
            if (const std::optional<std::uint32_t> count = frequencyCount(row[c]); read && count)
                counts.push_back(*count);
        return counts;
    }

    const std::string& why() const { return why_; }

private:
    // Empty when the file has no such column or the row stops before it.
    std::string_view rawCell(Column column) const {
        const int at = positions_[column];
        return at >= 0 && at < static_cast<int>(fields_->size()) ? std::string_view((*fields_)[at])
                                                                 : std::string_view();
    }

    std::string_view cell(Column column) const { return trimmed(rawCell(column)); }

    std::nullopt_t refuse(std::string why) {
        why_ = std::move(why);
        return std::nullopt;
    }

    bool refused(std::string why) {
        why_ = std::move(why);
        return false;
    }

    // The checked cell text, or empty with `why` set.
    std::optional<std::string> checked(const std::string& what, std::string_view text) {
        const FrequencyCheck check = checkFrequency(text, band_);
        if (check.verdict == FrequencyVerdict::Accepted)
            return check.text;
        return refuse(frequencyRefusal(check.verdict, what + " " + quoted(text), settings_.type,
                                       settings_.field, "the file"));
    }

    bool frequencies(ChannelRow& row) {
        const std::optional<std::string> receive = checked("Frequency", cell(kFrequency));
        if (!receive)
            return false;
        row[kColReceive] = *receive;
        const std::string_view duplex = cell(kDuplex);
        const std::string_view offset = cell(kOffset);
        if (duplex.empty()) {
            row[kColTransmit] = *receive;
            return true;
        }
        if (equalIgnoringCase(duplex, "off"))
            return true;
        if (equalIgnoringCase(duplex, "split")) {
            const std::optional<std::string> transmit = checked("Offset (split)", offset);
            row[kColTransmit] = transmit.value_or("");
            return transmit.has_value();
        }
        if (duplex != "+" && duplex != "-")
            return refused("Duplex " + quoted(duplex) + " is not one of +, -, split, off");
        // Plain digits only: a leading number would read "" or "x" as a zero offset.
        const std::optional<std::uint32_t> shift =
            offset.find_first_of("0123456789") == std::string_view::npos ||
                    offset.find_first_not_of("0123456789.") != std::string_view::npos
                ? std::nullopt
                : frequencyCount(offset);
        if (!shift)
            return refused("Offset " + quoted(offset) + " is not a frequency in MHz");
        const std::int64_t rx = *frequencyCount(*receive);
        const std::int64_t tx = duplex == "+" ? rx + *shift : rx - *shift;
        if (tx <= 0 || tx > UINT32_MAX)
            return refused("Frequency " + std::string(duplex) + " Offset is no frequency");
        const std::optional<std::string> transmit =
            checked("the transmit frequency (Frequency " + std::string(duplex) + " Offset)",
                    mhz(static_cast<std::uint32_t>(tx)));
        row[kColTransmit] = transmit.value_or("");
        return transmit.has_value();
    }

    std::optional<std::string> ctcss(Column column) {
        std::string text(cell(column));
        if (text.find('.') == std::string::npos)
            text += ".0";
        while (text.size() > 2 && text.back() == '0' && text[text.size() - 2] != '.')
            text.pop_back();
        if (std::optional<std::string> entry = findToneEntry(tones_, text))
            return entry;
        return refuse(std::string(kHeadings[column]) + " " + quoted(cell(column)) +
                      " is not a tone of the list (67.0 to 254.1)");
    }

    // polarity: 0 for transmit, 1 for receive.
    std::optional<std::string> dcs(Column column, int polarity) {
        std::string_view letters = cell(kDtcsPolarity);
        if (letters.empty())
            letters = "NN";
        const char letter = letters.size() == 2 ? letters[polarity] : '?';
        const bool normal = letter == 'N' || letter == 'n';
        if (!normal && std::string_view("RrIi").find(letter) == std::string_view::npos)
            return refuse("DtcsPolarity " + quoted(letters) + " is not two of N and R");
        const std::string_view code = cell(column);
        if (!code.empty() && code.size() <= 3 &&
            code.find_first_not_of("0123456789") == std::string_view::npos)
            if (std::optional<std::string> entry =
                    findToneEntry(tones_, "D" + std::string(3 - code.size(), '0') +
                                              std::string(code) + (normal ? "N" : "I")))
                return entry;
        return refuse(std::string(kHeadings[column]) + " " + quoted(code) +
                      " is not a code of the list (017 to 754)");
    }

    bool toneCells(ChannelRow& row) {
        const std::string_view mode = cell(kTone);
        std::optional<std::string> rx = "OFF";
        std::optional<std::string> tx = "OFF";
        if (equalIgnoringCase(mode, "Tone")) {
            tx = ctcss(kRToneFreq);
        } else if (equalIgnoringCase(mode, "TSQL")) {
            tx = rx = ctcss(kCToneFreq);
        } else if (equalIgnoringCase(mode, "DTCS")) {
            tx = dcs(kDtcsCode, 0);
            rx = tx ? dcs(kDtcsCode, 1) : tx;
        } else if (equalIgnoringCase(mode, "Cross")) {
            const std::string_view cross = cell(kCrossMode);
            if (std::none_of(kCrossModes.begin(), kCrossModes.end(),
                             [&](std::string_view m) { return equalIgnoringCase(m, cross); }))
                return refused("CrossMode " + quoted(cross) + " is not one of " +
                               joined(kCrossModes));
            const std::size_t arrow = cross.find("->");
            const std::string_view sends = cross.substr(0, arrow);
            const std::string_view hears = cross.substr(arrow + 2);
            const bool dcsBoth =
                equalIgnoringCase(sends, "DTCS") && equalIgnoringCase(hears, "DTCS");
            if (equalIgnoringCase(sends, "Tone"))
                tx = ctcss(kRToneFreq);
            else if (equalIgnoringCase(sends, "DTCS"))
                tx = dcs(kDtcsCode, 0);
            if (tx && equalIgnoringCase(hears, "Tone"))
                rx = ctcss(kCToneFreq);
            else if (tx && equalIgnoringCase(hears, "DTCS"))
                rx = dcs(dcsBoth ? kRxDtcsCode : kDtcsCode, 1);
        } else if (!mode.empty()) {
            return refused("Tone " + quoted(mode) + " is not one of Tone, TSQL, DTCS, Cross");
        }
        if (!tx || !rx)
            return false;
        row[kColRxTone] = *rx;
        row[kColTxTone] = *tx;
        return true;
    }

    bool flags(ChannelRow& row) {
        const std::string_view skip = cell(kSkip);
        if (!skip.empty() && !equalIgnoringCase(skip, "S") && !equalIgnoringCase(skip, "P"))
            return refused("Skip " + quoted(skip) + " is not S, P or empty");
        row[kColScan] = equalIgnoringCase(skip, "S") ? kScanNo : kScanYes;
        row[kColBusyLock] = kBusyLockNo; // what a new channel gets
        const std::optional<std::string_view> power = powerWord(cell(kPower));
        if (!power)
            return refused("Power " + quoted(cell(kPower)) +
                           " is neither High, Low nor a number of watts");
        row[kColTxPower] = *power;
        return true;
    }

    static std::optional<std::string_view> powerWord(std::string_view text) {
        if (text.empty())
            return kTxPowerHigh; // what a new channel gets
        for (const std::string_view word : kTxPowerEntries)
            if (equalIgnoringCase(word, text))
                return word;
        if (text.back() == 'W' || text.back() == 'w')
            text.remove_suffix(1);
        double watts = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), watts);
        if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
            !(watts >= 0))
            return std::nullopt;
        return watts < kLowestHighWatts ? kTxPowerLow : kTxPowerHigh;
    }

    bool name(ChannelRow& row, std::vector<std::string>& notes) {
        const std::string_view text = rawCell(kName);
        std::optional<std::string> bytes = utf8ToLatin1(text);
        if (!bytes)
            return refused("Name " + quoted(text) +
                           " holds a character no byte stands for (only U+0000 to U+00FF)");
        if (bytes->size() > kLongestName) {
            const std::string whole = std::exchange(*bytes, bytes->substr(0, kLongestName));
            notes.push_back("Name \"" + displayText(whole) + "\" is cut to \"" +
                            displayText(*bytes) + "\", the 6 characters a name holds");
        }
        if (bytes->find('\x00') != std::string::npos ||
            bytes->find(static_cast<char>(kErased)) != std::string::npos)
            return refused("Name \"" + displayText(*bytes) +
                           "\" holds a character that ends a name in the radio (U+0000 or "
                           "\xC3\xBF)");
        row[kColName] = *bytes;
        return true;
    }

    bool modeOf(std::string& mode) {
        mode = cell(kMode);
        if (!mode.empty() && !equalIgnoringCase(mode, "FM") && !equalIgnoringCase(mode, "NFM"))
            return refused("Mode " + quoted(mode) + " is not one this radio has (FM, NFM)");
        return true;
    }

    std::string_view radioWideMode() const {
        return settings_.wideNarrow == 0 ? "NFM" : settings_.wideNarrow == 1 ? "FM" : "";
    }

    const Positions& positions_;
    const ToneTable& tones_;
    const SettingsState& settings_;
    std::optional<BandLimit> band_;
    const std::vector<std::string>* fields_ = nullptr;
    std::string why_;
    bool modeNoted_ = false;
};

} // namespace

bool isCommonCsv(std::string_view text) {
    text = withoutByteOrderMark(text);
    const CsvText header = parseCsv(text.substr(0, text.find('\n')));
    return !header.records.empty() && headingPositions(header.records.front().fields);
}

std::vector<std::vector<std::uint32_t>> commonCsvFrequencies(std::string_view text) {
    const CsvText csv = parseCsv(withoutByteOrderMark(text));
    const std::optional<Positions> positions = columnPositions(csv);
    if (!positions)
        return {};
    const ToneTable tones;
    const SettingsState settings;
    RowReader reader(*positions, tones, settings);
    std::vector<std::vector<std::uint32_t>> channels;
    for (const CsvRecord& record : std::span(csv.records).subspan(1))
        if (std::vector<std::uint32_t> counts = reader.frequenciesInAnyBand(record.fields);
            !counts.empty())
            channels.push_back(std::move(counts));
    return channels;
}

CommonCsvImport importCommonCsv(std::string_view text, const ToneTable& tones, RadioImage& image,
                                LeftOutRows leftOutRows) {
    CommonCsvImport result;
    const CsvText csv = parseCsv(withoutByteOrderMark(text));
    const std::optional<Positions> positions = columnPositions(csv);
    if (!positions) {
        result.leftOut.push_back(
            {1, "the first line must name the columns, Location and Frequency among them"});
        return result;
    }

    const SettingsState settings = decodeSettings(image);
    RowReader reader(*positions, tones, settings);
    ChannelSheet sheet;
    std::array<int, kChannelCount + 1> lineOfChannel{}; // 0: no row yet
    for (const CsvRecord& record : std::span(csv.records).subspan(1)) {
        const auto& fields = record.fields;
        if (std::all_of(fields.begin(), fields.end(),
                        [](const std::string& f) { return trimmed(f).empty(); }))
            continue;
        const std::optional<int> channel = reader.channel(fields);
        if (const int earlier = channel ? lineOfChannel[*channel] : 0) {
            result.leftOut.push_back({record.line, "Location " + std::to_string(*channel) +
                                                       " is also on line " +
                                                       std::to_string(earlier)});
            continue;
        }
        std::vector<std::string> notes;
        const std::optional<ChannelRow> row = channel ? reader.read(fields, notes) : std::nullopt;
        if (!row) {
            result.leftOut.push_back({record.line, reader.why()});
            continue;
        }
        lineOfChannel[*channel] = record.line;
        sheet.rows[*channel] = *row;
        for (std::string& note : notes)
            result.notes.push_back({record.line, std::move(note)});
    }
    if (csv.errorLine != 0)
        result.leftOut.push_back({csv.errorLine, csv.error + "; nothing from here on is read"});
    if (leftOutRows == LeftOutRows::RefuseImport && !result.leftOut.empty())
        return result;

    encodeChannels(sheet, image);
    encodeSettings(settings, image);
    result.stored = true;
    return result;
}

} // namespace quorl
