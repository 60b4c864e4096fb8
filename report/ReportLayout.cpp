#include "ReportLayout.h"

#include "ChannelCodec.h"
#include "FormTexts.h"

#include <algorithm>
#include <array>

namespace quorl {

namespace {

struct PageContent {
    const char* title;
    int firstChannel;
    int lastChannel;
};

// The table has 199 channels: the sixth page takes all that the fifth leaves.
constexpr std::array<PageContent, kReportPageCount> kPages{{
    {"The Radio Settings", 1, 27},
    {"The Second Page", 28, 60},
    {"The Third Page", 61, 93},
    {"The Fourth Pages", 94, 126},
    {"The Fifth Pages", 127, 159},
    {"The Sixth Page", 160, kChannelCount},
}};

// Columns 1 to 8 of a channel line, in multiples of W; the channel number stands at W.
constexpr std::array<int, kChannelColumns - 1> kCellColumns{5, 14, 24, 32, 40, 46, 55, 64};

std::string onOff(bool on) {
    return on ? "On" : "Off";
}

// The settings block: left and right item of each line; a label ends in a tab and the value
// follows it directly.
std::vector<std::array<std::string, 2>> settingsLines(const RadioImage& image) {
    const auto bit = [&image](std::size_t offset, std::uint8_t mask) {
        return (image[offset] & mask) != 0;
    };
    const int vox = image[kVoxGainLevel];
    return {
        {std::string("W/N:\t") + (bit(kAudioFlags, kWideBit) ? "Wide" : "Narrow"),
         "Vox Gain Level:\t" + (vox == 0 ? std::string("Off") : std::to_string(vox))},
        {"Squelch Level:\t" + std::to_string(image[kSquelchLevel]),
         "Channel Name:\t" + onOff(bit(kSettingsFlags, kChannelNameDisplayBit))},
        {"Battery Save:\t" + onOff(bit(kAudioFlags, kBatterySaveBit)),
         "Beep:\t" + onOff(bit(kAudioFlags, kBeepBit))},
        {"Scrambler Activation:\t" + onOff(!bit(kEmergencyFlags, kScramblerActivationOffBit)),
         "Addible Menu:\t" + onOff(bit(kMenuFlags, kDisableMenuOffBit))},
        {"Power:\t" + onOff(bit(kMenuFlags, kPowerMenuBit)), {}},
    };
}

std::string headingLine() {
    return std::string(kChannelHeadings[0]) + "   Rx(MHz)   Tx(MHz)    " +
           std::string(kChannelHeadings[kColRxTone]) + "  " +
           std::string(kChannelHeadings[kColTxTone]) + "  Scan    Tx Power   Busy Lock   Name";
}

// y less 1.2 lines, in floating point and truncated toward zero.
int afterGap(int y, int line) {
    return static_cast<int>(y - 1.2 * line);
}

// Forty channels do not fit on a page at the body's line spacing: there the lines close up
// just enough that the last channel still ends inside the printable area. Pages that fit keep
// the full spacing.
int channelStep(int headingY, int count, const PageGeometry& geometry, const LineHeights& lines) {
    const int room = geometry.pageHeight + headingY - lines.bodyText;
    return std::clamp(room / count, 1, lines.body);
}

} // namespace

std::vector<PlacedText> layoutReportPage(int page, const PageGeometry& geometry,
                                         const LineHeights& lines, const RadioImage& image) {
    if (page < 1 || page > kReportPageCount)
        return {};
    const PageContent& content = kPages[page - 1];
    const int w = geometry.charWidth;
    std::vector<PlacedText> texts;
    const auto put = [&texts](ReportFont font, int x, int y, std::string text) {
        texts.push_back({font, x, y, std::move(text)});
    };

    int y = -(lines.title / 2);
    put(ReportFont::Title, geometry.titleX, y, content.title);
    y -= lines.title;

    if (page == 1) {
        put(ReportFont::Body, 5 * w, y, "Function Setting:");
        for (const auto& [left, right] : settingsLines(image)) {
            y -= lines.body;
            put(ReportFont::Body, 2 * w, y, left);
            if (!right.empty())
                put(ReportFont::Body, 35 * w, y, right);
        }
        y = afterGap(y, lines.body);
    }

    put(ReportFont::Body, 5 * w, y, "Channel Setting:");
    y = afterGap(y, lines.body);
    put(ReportFont::Body, w, y, headingLine());

    const ChannelSheet sheet = decodeChannels(image);
    const int count = content.lastChannel - content.firstChannel + 1;
    const int step = channelStep(y, count, geometry, lines);
    for (int channel = content.firstChannel; channel <= content.lastChannel; ++channel) {
        y -= step;
        put(ReportFont::Body, w, y, std::to_string(channel));
        for (int column = kColReceive; column < kChannelColumns; ++column)
            put(ReportFont::Body, kCellColumns[column - 1] * w, y,
                sheet.cell(channel, column) + ' ');
    }
    return texts;
}

} // namespace quorl
