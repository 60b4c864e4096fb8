#include "TotSettings.h"

#include <gtest/gtest.h>

using namespace quorl;

TEST(TotSettings, SecondsListsStartWithOff) {
    EXPECT_EQ(totSecondsTexts(0, 2), (std::vector<std::string>{"Off", "0s", "1s", "2s"}));
}

TEST(TotSettings, BytesSelectTheEntryOfTheirMaskedValue) {
    const struct {
        std::size_t offset;
        std::uint8_t byte;
        int TotState::*list;
        int selection;
    } cases[] = {
        {0x1813, 0x08, &TotState::timeOutTime, 8},  {0x1813, 0xE6, &TotState::timeOutTime, 6},
        {0x1813, 0x09, &TotState::timeOutTime, -1}, {0x1813, 0xFF, &TotState::timeOutTime, -1},
        {0x182A, 0xFF, &TotState::preAlert, 15},    {0x182B, 0x3D, &TotState::rekeyTimes, 61},
        {0x182B, 0x3E, &TotState::rekeyTimes, -1},  {0x182B, 0xFF, &TotState::rekeyTimes, -1},
        {0x182C, 0xF1, &TotState::resetTimes, 1},
    };
    for (const auto& c : cases) {
        RadioImage image;
        resetImage(image);
        image[c.offset] = c.byte;
        EXPECT_EQ(decodeTot(image).*c.list, c.selection) << std::hex << c.offset << " " << +c.byte;
    }
}

TEST(TotSettings, SelectionsAreStoredMaskedAsWholeBytes) {
    const struct {
        TotState state;
        std::array<std::uint8_t, 4> bytes; // 0x1813, 0x182A, 0x182B, 0x182C
    } cases[] = {
        {{8, 15, 61, 15}, {0x08, 0x0F, 0x3D, 0x0F}},
        {{0, 0, 1, 0}, {0x00, 0x00, 0x01, 0x00}},
        {{-1, -1, -1, -1}, {0x1F, 0x0F, 0x3F, 0x0F}},
    };
    for (const auto& c : cases) {
        RadioImage image;
        image.fill(0xA5);
        encodeTot(c.state, image);
        EXPECT_EQ((std::array{image[0x1813], image[0x182A], image[0x182B], image[0x182C]}),
                  c.bytes);
    }
}
