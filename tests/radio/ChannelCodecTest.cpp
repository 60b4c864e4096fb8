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

void putBytes(RadioImage& image, std::size_t offset, const Bytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
}

} // namespace

TEST(ChannelCodec, ResetImageEncodesOnlyTheFlagsByte) {
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
    const struct {
        const char* text;
        Bytes stored;
    } cases[] = {
        {"446.00625", {0x25, 0x06, 0x60, 0x44}},  {"145.5", {0x00, 0x00, 0x55, 0x14}},
        {"446.006259", {0x25, 0x06, 0x60, 0x44}}, {"446.006249", {0x24, 0x06, 0x60, 0x44}},
        {"999.99999", {0x99, 0x99, 0x99, 0x99}},  {"", {0xFF, 0xFF, 0xFF, 0xFF}},
        {"0", {0xFF, 0xFF, 0xFF, 0xFF}},          {"1000", {0xFF, 0xFF, 0xFF, 0xFF}},
        {"-446", {0xFF, 0xFF, 0xFF, 0xFF}},       {"1e300", {0xFF, 0xFF, 0xFF, 0xFF}},
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

// Channel 199 sits at 0x0C60 with its name at 0x12C0; a record is in use when byte 3 or
// byte 7 is neither 0x00 nor 0xFF.
TEST(ChannelCodec, DecodesRecordsByTheInUseRule) {
    const struct {
        Bytes record;
        std::array<const char*, 8> cells; // columns 1..8
    } cases[] = {
        {{0x25, 0x06, 0x60, 0x44, 0x00, 0x00, 0x55, 0x14, 0x85, 0x08, 0xFF, 0xFF, 0x31},
         {"446.00625", "145.50000", "88.5", "OFF", "Yes", "High", "Carrier", "CH199"}},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0x23, 0x80, 0xCE},
         {"", "446.00625", "OFF", "D023N", "No", "Low", "QT/DQT", "CH199"}},
        {{0x25, 0x06, 0x60, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x85, 0x08, 0x12, 0x00, 0x33},
         {"", "", "88.5", "", "", "", "", ""}},
        {{0x25, 0x06, 0x60, 0x44, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x03},
         {"446.00625", "", "OFF", "OFF", "No", "Low", "No", "CH199"}},
    };
    for (const auto& c : cases) {
        RadioImage image = freshImage();
        putBytes(image, 0x0C60, c.record);
        putBytes(image, 0x12C0, {'C', 'H', '1', '9', '9', 0xFF, 'X', 'Y'});
        const ChannelSheet sheet = decodeChannels(image);
        for (int column = 1; column <= 8; ++column)
            EXPECT_EQ(sheet.cell(199, column), c.cells[column - 1]) << "column " << column;
        EXPECT_EQ(channelInUse(image, 199), c.cells[0][0] || c.cells[1][0]);
    }
}

TEST(ChannelCodec, FlagColumnsSetOnlyTheirBits) {
    const struct {
        const char *power, *scan, *busyLock;
        std::uint8_t bits; // bits 5, 4, 1, 0
    } cases[] = {
        {"High", "Yes", "Carrier", 0x31},
        {"Low", "No", "No", 0x00},
        {"high", "yes", "QT/DQT", 0x02},
        {"", "", "", 0x02},
    };
    for (const auto& c : cases)
        for (std::uint8_t before : {0x00, 0xFF, 0xCC, 0x33}) {
            RadioImage image = freshImage();
            image[12] = before;
            ChannelSheet sheet;
            sheet.cell(1, kColTxPower) = c.power;
            sheet.cell(1, kColScan) = c.scan;
            sheet.cell(1, kColBusyLock) = c.busyLock;
            encodeChannels(sheet, image);
            EXPECT_EQ(image[12], (before & 0xCC) | c.bits) << c.power << c.scan << c.busyLock;
        }
}

TEST(ChannelCodec, NamesAreRawBytesUpToEight) {
    const struct {
        Bytes slot;
        std::string name;
    } decodes[] = {
        {{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}, "ABCDEFGH"},
        {{'A', 'B', 0x00, 'D', 'E', 'F', 'G', 'H'}, "AB"},
        {{0xE9, 0x80, 0xFF, 'D', 'E', 'F', 'G', 'H'}, "\xE9\x80"},
    };
    for (const auto& c : decodes) {
        RadioImage image = freshImage();
        putBytes(image, 3, {0x44});
        putBytes(image, 0x0C90, c.slot);
        EXPECT_EQ(decodeChannels(image).cell(1, kColName), c.name);
    }
    const struct {
        std::string name;
        Bytes slot;
    } encodes[] = {
        {"ABCDEFGHIJ", {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}},
        {"\xE9z", {0xE9, 'z', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"", Bytes(8, 0xFF)},
    };
    for (const auto& c : encodes) {
        RadioImage image = freshImage();
        ChannelSheet sheet;
        sheet.cell(2, kColName) = c.name;
        encodeChannels(sheet, image);
        EXPECT_EQ(bytesAt(image, 0x0C98, 8), c.slot) << c.name;
    }
}
