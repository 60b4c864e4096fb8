#include "ChannelRowEdit.h"

#include <gtest/gtest.h>

using namespace quorl;

namespace {

ChannelRow makeRow(std::initializer_list<const char*> cells) {
    ChannelRow row;
    int column = 1;
    for (const char* text : cells)
        row[column++] = text;
    return row;
}

ChannelRow fullRow() {
    return makeRow({"446.00625", "446.00625", "OFF", "D023N", "Yes", "High", "No", "CH:012"});
}

} // namespace

TEST(ChannelRowEdit, DefaultNamesHaveThreeDigits) {
    EXPECT_EQ(defaultChannelName(1), "CH:001");
    EXPECT_EQ(defaultChannelName(12), "CH:012");
    EXPECT_EQ(defaultChannelName(199), "CH:199");
}

TEST(ChannelRowEdit, FirstReceiveFrequencyFillsTheRow) {
    ChannelRow row;
    commitFrequency(row, 12, kColReceive, "446.00625", EraseCheck::FrequenciesAndTones);
    EXPECT_EQ(row,
              makeRow({"446.00625", "446.00625", "OFF", "OFF", "Yes", "High", "No", "CH:012"}));
}

TEST(ChannelRowEdit, FirstTransmitFrequencyLeavesReceiveEmpty) {
    ChannelRow row;
    commitFrequency(row, 7, kColTransmit, "446.00625", EraseCheck::FrequenciesAndTones);
    EXPECT_EQ(row, makeRow({"", "446.00625", "OFF", "OFF", "Yes", "High", "No", "CH:007"}));
}

TEST(ChannelRowEdit, DefaultsOnlyWhenReceiveToScanAreAllEmpty) {
    // A tone left on a row (decoded from a record not in use) blocks the defaults.
    ChannelRow row = makeRow({"", "", "67.0"});
    commitFrequency(row, 3, kColReceive, "446.00625", EraseCheck::FrequenciesAndTones);
    EXPECT_EQ(row, makeRow({"446.00625", "", "67.0"}));

    ChannelRow named = makeRow({"", "", "", "", "", "Low", "Carrier", "KEEP"});
    commitFrequency(named, 3, kColTransmit, "440.00000", EraseCheck::FrequenciesAndTones);
    EXPECT_EQ(named, makeRow({"", "440.00000", "OFF", "OFF", "Yes", "High", "No", "CH:003"}));
}

TEST(ChannelRowEdit, ErasingReceiveThenTransmitClearsTheRowInTwoSteps) {
    ChannelRow row = fullRow();
    commitFrequency(row, 12, kColReceive, "", EraseCheck::FrequenciesAndTones);
    EXPECT_EQ(row, makeRow({"", "446.00625", "", "D023N", "Yes", "High", "No", "CH:012"}));
    commitFrequency(row, 12, kColTransmit, "", EraseCheck::FrequenciesAndTones);
    EXPECT_EQ(row, ChannelRow{});
}

TEST(ChannelRowEdit, FlagsStayWhileAToneRemainsUnlessEnterErased) {
    ChannelRow row = makeRow({"", "446.00625", "67.0", "D023N", "Yes", "High", "No", "N"});
    commitFrequency(row, 1, kColTransmit, "", EraseCheck::FrequenciesAndTones);
    EXPECT_EQ(row, makeRow({"", "", "67.0", "", "Yes", "High", "No", "N"}));

    ChannelRow entered = makeRow({"", "446.00625", "67.0", "D023N", "Yes", "High", "No", "N"});
    commitFrequency(entered, 1, kColTransmit, "", EraseCheck::FrequenciesOnly);
    EXPECT_EQ(entered, makeRow({"", "", "67.0"}));
}

TEST(ChannelRowEdit, TypedToneTextsResolveToTableSpelling) {
    const ToneTable tones;
    EXPECT_EQ(resolveToneText(tones, "d023n"), "D023N");
    EXPECT_EQ(resolveToneText(tones, "67.0"), "67.0");
    EXPECT_EQ(resolveToneText(tones, "67"), "OFF");
    EXPECT_EQ(resolveToneText(tones, "off"), "OFF");
    EXPECT_EQ(resolveToneText(tones, ""), "OFF");
}

TEST(ChannelRowEdit, ListEntryIsTheFirstBeginningWithTheText) {
    const ToneTable tones;
    EXPECT_EQ(matchListEntry(tones.entries(), ""), 0u);
    EXPECT_EQ(matchListEntry(tones.entries(), "10.0"), 0u); // not in the table
    EXPECT_EQ(matchListEntry(tones.entries(), "d754i"), 262u);
    EXPECT_EQ(matchListEntry(tones.entries(), "1"), 13u); // "100.0"
    const std::vector<std::string> busy{"No", "Carrier", "QT/DQT"};
    EXPECT_EQ(matchListEntry(busy, "qt/dqt"), 2u);
    EXPECT_EQ(matchListEntry(busy, "Carriers"), 0u);
}
