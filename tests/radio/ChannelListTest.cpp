// A channel list opened as a document of its own: the band that holds most of its channels,
// the rows left out, and nothing opened from a table with a bad entry.

#include "ChannelList.h"

#include "ChannelCodec.h"
#include "ChannelCsv.h"
#include "SettingsCodec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace quorl {
namespace {

constexpr std::string_view kCommonHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";

SettingsState newSettingsWith(int type, int field) {
    RadioImage image;
    resetImage(image);
    SettingsState settings = decodeSettings(image);
    settings.type = type;
    settings.field = field;
    return settings;
}

TEST(ChannelList, CommonListTakesTheBandOfMostChannelsAndListsTheRest) {
    const std::string text =
        std::string(kCommonHeader) +
        "1,CALL,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,\n"
        "2,RPT,145.600000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,\n"
        "3,UHF,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,\n";
    RadioImage image;
    resetImage(image);
    const ChannelListOpen result = channelListDocument(text, ToneTable(), image);
    ASSERT_TRUE(result.opened);
    EXPECT_EQ(result.refused, std::vector<std::string>{"line 4: Frequency \"446.000000\" is "
                                                       "outside the band 136 - 175MHz of the "
                                                       "file's ZR - 103S"});
    EXPECT_EQ(decodeSettings(image), newSettingsWith(2, 0));
    const ChannelSheet sheet = decodeChannels(image);
    EXPECT_EQ(sheet.rows[1][kColName], "CALL");
    EXPECT_EQ(sheet.rows[2][kColTransmit], "145.00000");
    EXPECT_TRUE(sheet.rows[3][kColReceive].empty());
}

TEST(ChannelList, OurColumnsComeBackAsExportedWithTheirBand) {
    RadioImage exported;
    resetImage(exported);
    ChannelSheet sheet;
    sheet.rows[1] = {"", "146.52000", "146.52000", "OFF", "88.5", "Yes", "High", "No", "CALL"};
    sheet.rows[9] = {"", "145.60000", "145.00000", "D023N", "D023N", "No", "Low", "Yes", "RPT"};
    encodeChannels(sheet, exported);
    SettingsState settings = decodeSettings(exported);
    settings.type = 2;
    encodeSettings(settings, exported);

    RadioImage image;
    resetImage(image);
    const ChannelListOpen result =
        channelListDocument(exportChannelCsv(exported), ToneTable(), image);
    ASSERT_TRUE(result.opened);
    EXPECT_TRUE(result.refused.empty());
    EXPECT_EQ(image, exported);
}

TEST(ChannelList, ABadEntryInOurColumnsOpensNothing) {
    // Two of three channels are VHF, so the UHF one is outside the list's band.
    const std::string text = "CH,Receive(MHz),Transmit(MHz),Rx Tone,Tx Tone,Scan,Tx Power,"
                             "BusyLock,Name\n"
                             "1,146.52000,146.52000,OFF,OFF,Yes,High,No,ONE\n"
                             "2,145.60000,,,,,,,\n"
                             "3,446.00000,,,,,,,\n";
    RadioImage image;
    image.fill(0x5A);
    const RadioImage before = image;
    const ChannelListOpen result = channelListDocument(text, ToneTable(), image);
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(result.refused,
              std::vector<std::string>{"line 4, column 2 (Receive(MHz)): \"446.00000\" is "
                                       "outside the band 136 - 175MHz of the file's ZR - 103S"});
    EXPECT_EQ(image, before);
}

TEST(ChannelList, AFileLargerThanAnyListIsNotRead) {
    char folder[] = "/tmp/channel-list-XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    const std::filesystem::path path = std::filesystem::path(folder) / "big.csv";
    std::ofstream(path) << std::string(kLargestChannelList + 1, '\n');
    RadioImage image;
    const ChannelListOpen result = openChannelList(path, ToneTable(), image);
    std::filesystem::remove_all(folder);
    EXPECT_FALSE(result.file.ok);
    EXPECT_FALSE(result.opened);
    EXPECT_NE(result.file.reason.find("larger than 1048576 bytes"), std::string::npos);
}

} // namespace
} // namespace quorl
