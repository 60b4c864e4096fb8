#include "DefaultMemory.h"

#include "ChannelCodec.h"
#include "SettingsCodec.h"

#include <array>
#include <string>

namespace quorl {

namespace {

struct Channel {
    const char* receive;
    const char* transmit;
    const char* rxTone;
    const char* txTone;
    const char* scan;
    const char* power;
    const char* busyLock;
    const char* name;
};

constexpr std::array<Channel, 8> kChannels{{
    {"446.00625", "446.00625", "OFF", "OFF", "Yes", "Low", "No", "PMR 1"},
    {"446.01875", "446.01875", "67.0", "67.0", "Yes", "Low", "Carrier", "PMR 2"},
    {"446.03125", "446.03125", "88.5", "88.5", "Yes", "Low", "QT/DQT", "PMR 3"},
    {"438.62500", "431.02500", "OFF", "88.5", "Yes", "High", "Carrier", "RELAY"},
    {"433.50000", "433.50000", "OFF", "OFF", "No", "High", "No", "SIMPLX"},
    {"462.56250", "467.56250", "D023N", "D023N", "Yes", "High", "QT/DQT", "SITE A"},
    {"451.25000", "456.25000", "D754I", "D754I", "No", "High", "QT/DQT", "YARD"},
    {"455.37500", "455.37500", "141.3", "141.3", "Yes", "Low", "No", "OFFICE"},
}};

} // namespace

RadioImage defaultSimMemory() {
    RadioImage memory;
    resetImage(memory);

    ChannelSheet sheet;
    for (std::size_t i = 0; i < kChannels.size(); ++i) {
        const Channel& c = kChannels[i];
        sheet.rows.at(i + 1) = {std::to_string(i + 1),
                                c.receive,
                                c.transmit,
                                c.rxTone,
                                c.txTone,
                                c.scan,
                                c.power,
                                c.busyLock,
                                c.name};
    }
    encodeChannels(sheet, memory);

    SettingsState settings;
    settings.type = 0;        // ZR - 101S
    settings.field = 0;       // 400 - 470MHz
    settings.channelName = 0; // ON
    settings.squelch = 3;
    settings.wideNarrow = 0; // NARROW
    settings.voxGain = 0;    // OFF
    settings.batterySave = true;
    settings.beep = true;
    settings.powerMenu = true;
    encodeSettings(settings, memory);
    return memory;
}

} // namespace quorl
