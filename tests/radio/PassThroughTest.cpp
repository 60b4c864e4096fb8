#include "ChannelCodec.h"
#include "SettingsCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

using namespace quorl;

namespace {

// The bits the channel table and the settings panel own; all others must pass through.
// A Type or Field list with nothing selected stores its whole byte as 0xFF.
RadioImage ownedBits(const SettingsState& panel) {
    RadioImage mask{};
    for (std::size_t channel = 0; channel < 199; ++channel) {
        std::fill_n(mask.begin() + channel * 16, 12, 0xFF); // frequencies and tones
        mask[channel * 16 + 12] = 0x33;                     // power, scan, busy lock
        std::fill_n(mask.begin() + 0x0C90 + channel * 8, 8, 0xFF);
    }
    mask[0x1810] = 0xC0;                               // scrambler function, channel name display
    mask[0x1811] = 0x58;                               // bandwidth, beep, battery save
    mask[0x1812] = mask[0x1814] = mask[0x1816] = 0xFF; // squelch, VOX gain, always zeroed
    mask[0x182D] = 0x07;                               // menu options
    mask[0x1F00] = panel.type == kNoSelection ? 0xFF : 0x03;
    mask[0x1F01] = panel.field == kNoSelection ? 0xFF : 0x03;
    return mask;
}

class PassThrough : public ::testing::Test {
protected:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // Random bytes, with the in-use and no-tone markers 0x00 and 0xFF made common.
    RadioImage randomImage() {
        RadioImage image;
        for (auto& b : image)
            b = static_cast<std::uint8_t>(below(256));
        const std::uint8_t markers[] = {0x00, 0xFF, 0x44, 0x14};
        for (std::size_t channel = 0; channel < 199; ++channel)
            for (std::size_t marker : {3, 7, 9, 11})
                image[channel * 16 + marker] = markers[below(4)];
        return image;
    }

    void expectOnlyOwnedBitsChanged(const RadioImage& before, const RadioImage& after,
                                    const SettingsState& panel) {
        const RadioImage owned = ownedBits(panel);
        for (std::size_t offset = 0; offset < kImageSize; ++offset)
            ASSERT_EQ((before[offset] ^ after[offset]) & ~owned[offset], 0)
                << "offset 0x" << std::hex << offset;
    }

    std::mt19937 random_{2024};
};

} // namespace

TEST_F(PassThrough, DecodeThenEncodeChangesOnlyOwnedBits) {
    for (int round = 0; round < 300; ++round) {
        const RadioImage before = randomImage();
        RadioImage after = before;
        encodeChannels(decodeChannels(before), after);
        const SettingsState panel = decodeSettings(before);
        encodeSettings(panel, after);
        expectOnlyOwnedBitsChanged(before, after, panel);
    }
}

TEST_F(PassThrough, EncodingAnyTextsChangesOnlyOwnedBits) {
    const std::string texts[] = {"",
                                 "446.00625",
                                 "1e300",
                                 "-5",
                                 "D023N",
                                 "d023n",
                                 "High",
                                 "Yes",
                                 "QT/DQT",
                                 "Carrier",
                                 "inf",
                                 "D99999999999N",
                                 std::string("\xFF\0z", 3),
                                 "A long name"};
    // Any selection the panel's lists can hold, "none" included.
    auto pick = [&](int entries) { return below(entries + 1) - 1; };
    for (int round = 0; round < 50; ++round) {
        const RadioImage before = randomImage();
        ChannelSheet sheet;
        for (int row = 1; row <= 199; ++row)
            for (int column = 1; column <= 8; ++column)
                sheet.cell(row, column) = texts[below(std::size(texts))];
        const SettingsState panel{pick(3), pick(2), pick(2), pick(10), pick(2), pick(11)};
        RadioImage after = before;
        encodeChannels(sheet, after);
        encodeSettings(panel, after);
        expectOnlyOwnedBitsChanged(before, after, panel);
    }
}

// Frequencies stored in BCD survive an edit-free decode and encode byte for byte, whatever
// their top byte, 1000 MHz and more (A0..F9) included.
TEST_F(PassThrough, DecodeThenEncodeKeepsEveryBcdFrequency) {
    std::vector<std::uint8_t> tops;
    for (int top = 0x01; top <= 0xF9; ++top)
        if ((top & 0x0F) <= 9)
            tops.push_back(static_cast<std::uint8_t>(top));
    auto bcd = [&] { return static_cast<std::uint8_t>(below(10) * 16 + below(10)); };
    RadioImage before = randomImage();
    for (std::size_t field = 0; field < tops.size(); ++field) {
        const std::size_t at = field / 2 * 16 + field % 2 * 4;
        before[at] = bcd();
        before[at + 1] = bcd();
        before[at + 2] = bcd();
        before[at + 3] = tops[field];
    }
    RadioImage after = before;
    encodeChannels(decodeChannels(before), after);
    for (std::size_t field = 0; field < tops.size(); ++field) {
        const std::size_t at = field / 2 * 16 + field % 2 * 4;
        EXPECT_TRUE(std::equal(before.begin() + at, before.begin() + at + 4, after.begin() + at))
            << "top byte 0x" << std::hex << int{tops[field]};
    }
}

// Every top byte with every value of each lower byte (the other two random, or all three
// alike), nibbles above 9 and carries past a byte included: an edit-free decode and encode
// stores each field as it was, or erased when its top byte marks it empty. The text alone,
// encoded into an erased image, gives bytes that read as the same text.
TEST_F(PassThrough, DecodeThenEncodeKeepsEveryStoredFrequency) {
    using Field = std::array<std::uint8_t, 4>;
    std::vector<Field> fields;
    for (int top = 0; top <= 0xFF; ++top)
        for (int position = 0; position <= 3; ++position)
            for (int value = 0; value <= 0xFF; ++value) {
                Field field;
                for (int i = 0; i < 3; ++i)
                    field[i] = static_cast<std::uint8_t>(
                        i == position || position == 3 ? value : below(256));
                field[3] = static_cast<std::uint8_t>(top);
                fields.push_back(field);
            }

    constexpr std::size_t kFieldsPerImage = 2 * 199;
    for (std::size_t first = 0; first < fields.size(); first += kFieldsPerImage) {
        const std::size_t count = std::min(kFieldsPerImage, fields.size() - first);
        const auto at = [](std::size_t field) { return field / 2 * 16 + field % 2 * 4; };
        RadioImage before = randomImage();
        for (std::size_t i = 0; i < count; ++i)
            std::copy(fields[first + i].begin(), fields[first + i].end(), before.begin() + at(i));

        const ChannelSheet sheet = decodeChannels(before);
        RadioImage saved = before;
        encodeChannels(sheet, saved);
        RadioImage typed;
        typed.fill(0xFF);
        encodeChannels(sheet, typed);
        const ChannelSheet retyped = decodeChannels(typed);
        for (std::size_t i = 0; i < count; ++i) {
            const Field& field = fields[first + i];
            const bool empty = field[3] == 0x00 || field[3] == 0xFF;
            const Field expected = empty ? Field{0xFF, 0xFF, 0xFF, 0xFF} : field;
            const int row = static_cast<int>(i / 2 + 1);
            const int column = kColReceive + static_cast<int>(i % 2);
            ASSERT_TRUE(std::equal(expected.begin(), expected.end(), saved.begin() + at(i)))
                << std::hex << "field " << int{field[0]} << ' ' << int{field[1]} << ' '
                << int{field[2]} << ' ' << int{field[3]};
            ASSERT_EQ(retyped.cell(row, column), sheet.cell(row, column));
        }
    }
}
