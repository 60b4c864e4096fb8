#include "ChannelCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace quorl;

namespace {

using Bytes = std::vector<std::uint8_t>;

RadioImage freshImage() {
    RadioImage image;
    resetImage(image);
    return image;
}

Bytes bytesAt(const RadioImage& image, std::size_t offset, std::size_t count) {
    return Bytes(image.begin() + offset, image.begin() + offset + count);
}

} // namespace

TEST(ChannelCodec, ResetImageShowsEmptyRowsAndEncodesOnlyTheFlagsByte) {
    const RadioImage reset = freshImage();
    const ChannelSheet sheet = decodeChannels(reset);
    for (int row = 1; row <= 199; ++row)
        for (int column = 1; column <= 8; ++column)
            EXPECT_EQ(sheet.cell(row, column), "") << row << "/" << column;

    RadioImage image = reset;
    encodeChannels(sheet, image);
    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        const bool flags = offset < 199 * 16 && offset % 16 == 12;
        EXPECT_EQ(image[offset], flags ? 0xCE : reset[offset]) << std::hex << offset;
    }
}

TEST(ChannelCodec, FrequencyTextsEncodeAsBcd) {
    const Bytes empty(4, 0xFF);
    const struct {
        const char* text;
        Bytes stored;
    } cases[] = {
        // clang-format off
        {"446.00625", {0x25, 0x06, 0x60, 0x44}}, {"145.5", {0x00, 0x00, 0x55, 0x14}},
        {"446.006259", {0x25, 0x06, 0x60, 0x44}}, {"446.006249", {0x24, 0x06, 0x60, 0x44}},
        {"999.99999", {0x99, 0x99, 0x99, 0x99}}, {"", empty}, {"0", empty},
        {"1000", {0x00, 0x00, 0x00, 0xA0}}, {"1599.99999", {0x99, 0x99, 0x99, 0xF9}},
        {"1606.00625", {0x25, 0x06, 0x60, 0xFA}}, {"1656.66666", empty},
        {"-446", empty}, {"1e300", empty},
        // clang-format on
    };
    for (const auto& c : cases) {
        RadioImage image = freshImage();
        ChannelSheet sheet;
        sheet.cell(7, kColReceive) = c.text;
        sheet.cell(7, kColTransmit) = c.text;
        encodeChannels(sheet, image);
        EXPECT_EQ(bytesAt(image, 6 * 16, 4), c.stored) << c.text;
        EXPECT_EQ(bytesAt(image, 6 * 16 + 4, 4), c.stored) << c.text;
    }
}

// Channel 199 sits at 0x0C60 with its name at 0x12C0. A record is in use when byte 3 or
// byte 7 is neither 0x00 nor 0xFF; a stored tone shows even when it is not.
TEST(ChannelCodec, DecodesRecordsByTheInUseRule) {
    const struct {
        Bytes record;
        std::array<const char*, 8> cells; // columns 1..8
    } cases[] = {
        {{0x25, 0x06, 0x60, 0x44, 0x00, 0x00, 0x55, 0x14, 0x85, 0x08, 0xFF, 0xFF, 0x31},
         {"446.00625", "145.50000", "88.5", "OFF", "Yes", "High", "Carrier", "CH1\xE9"}},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0x23, 0x80, 0xCE},
         {"", "446.00625", "OFF", "D023N", "No", "Low", "QT/DQT", "CH1\xE9"}},
        {{0x25, 0x06, 0x60, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x85, 0x08, 0x12, 0x00, 0x33},
         {"", "", "88.5", "", "", "", "", ""}},
        {{0x25, 0x06, 0x60, 0x44, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x03},
         {"446.00625", "", "OFF", "OFF", "No", "Low", "No", "CH1\xE9"}},
    };
    for (const auto& c : cases) {
        RadioImage image = freshImage();
        std::copy(c.record.begin(), c.record.end(), image.begin() + 0x0C60);
        const Bytes name{'C', 'H', '1', 0xE9, 0x00, 'X', 'Y', 'Z'};
        std::copy(name.begin(), name.end(), image.begin() + 0x12C0);
        const ChannelSheet sheet = decodeChannels(image);
        for (int column = 1; column <= 8; ++column)
            EXPECT_EQ(sheet.cell(199, column), c.cells[column - 1]) << "column " << column;
        EXPECT_EQ(channelInUse(image, 199), *c.cells[0] || *c.cells[1]);
    }
}

TEST(ChannelCodec, FlagAndNameColumnsWriteOnlyTheirBits) {
    const struct {
        const char *power, *scan, *busyLock;
        std::uint8_t bits; // bits 5, 4, 1, 0
    } cases[] = {{"High", "Yes", "Carrier", 0x31},
                 {"Low", "No", "No", 0x00},
                 {"high", "yes", "QT/DQT", 0x02},
                 {"", "", "", 0x02}};
    for (const auto& c : cases)
        for (std::uint8_t before : {0x00, 0xFF, 0xCC, 0x33}) {
            RadioImage image = freshImage();
            image[12] = before;
            ChannelSheet sheet;
            sheet.cell(1, kColTxPower) = c.power;
            sheet.cell(1, kColScan) = c.scan;
            sheet.cell(1, kColBusyLock) = c.busyLock;
            sheet.cell(1, kColName) = "ABCDEFGHIJ";
            sheet.cell(2, kColName) = "\xE9z";
            encodeChannels(sheet, image);
            EXPECT_EQ(image[12], (before & 0xCC) | c.bits) << c.power << c.scan << c.busyLock;
            EXPECT_EQ(bytesAt(image, 0x0C90, 8), Bytes({'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}));
            EXPECT_EQ(bytesAt(image, 0x0C98, 8),
                      Bytes({0xE9, 'z', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
        }
}
