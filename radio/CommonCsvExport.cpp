#include "CommonCsv.h"

#include "ChannelCodec.h"
#include "ChannelRowEdit.h"
#include "CommonCsvColumns.h"
#include "Csv.h"
#include "FormTexts.h"
#include "NumberText.h"
#include "SettingsCodec.h"
#include "TextBytes.h"

#include <array>
#include <cstdint>
#include <optional>

namespace quorl {

namespace {

using namespace common_csv;

// Further apart than this, a transmit frequency is written as a split rather than an offset.
constexpr std::uint32_t kLargestOffset = 1'000'000; // 10 MHz
// What a row writes in the tone cells its tone mode does not use.
constexpr std::string_view kUnusedCtcss = "88.5";
constexpr std::string_view kUnusedDcsCode = "023";
constexpr std::string_view kUnusedCrossMode = "Tone->Tone";

// The tone cells of a row, from the two tone cells of a channel.
struct ToneColumns {
    std::string mode;
    std::string rTone{kUnusedCtcss};
    std::string cTone{kUnusedCtcss};
    std::string dtcsCode{kUnusedDcsCode};
    std::string polarity = "NN";
    std::string rxDtcsCode{kUnusedDcsCode};
    std::string crossMode{kUnusedCrossMode};
};

enum class ToneKind { Off, Ctcss, Dcs };

ToneKind kindOf(const std::string& tone) {
    if (tone.empty() || tone == "OFF")
        return ToneKind::Off;
    return tone.front() == 'D' ? ToneKind::Dcs : ToneKind::Ctcss;
}

std::string dcsCode(const std::string& tone) {
    return tone.substr(1, tone.size() - 2);
}

char dcsPolarity(const std::string& tone) {
    return tone.back() == 'N' ? 'N' : 'R';
}

ToneColumns toneColumns(const std::string& rx, const std::string& tx) {
    ToneColumns columns;
    const ToneKind sends = kindOf(tx);
    const ToneKind hears = kindOf(rx);
    if (sends == ToneKind::Ctcss)
        columns.rTone = tx;
    if (hears == ToneKind::Ctcss)
        columns.cTone = rx;
    if (hears == ToneKind::Dcs) {
        columns.dtcsCode = columns.rxDtcsCode = dcsCode(rx);
        columns.polarity[1] = dcsPolarity(rx);
    }
    if (sends == ToneKind::Dcs) {
        columns.dtcsCode = dcsCode(tx);
        columns.polarity[0] = dcsPolarity(tx);
    }

    if (sends == ToneKind::Off && hears == ToneKind::Off)
        return columns;
    if (sends == ToneKind::Ctcss && hears == ToneKind::Off) {
        columns.mode = "Tone";
    } else if (sends == ToneKind::Ctcss && hears == ToneKind::Ctcss && rx == tx) {
        columns.mode = "TSQL";
    } else if (sends == ToneKind::Dcs && hears == ToneKind::Dcs && dcsCode(rx) == dcsCode(tx)) {
        columns.mode = "DTCS";
    } else {
        constexpr std::array<std::string_view, 3> kKinds{"", "Tone", "DTCS"};
        columns.mode = "Cross";
        columns.crossMode = std::string(kKinds[static_cast<int>(sends)]) + "->" +
                            std::string(kKinds[static_cast<int>(hears)]);
    }
    return columns;
}

} // namespace

CommonCsvExport exportCommonCsv(const RadioImage& image) {
    CommonCsvExport result;
    result.text = csvRecord(std::vector<std::string>(kHeadings.begin(), kHeadings.end()));
    const ChannelSheet sheet = decodeChannels(image);
    const std::string mode = decodeSettings(image).wideNarrow == 0 ? "NFM" : "FM";
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        if (!channelInUse(image, channel))
            continue;
        const ChannelRow& row = sheet.rows[channel];
        const std::optional<std::uint32_t> rx = frequencyCount(row[kColReceive]);
        if (row[kColReceive].empty() || !rx) {
            result.channelsLeftOut.push_back(channel);
            continue;
        }
        std::string duplex;
        std::uint32_t offset = 0;
        if (row[kColTransmit].empty()) {
            duplex = "off";
        } else if (const std::uint32_t tx = frequencyCount(row[kColTransmit]).value_or(0);
                   tx != *rx) {
            const std::uint32_t apart = tx > *rx ? tx - *rx : *rx - tx;
            duplex = apart > kLargestOffset ? "split" : tx > *rx ? "+" : "-";
            offset = duplex == "split" ? tx : apart;
        }
        const ToneColumns tones = toneColumns(row[kColRxTone], row[kColTxTone]);
        result.text +=
            csvRecord({std::to_string(channel),
                       latin1ToUtf8(row[kColName]),
                       mhz(*rx),
                       duplex,
                       mhz(offset),
                       tones.mode,
                       tones.rTone,
                       tones.cTone,
                       tones.dtcsCode,
                       tones.polarity,
                       tones.rxDtcsCode,
                       tones.crossMode,
                       mode,
                       *rx % 500 == 0 ? "5.00" : "6.25",
                       row[kColScan] == kScanNo ? "S" : "",
                       std::string(row[kColTxPower] == kTxPowerLow ? kLowWatts : kHighWatts),
                       "",
                       "",
                       "",
                       "",
                       ""});
    }
    return result;
}

} // namespace quorl
