// The common channel list: rows written by hand from its column list come in with their tone
// modes and duplex, rows the radio cannot hold are named, and an export comes back the same.

#include "CommonCsv.h"

#include "ChannelCodec.h"
#include "SettingsCodec.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace quorl {
namespace {

std::string dataFile(const char* name) {
    std::ifstream in(std::string(QUORL_CLI_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A new file: ZR - 101S, 400 - 470 MHz, W/N WIDE.
RadioImage newImage() {
    RadioImage image;
    resetImage(image);
    return image;
}

std::string lines(const std::vector<CsvLineNote>& notes) {
    std::string text;
    for (const CsvLineNote& note : notes)
        text += std::to_string(note.line) + ": " + note.text + "\n";
    return text;
}

TEST(CommonCsv, EveryToneModeAndDuplexComesIn) {
    RadioImage image = newImage();
    const CommonCsvImport result = importCommonCsv(dataFile("every-tone-mode-and-duplex.csv"),
                                                   ToneTable(), image, LeftOutRows::RefuseImport);
    ASSERT_TRUE(result.stored) << lines(result.leftOut);
    EXPECT_EQ(lines(result.notes),
              "3: Name \"REPEATER+\" is cut to \"REPEAT\", the 6 characters a name holds\n");
    const ChannelSheet sheet = decodeChannels(image);
    const ChannelSheet::Row expected[] = {
        {},
        {"", "446.00625", "446.00625", "OFF", "OFF", "Yes", "High", "No", "SIMPLX"},
        {"", "430.10000", "437.70000", "OFF", "123.0", "Yes", "High", "No", "REPEAT"},
        {"", "439.50000", "431.90000", "103.5", "103.5", "No", "Low", "No", "RPT-"},
        {"", "410.00000", "460.00000", "D125I", "D125N", "Yes", "Low", "No", "SPLIT"},
        {"", "462.56250", "", "100.0", "OFF", "Yes", "High", "No", "LISTEN"},
        {"", "440.00000", "440.00000", "254.1", "67.0", "Yes", "High", "No", "T-T"},
        {"", "440.01250", "440.01250", "D754I", "71.9", "Yes", "High", "No", "T-D"},
        {"", "440.02500", "440.02500", "77.0", "D023I", "Yes", "Low", "No", "D-T"},
        {"", "440.03750", "440.03750", "D017N", "OFF", "Yes", "High", "No", "-D"},
        {"", "440.05000", "440.05000", "OFF", "D431I", "Yes", "High", "No", "D-"},
        {"", "440.06250", "440.06250", "D754I", "D023N", "Yes", "High", "No", "D-D"},
    };
    for (int channel = 1; channel < static_cast<int>(std::size(expected)); ++channel)
        EXPECT_EQ(sheet.rows[channel], expected[channel]) << "channel " << channel;
}

TEST(CommonCsv, RowsTheRadioCannotHoldAreNamedAndLeftOut) {
    const std::string csv = dataFile("rows-left-out.csv");
    const struct {
        int line;
        const char* says;
    } leftOut[] = {
        {2, "Frequency \"146.520000\" is outside the band 400 - 470MHz of the file's ZR - 101S"},
        {3, "Frequency \"446.003000\" is not on a 6.25 kHz or 5 kHz step"},
        {4, "rToneFreq \"67.5\" is not a tone of the list (67.0 to 254.1)"},
        {5, "the transmit frequency (Frequency + Offset) \"474.000000\" is outside the band"},
        {6, "Mode \"DV\" is not one this radio has (FM, NFM)"},
        {7, "Location \"0\" is not a channel from 1 to 199"},
        {8, "DtcsCode \"999\" is not a code of the list (017 to 754)"},
        {10, "Location 26 is also on line 9"},
        {11, "CrossMode \"Tone->\" is not one of Tone->Tone, Tone->DTCS, DTCS->Tone, ->Tone, "
             "->DTCS, DTCS->, DTCS->DTCS"},
        {12, "Offset \"\" is not a frequency in MHz"},
    };
    const RadioImage before = newImage();
    RadioImage image = before;
    const CommonCsvImport result = importCommonCsv(csv, ToneTable(), image, LeftOutRows::Skipped);
    ASSERT_TRUE(result.stored);
    ASSERT_EQ(result.leftOut.size(), std::size(leftOut)) << lines(result.leftOut);
    for (std::size_t i = 0; i < std::size(leftOut); ++i) {
        EXPECT_EQ(result.leftOut[i].line, leftOut[i].line);
        EXPECT_NE(result.leftOut[i].text.find(leftOut[i].says), std::string::npos)
            << result.leftOut[i].text;
    }
    EXPECT_EQ(lines(result.notes), "9: Mode \"NFM\" is not kept: wide or narrow (W/N) is one "
                                   "setting for the whole radio, WIDE in this file\n");
    const ChannelSheet sheet = decodeChannels(image);
    EXPECT_EQ(sheet.rows[26], (ChannelSheet::Row{"", "446.50000", "446.50000", "OFF", "OFF", "Yes",
                                                 "High", "No", "KEPT"}));
    for (int channel = 1; channel <= kChannelCount; ++channel)
        EXPECT_EQ(channelInUse(image, channel), channel == 26) << channel;

    RadioImage strict = before;
    EXPECT_FALSE(importCommonCsv(csv, ToneTable(), strict, LeftOutRows::RefuseImport).stored);
    EXPECT_TRUE(strict == before);
}

TEST(CommonCsv, KnownByItsHeader) {
    const struct {
        const char* text;
        bool common;
    } cases[] = {
        {"Location,Name,Frequency,Duplex,Offset,Tone\r\n1,A,446.1,,0,\r\n", true},
        // Another order, another case, a byte order mark, LF alone: as a spreadsheet saves it.
        {"\xEF\xBB\xBF"
         "frequency, LOCATION\n446.1,1\n",
         true},
        {"CH,Receive(MHz),Transmit(MHz),Rx Tone,Tx Tone,Scan,Tx Power,BusyLock,Name\r\n", false},
        {"Location,Name\r\n", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isCommonCsv(c.text), c.common) << c.text;

    RadioImage image = newImage();
    ASSERT_TRUE(importCommonCsv(cases[1].text, ToneTable(), image, LeftOutRows::Skipped).stored);
    EXPECT_EQ(decodeChannels(image).rows[1][kColTransmit], "446.10000");
}

// BusyLock is not in the layout, so every channel here has a new channel's No.
TEST(CommonCsv, ExportThenImportGivesTheSameBytes) {
    const ChannelSheet::Row channels[] = {
        {"", "446.00625", "446.00625", "OFF", "OFF", "Yes", "High", "No", "SIMPLX"},
        {"", "430.10000", "437.70000", "OFF", "123.0", "No", "Low", "No", "R+"},
        {"", "439.50000", "431.90000", "103.5", "103.5", "Yes", "High", "No", ""},
        {"", "410.00000", "460.00000", "D125I", "D125N", "Yes", "High", "No", "\xC4rger"},
        {"", "460.00000", "410.00000", "67.0", "254.1", "Yes", "High", "No", "DOWN"},
        {"", "462.56250", "", "100.0", "OFF", "Yes", "High", "No", "RX"},
        {"", "440.01250", "440.01250", "D754I", "71.9", "Yes", "High", "No", "T-D"},
        {"", "440.02500", "440.02500", "77.0", "D023I", "Yes", "Low", "No", "D-T"},
        {"", "440.03750", "440.03750", "D017N", "OFF", "Yes", "High", "No", "-D"},
        {"", "440.05000", "440.05000", "OFF", "D431I", "Yes", "High", "No", "D-"},
        {"", "440.06250", "440.06250", "D754I", "D023N", "Yes", "High", "No", "D-D"},
        {"", "440.07500", "440.07500", "D023N", "D023I", "Yes", "High", "No", "NI"},
        {"", "440.08750", "440.08750", "D023N", "D023N", "Yes", "High", "No", "DTCS"},
    };
    for (const int wideNarrow : {0, 1}) {
        const auto blank = [wideNarrow] {
            RadioImage image = newImage();
            SettingsState settings = decodeSettings(image);
            settings.wideNarrow = wideNarrow;
            encodeSettings(settings, image);
            return image;
        };
        RadioImage image = blank();
        ChannelSheet sheet;
        for (std::size_t i = 0; i < std::size(channels); ++i)
            sheet.rows[10 * i + 1] = channels[i]; // gaps between the channels in use
        encodeChannels(sheet, image);

        const CommonCsvExport exported = exportCommonCsv(image);
        EXPECT_TRUE(exported.channelsLeftOut.empty());
        RadioImage imported = blank();
        const CommonCsvImport result =
            importCommonCsv(exported.text, ToneTable(), imported, LeftOutRows::RefuseImport);
        EXPECT_TRUE(result.stored) << lines(result.leftOut);
        EXPECT_TRUE(result.notes.empty()) << lines(result.notes);
        EXPECT_TRUE(imported == image) << exported.text;
    }
}

} // namespace
} // namespace quorl
