// A radio image in words: the dump of one file and the differences between two.

#include "ImageWords.h"

#include "ChannelCodec.h"
#include "SettingsCodec.h"

#include <gtest/gtest.h>

namespace quorl {
namespace {

RadioImage withChannel(int channel, const ChannelSheet::Row& row) {
    RadioImage image;
    resetImage(image);
    ChannelSheet sheet;
    sheet.rows[channel] = row;
    encodeChannels(sheet, image);
    return image;
}

TEST(ImageWords, DumpShowsThePanelAndTheChannelsInUse) {
    const RadioImage image = withChannel(
        12, {"", "446.00625", "446.00625", "OFF", "D023N", "Yes", "High", "No", "PMR\x07"});
    const std::string dump = dumpImage(image);
    for (const char* line :
         {"Type                ZR - 101S\n", "Field               400 - 470MHz\n",
          "Squelch Level       5\n", "Vox Gain Level      OFF\n",
          "Scrambler Function  not ticked\n", "Beep                ticked\n",
          "CH  Receive(MHz)  Transmit(MHz)  Rx Tone  Tx Tone  Scan  Tx Power  "
          "BusyLock  Name\n",
          "12  446.00625     446.00625      OFF      D023N    Yes   High      "
          "No        PMR\\x07\n"})
        EXPECT_NE(dump.find(line), std::string::npos) << line << "in\n" << dump;
    EXPECT_EQ(std::count(dump.begin(), dump.end(), '\n'), 12 + 1 + 2) << dump;
}

TEST(ImageWords, DiffNamesCellsSettingsAndBytes) {
    const RadioImage a =
        withChannel(3, {"", "446.00625", "446.00625", "OFF", "OFF", "Yes", "High", "No", "CH:003"});
    RadioImage b = withChannel(
        3, {"", "446.00625", "446.00625", "67.0", "OFF", "Yes", "High", "No", "CH:003"});
    b[kSquelchLevel] = 3;
    b[kPttIdCode] = 'A';

    EXPECT_EQ(describeDifferences(a, b),
              (std::vector<std::string>{"channel 3 Rx Tone: OFF -> 67.0", "Squelch Level: 5 -> 3",
                                        "bytes that differ: 0x0028-0x0029, 0x1812, 0x1D30"}));
    EXPECT_EQ(describeDifferences(a, b, kPttIdCode),
              (std::vector<std::string>{"channel 3 Rx Tone: OFF -> 67.0", "Squelch Level: 5 -> 3",
                                        "bytes that differ: 0x0028-0x0029, 0x1812"}));
    EXPECT_TRUE(describeDifferences(a, a).empty());
}

} // namespace
} // namespace quorl
