#pragma once

// Ids of the form's controls and of the in-place editors of the channel table.

namespace quorl {

enum FormControlId : int {
    kIdType = 1104,
    kIdField = 1105,
    kIdChannelName = 1107,
    kIdSquelchLevel = 1016,
    kIdWideNarrow = 1097,
    kIdVoxGainLevel = 1077,
    kIdScramblerFunction = 1075,
    kIdBatterySave = 1090,
    kIdBeep = 1074,
    kIdDisableMenu = 1109,
    kIdPowerMenu = 1110,
    kIdScramblerMenu = 1117,
    kIdChannelTable = 1007,
    kIdFrequencyEditor = 61446,
    kIdNameEditor = 61454,
    kIdToneEditor = 1000,
    kIdPowerEditor = 61449,
    kIdScanEditor = 61450,
    kIdBusyLockEditor = 61453,
};

} // namespace quorl
