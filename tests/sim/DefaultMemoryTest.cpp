// The simulated radio's built-in memory must look like a radio the program could have
// written: its channels inside the band of its model, every text one the editor allows.

#include "DefaultMemory.h"
#include "BandLimits.h"
#include "ChannelCodec.h"
#include "NumberText.h"
#include "SettingsCodec.h"
#include "ToneTable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorl {
namespace {

TEST(DefaultMemory, ChannelsAreInTheBandOfTheModel) {
    const RadioImage memory = defaultSimMemory();
    const SettingsState settings = decodeSettings(memory);
    const std::optional<BandLimit> band = bandLimit(settings.type, settings.field);
    ASSERT_TRUE(band);
    const ChannelSheet sheet = decodeChannels(memory);
    const ToneTable tones;
    int inUse = 0;
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        if (!channelInUse(memory, channel))
            continue;
        ++inUse;
        SCOPED_TRACE(channel);
        for (const int column : {kColReceive, kColTransmit}) {
            const std::optional<std::uint32_t> count = frequencyCount(sheet.cell(channel, column));
            ASSERT_TRUE(count);
            EXPECT_TRUE(band->contains(*count)) << sheet.cell(channel, column);
        }
        for (const int column : {kColRxTone, kColTxTone})
            EXPECT_NE(std::find(tones.entries().begin(), tones.entries().end(),
                                sheet.cell(channel, column)),
                      tones.entries().end());
        const std::string& name = sheet.cell(channel, kColName);
        EXPECT_FALSE(name.empty());
        EXPECT_LE(name.size(), 6u);
    }
    EXPECT_GE(inUse, 5);
    EXPECT_LT(inUse, 20);
}

TEST(DefaultMemory, IsWhatTheProgramWouldWriteBack) {
    const RadioImage memory = defaultSimMemory();
    RadioImage again = memory;
    encodeChannels(decodeChannels(memory), again);
    encodeSettings(decodeSettings(memory), again);
    EXPECT_EQ(again, memory);
}

} // namespace
} // namespace quorl
