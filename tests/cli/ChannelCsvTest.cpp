// The channel table as CSV and back, checked cell by cell the way the window checks typing.

#include "ChannelCsv.h"

#include "ChannelCodec.h"
#include "RandomImage.h"
#include "SavedImage.h"
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

TEST(ChannelCsv, ExportThenImportGivesTheSavedFile) {
    const ToneTable tones;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const RadioImage image = randomImage(seed);
        RadioImage imported = image;
        const std::vector<CsvCellError> errors =
            importChannelCsv(exportChannelCsv(image), tones, imported).errors;
        EXPECT_TRUE(errors.empty()) << "seed " << seed << ": line " << errors.front().line << ": "
                                    << errors.front().message;
        EXPECT_TRUE(imported == savedImage(image)) << "seed " << seed;
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
    ASSERT_TRUE(importChannelCsv(csv, ToneTable(), image).errors.empty());
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
        {"8,\"446,00625\",,OFF,OFF,Yes,High,No,", 2, "decimal comma; use a point: 446.00625"},
        {"16,446.0O625,,OFF,OFF,Yes,High,No,", 2, "\"446.0O625\" is not a frequency in MHz"},
        {"17,,446..00625,OFF,OFF,Yes,High,No,", 3, "not a frequency in MHz"},
        {"18,446.00625,,\"67,0\",OFF,Yes,High,No,", 4, "use a point: 67.0"},
        {"19,446.00625,,67.05,OFF,Yes,High,No,", 4, "not in the tone list"},
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

    const std::vector<CsvCellError> errors = importChannelCsv(csv, ToneTable(), imported).errors;
    ASSERT_EQ(errors.size(), std::size(bad));
    for (std::size_t i = 0; i < errors.size(); ++i) {
        EXPECT_EQ(errors[i].line, static_cast<int>(i) + 3) << bad[i].row;
        EXPECT_EQ(errors[i].column, bad[i].column) << bad[i].row;
        EXPECT_NE(errors[i].message.find(bad[i].says), std::string::npos) << errors[i].message;
    }
    EXPECT_TRUE(imported == image);
}

// What spreadsheets write: other separators, headings in another order and case with blanks
// around them, a column of their own, blanks around cells, tones by value, empty flags.
TEST(ChannelCsv, SpreadsheetFormsOfTheSameTable) {
    const char* const tables[] = {
        "CH,Receive(MHz),Transmit(MHz),Rx Tone,Tx Tone,Scan,Tx Power,BusyLock,Name\r\n"
        "12,446.0125,446.005,67.0,D023N,Yes,High,No,PMR\r\n",
        " name ; ch;receive(mhz) ;TRANSMIT(MHZ);Rx Tone;Tx Tone;Scan;Tx Power;BusyLock;Remark\n"
        " PMR ; 12 ; 446.0125 ;446.005; 67 ;d023n;;;;first\n",
        "CH\tReceive(MHz)\tTransmit(MHz)\tRx Tone\tTx Tone\tScan\tTx Power\tBusyLock\tName\n"
        "12\t446.01250\t446.00500\t67.00\tD023N\tyes\t\tno\tPMR\n",
    };
    for (const char* table : tables) {
        SCOPED_TRACE(table);
        RadioImage image = newImage();
        const CsvImport imported = importChannelCsv(table, ToneTable(), image);
        ASSERT_TRUE(imported.errors.empty()) << imported.errors.front().message;
        EXPECT_EQ(decodeChannels(image).rows[12],
                  (ChannelSheet::Row{"", "446.01250", "446.00500", "67.0", "D023N", "Yes", "High",
                                     "No", "PMR"}));
    }
    RadioImage image = newImage();
    EXPECT_EQ(importChannelCsv(tables[1], ToneTable(), image).notes,
              std::vector<std::string>{"columns left out: \"Remark\""});
    // A line of empty headings is not listed whole.
    const std::string wide = kHeader.substr(0, kHeader.size() - 2) + std::string(12, ',') + "\r\n";
    EXPECT_EQ(importChannelCsv(wide, ToneTable(), image).notes,
              std::vector<std::string>{"columns left out: column 10, column 11, column 12, column "
                                       "13, column 14, column 15, column 16, column 17, column 18, "
                                       "column 19 and 2 more"});
}

TEST(ChannelCsv, TextThatIsNotUtf8IsReadAsWindows1252) {
    RadioImage image = newImage();
    const std::string row = "1,446.00625,,OFF,OFF,Yes,High,No,";
    const CsvImport imported = importChannelCsv(kHeader + row + "\xC4rger\r\n", ToneTable(), image);
    ASSERT_TRUE(imported.errors.empty());
    EXPECT_EQ(imported.notes, std::vector<std::string>{"not UTF-8: read as Windows-1252"});
    EXPECT_EQ(decodeChannels(image).cell(1, kColName), "\xC4rger");
    // The euro sign of that code page is no byte of a name.
    const CsvImport euro = importChannelCsv(kHeader + row + "5\x80\r\n", ToneTable(), image);
    ASSERT_EQ(euro.errors.size(), 1u);
    EXPECT_EQ(euro.errors[0].column, 9);
}

TEST(ChannelCsv, HeadingsMissingOrTwiceAreRefused) {
    RadioImage image = newImage();
    const CsvImport imported = importChannelCsv(
        "CH,Name,Receive(MHz),Transmit(MHz),Rx Tone,Tx Tone,Scan,BusyLock,name\r\n", ToneTable(),
        image);
    ASSERT_EQ(imported.errors.size(), 2u);
    EXPECT_EQ(imported.errors[0].column, 9);
    EXPECT_NE(imported.errors[0].message.find("a second Name column (the first is column 2)"),
              std::string::npos);
    EXPECT_NE(imported.errors[1].message.find("it has no Tx Power"), std::string::npos);
}

TEST(ChannelCsv, AnotherHeaderIsRefused) {
    RadioImage image = newImage();
    const std::vector<CsvCellError> errors =
        importChannelCsv("Channel,Frequency\r\n1,446.00625\r\n", ToneTable(), image).errors;
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].line, 1);
    EXPECT_EQ(errors[0].column, 0);
}

} // namespace
} // namespace quorl
