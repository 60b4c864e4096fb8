#include "CellBlock.h"

#include "SettingsCodec.h"

#include <gtest/gtest.h>

using namespace quorl;

namespace {

// ZR - 101S, 400 - 470MHz.
constexpr int kType = 0;
constexpr int kField = 0;

ChannelSheet::Row row(std::initializer_list<const char*> cells) {
    ChannelSheet::Row r;
    int column = 1;
    for (const char* text : cells)
        r[column++] = text;
    return r;
}

struct CellBlockTest : ::testing::Test {
    ToneTable tones;
    ChannelCellCheck check{tones, kType, kField, "the panel"};
};

} // namespace

TEST(CellBlock, ReadsTabsOrQuotedCommasAndWritesTabs) {
    EXPECT_EQ(parseCellBlock("446\tOFF\r\n\t x\n"), (CellBlock{{"446", "OFF"}, {"", " x"}}));
    EXPECT_EQ(parseCellBlock("446,\"A,\"\"B\"\n145.5"), (CellBlock{{"446", "A,\"B"}, {"145.5"}}));
    EXPECT_EQ(formatCellBlock({{"12", "\xC4Z"}, {""}}), "12\t\xC3\x84Z\n\n");
}

TEST(CellBlock, PlacesABlockOnCellsOrChannels) {
    struct Case {
        CellBlock block;
        CellSelection selection;
        std::vector<std::tuple<int, int, std::string>> cells;
    };
    const Case cases[] = {
        // two cells from the current cell
        {{{"a", "b"}}, {5, 3, 5, 3, {}}, {{5, 3, "a"}, {5, 4, "b"}}},
        // whole channels, number dropped, onto the selected channels in order
        {{{"1", "r1", "", "", "", "", "", "", "n1"}, {"2", "r2", "", "", "", "", "", "", "n2"}},
         {0, 0, 0, 0, {4, 9}},
         {{4, 1, "r1"}, {4, 2, ""}, {4, 8, "n1"}, {9, 1, "r2"}, {9, 8, "n2"}}},
        // more rows than selected channels: one below the other from the first
        {{{"x"}, {"y"}}, {0, 0, 0, 0, {7}}, {{7, 1, "x"}, {8, 1, "y"}}},
        // one cell fills a selected block
        {{{"No"}}, {3, 5, 4, 5, {}}, {{3, 5, "No"}, {4, 5, "No"}}},
    };
    for (const Case& c : cases) {
        const PlacedBlock placed = placeBlock(c.block, c.selection);
        ASSERT_FALSE(placed.refusal);
        for (const auto& [channel, column, text] : c.cells)
            EXPECT_TRUE(std::any_of(placed.cells.begin(), placed.cells.end(),
                                    [&](const auto& p) {
                                        return p.channel == channel && p.column == column &&
                                               p.text == text;
                                    }))
                << channel << "," << column;
    }
}

TEST(CellBlock, RefusesABlockThatDoesNotFit) {
    const PlacedBlock wide = placeBlock({{"a", "b"}}, {3, 8, 3, 8, {}});
    ASSERT_TRUE(wide.refusal);
    EXPECT_EQ(wide.refusal->column, 8);
    EXPECT_TRUE(placeBlock({{"a"}, {"b"}}, {199, 1, 199, 1, {}}).refusal);
}

TEST_F(CellBlockTest, AFrequencyAloneMakesANewChannel) {
    ChannelSheet sheet;
    ASSERT_FALSE(pasteCells(sheet, {{12, kColReceive, "446.00625"}}, check));
    EXPECT_EQ(sheet.rows[12],
              row({"446.00625", "446.00625", "OFF", "OFF", "Yes", "High", "No", "CH:012"}));
}

TEST_F(CellBlockTest, ARefusedCellChangesNothingAndIsNamed) {
    ChannelSheet sheet;
    sheet.rows[3] = row({"446.00000", "446.00000", "OFF", "OFF", "Yes", "High", "No", "CH:003"});
    const ChannelSheet before = sheet;
    const std::optional<CellRefusal> refusal = pasteCells(sheet,
                                                          {{2, kColReceive, "446.5"},
                                                           {3, kColScan, "no"},
                                                           {3, kColTxPower, "Medium"},
                                                           {4, kColReceive, "500"}},
                                                          check);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->at, 3);
    EXPECT_EQ(refusal->column, kColTxPower);
    EXPECT_EQ(refusal->message, "\"Medium\" is not one of Low, High");
    EXPECT_EQ(sheet.rows, before.rows);
}

TEST_F(CellBlockTest, CellsAreTakenAsTyped) {
    ChannelSheet sheet;
    sheet.rows[3] = row({"446.00000", "446.00000", "OFF", "OFF", "Yes", "High", "No", "LONGNAME"});
    sheet.rows[4] = sheet.rows[3];
    ASSERT_FALSE(pasteCells(sheet,
                            {{3, kColRxTone, "d023n"},
                             {3, kColScan, "no"},
                             {3, kColName, "LONGNAME"},
                             {4, kColReceive, ""},
                             {4, kColTransmit, ""}},
                            check));
    EXPECT_EQ(sheet.rows[3],
              row({"446.00000", "446.00000", "D023N", "OFF", "No", "High", "No", "LONGNAME"}));
    EXPECT_EQ(sheet.rows[4], ChannelSheet::Row{});
}
