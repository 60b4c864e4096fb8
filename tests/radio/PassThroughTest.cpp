#include "ChannelCodec.h"
#include "SettingsCodec.h"
#include "ToneCode.h"
#include "ToneTable.h"

#include <gtest/gtest.h>

#include <random>

using namespace quorl;

namespace {

// The bits the channel table and the settings panel own; all others must pass through.
// A Type or Field list with nothing selected stores its whole byte as 0xFF.
RadioImage ownedBits(const SettingsState& panel) {
    RadioImage mask{};
    for (std::size_t channel = 0; channel < 199; ++channel) {
        for (std::size_t i = 0; i < 12; ++i)
            mask[channel * 16 + i] = 0xFF; // frequencies and tones
        mask[channel * 16 + 12] = 0x33;    // power, scan, busy lock
        for (std::size_t i = 0; i < 8; ++i)
            mask[0x0C90 + channel * 8 + i] = 0xFF;
    }
    mask[0x1810] = 0xC0; // scrambler function, channel name display
    mask[0x1811] = 0x58; // bandwidth, beep, battery save
    mask[0x1812] = 0xFF; // squelch
    mask[0x1814] = 0xFF; // VOX gain
    mask[0x1816] = 0xFF; // zeroed
    mask[0x182D] = 0x07; // menu options
    mask[0x1F00] = panel.type == kNoSelection ? 0xFF : 0x03;
    mask[0x1F01] = panel.field == kNoSelection ? 0xFF : 0x03;
    return mask;
}

// Random bytes, with the in-use and no-tone markers 0x00 and 0xFF made common.
RadioImage randomImage(std::mt19937& random) {
    RadioImage image;
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto& b : image)
        b = static_cast<std::uint8_t>(byte(random));
    const std::uint8_t markers[] = {0x00, 0xFF, 0x44, 0x14};
    for (std::size_t channel = 0; channel < 199; ++channel)
        for (std::size_t marker : {3, 7, 9, 11})
            image[channel * 16 + marker] = markers[byte(random) % 4];
    return image;
}

void expectOnlyOwnedBitsChanged(const RadioImage& before, const RadioImage& after,
                                const SettingsState& panel) {
    const RadioImage owned = ownedBits(panel);
    for (std::size_t offset = 0; offset < kImageSize; ++offset)
        ASSERT_EQ((before[offset] ^ after[offset]) & ~owned[offset], 0)
            << "offset 0x" << std::hex << offset;
}

} // namespace

TEST(PassThrough, DecodeThenEncodeChangesOnlyOwnedBits) {
    std::mt19937 random(2024);
    for (int round = 0; round < 300; ++round) {
        const RadioImage before = randomImage(random);
        RadioImage after = before;
        encodeChannels(decodeChannels(before), after);
        const SettingsState panel = decodeSettings(before);
        encodeSettings(panel, after);
        expectOnlyOwnedBitsChanged(before, after, panel);
    }
}

TEST(PassThrough, EncodingAnyTextsChangesOnlyOwnedBits) {
    const std::string texts[] = {"",
                                 "446.00625",
                                 "1e300",
                                 "-5",
                                 "inf",
                                 "D023N",
                                 "D99999999999N",
                                 "d023n",
                                 "High",
                                 "Yes",
                                 "Carrier",
                                 "QT/DQT",
                                 std::string("\xFF\0z", 3),
                                 "A very long name"};
    std::mt19937 random(99);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(texts) - 1);
    // Any selection the panel's lists can hold, "none" included.
    auto selection = [&](int entries) {
        return std::uniform_int_distribution(-1, entries - 1)(random);
    };
    for (int round = 0; round < 50; ++round) {
        const RadioImage before = randomImage(random);
        ChannelSheet sheet;
        for (int row = 1; row <= 199; ++row)
            for (int column = 1; column <= 8; ++column)
                sheet.cell(row, column) = texts[pick(random)];
        const SettingsState panel{selection(3),  selection(2), selection(2),
                                  selection(10), selection(2), selection(11)};
        RadioImage after = before;
        encodeChannels(sheet, after);
        encodeSettings(panel, after);
        expectOnlyOwnedBitsChanged(before, after, panel);
    }
}

// Images as the radio itself writes them come back byte for byte.
TEST(PassThrough, WellFormedImagesRoundTripExactly) {
    const ToneTable tones;
    std::mt19937 random(5);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    auto bcd = [](int n) { return static_cast<std::uint8_t>(n / 10 * 16 + n % 10); };
    for (int round = 0; round < 50; ++round) {
        RadioImage image = randomImage(random);
        for (std::size_t channel = 0; channel < 199; ++channel) {
            std::uint8_t* record = image.data() + channel * 16;
            std::uint8_t* name = image.data() + 0x0C90 + channel * 8;
            std::fill_n(record, 12, 0xFF);
            std::fill_n(name, 8, 0xFF);
            record[12] = static_cast<std::uint8_t>((record[12] & 0xCC) | 0x02);
            if (below(4) == 0)
                continue; // an empty channel
            for (std::size_t frequency : {0, 4})
                if (frequency == 0 || below(3) != 0)
                    for (std::size_t i = 0; i < 4; ++i)
                        record[frequency + i] = bcd(i == 3 ? 1 + below(99) : below(100));
            for (std::size_t tone : {8, 10}) {
                const ToneCode code = textToTone(tones.at(below(263)));
                record[tone] = code.low;
                record[tone + 1] = code.high;
            }
            record[12] = static_cast<std::uint8_t>((record[12] & 0xCC) | below(3) | below(4) << 4);
            for (int i = 0, length = below(9); i < length; ++i)
                name[i] = static_cast<std::uint8_t>(1 + below(254));
        }
        image[0x1816] = 0x00;
        image[0x1812] = static_cast<std::uint8_t>(below(10));
        image[0x1814] = static_cast<std::uint8_t>(below(11));
        image[0x1F00] = static_cast<std::uint8_t>((image[0x1F00] & 0xFC) | below(3));
        image[0x1F01] = static_cast<std::uint8_t>((image[0x1F01] & 0xFC) | below(2));

        RadioImage copy = image;
        encodeChannels(decodeChannels(image), copy);
        encodeSettings(decodeSettings(image), copy);
        ASSERT_EQ(copy, image) << "round " << round;
    }
}
