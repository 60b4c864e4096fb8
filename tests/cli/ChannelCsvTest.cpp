// The channel table as CSV and back, checked cell by cell the way the window checks typing.

#include "ChannelCsv.h"

#include "ChannelCodec.h"
#include "RandomImage.h"
#include "SettingsCodec.h"

#include <gtest/gtest.h>

namespace quorl {
namespace {

const std::string kHeader =
    "CH,Receive(MHz),Transmit(MHz),Rx Tone,Tx Tone,Scan,Tx Power,BusyLock,Name\r\n";

RadioImage newImage() {
    RadioImage image;
    resetImage(image);
    return image;
}

// What a Save in the window stores for an image it opened.
RadioImage saved(RadioImage image) {
    const ChannelSheet sheet = decodeChannels(image);
    const SettingsState settings = decodeSettings(image);
    encodeChannels(sheet, image);
    encodeSettings(settings, image);
    return image;
}

TEST(ChannelCsv, ExportThenImportGivesTheSavedFile) {
    const ToneTable tones;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const RadioImage image = randomImage(seed);
        RadioImage imported = image;
        const std::vector<CsvCellError> errors =
            importChannelCsv(exportChannelCsv(image), tones, imported);
        EXPECT_TRUE(errors.empty()) << "seed " << seed << ": line " << errors.front().line << ": "
                                    << errors.front().message;
        EXPECT_TRUE(imported == saved(image)) << "seed " << seed;
    }
}

TEST(ChannelCsv, TypedRowsBecomeTheWindowsWords) {
    RadioImage image = newImage();
    ChannelSheet before;
    before.rows[5] = {"", "446.00625", "446.00625", "OFF", "OFF", "Yes", "High", "No", "OLD"};
    encodeChannels(before, image);
    // As a spreadsheet saves it: a byte order mark first, line ends of LF alone.
    const std::string csv = "\xEF\xBB\xBF" + kHeader.substr(0, kHeader.size() - 2) +
                            "\n12,446.0125,446.005,d023n,67.0,no,low,qt/dqt,\xC3\x84rger\n"
                            "13,446.1,,,,,,,\n"; // as a frequency typed into an empty row
    ASSERT_TRUE(importChannelCsv(csv, ToneTable(), image).empty());
    const ChannelSheet after = decodeChannels(image);
    EXPECT_EQ(after.rows[12], (ChannelSheet::Row{"", "446.01250", "446.00500", "D023N", "67.0",
                                                 "No", "Low", "QT/DQT", "\xC4rger"}));
    EXPECT_EQ(after.rows[13], (ChannelSheet::Row{"", "446.10000", "446.10000", "OFF", "OFF", "Yes",
                                                 "High", "No", "CH:013"}));
    EXPECT_EQ(after.rows[5], ChannelSheet::Row{}) << "a channel without a row is emptied";
}

TEST(ChannelCsv, EveryBadCellIsReportedAndNothingChanges) {
    struct Bad {
        const char* row;
        int column;
        const char* says;
    };
    const Bad bad[] = {
        {"200,446.00625,,OFF,OFF,Yes,High,No,A", 1, "not a channel number"},
        {"1,446.00625,,OFF,OFF,Yes,High,No,A", 1, "also on line 2"},
        {"\xCE\xA9,446.00625,,OFF,OFF,Yes,High,No,A", 1, "no byte stands for"},
        {"2,abc,,OFF,OFF,Yes,High,No,", 2, "not a frequency"},
        {"3,136.00000,,OFF,OFF,Yes,High,No,", 2,
         "outside the band 400 - 470MHz of the file's "
         "ZR - 101S"},
        {"4,,446.003,OFF,OFF,Yes,High,No,", 3, "6.25 kHz or 5 kHz"},
        {"5,446.00625,,67.5,OFF,Yes,High,No,", 4, "not in the tone list"},
        {"6,,,,OFF,,,,", 5, "without a frequency has no tone"},
        {"7,446.00625,,OFF,OFF,maybe,High,No,", 6, "not one of Yes, No"},
        {"8,446.00625,,OFF,OFF,Yes,,No,", 7, "needs Tx Power: Low, High"},
        {"9,446.00625,,OFF,OFF,Yes,High,QT,", 8, "not one of No, Carrier, QT/DQT"},
        {"10,446.00625,,OFF,OFF,Yes,High,No,TOOLONG", 9, "at most 6"},
        {"15,446.00625,,OFF,OFF,Yes,High,No,AB\xC3\xBF", 9, "ends a name"},
        {"11,446.00625,,OFF,OFF,Yes,High,No,\xCE\xA9", 9, "no byte stands for"},
        {"12,,,,,,,,PMR", 9, "without a frequency has no name"},
        {"13,446.00625,,OFF", 0, "4 fields"},
        {"14,446.00625,,OFF,OFF,Yes,High,No,\"open", 0, "not closed"},
    };
    std::string csv = kHeader + "1,446.00625,,OFF,OFF,Yes,High,No,A\r\n";
    for (const Bad& b : bad)
        csv += std::string(b.row) + "\r\n";
    const RadioImage image = newImage();
    RadioImage imported = image;

    const std::vector<CsvCellError> errors = importChannelCsv(csv, ToneTable(), imported);
    ASSERT_EQ(errors.size(), std::size(bad));
    for (std::size_t i = 0; i < errors.size(); ++i) {
        EXPECT_EQ(errors[i].line, static_cast<int>(i) + 3) << bad[i].row;
        EXPECT_EQ(errors[i].column, bad[i].column) << bad[i].row;
        EXPECT_NE(errors[i].message.find(bad[i].says), std::string::npos) << errors[i].message;
    }
    EXPECT_TRUE(imported == image);
}

TEST(ChannelCsv, AnotherHeaderIsRefused) {
    RadioImage image = newImage();
    const std::vector<CsvCellError> errors =
        importChannelCsv("Channel,Frequency\r\n1,446.00625\r\n", ToneTable(), image);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].line, 1);
    EXPECT_EQ(errors[0].column, 0);
}

} // namespace
} // namespace quorl
