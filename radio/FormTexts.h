#pragma once

// Words the window shows for a channel's flags, in the order its lists offer them, and the
// typeface of the program's forms and dialogs.

#include <array>
#include <string_view>

namespace quorl {

inline constexpr std::string_view kTxPowerHigh = "High";
inline constexpr std::string_view kTxPowerLow = "Low";
inline constexpr std::string_view kScanYes = "Yes";
inline constexpr std::string_view kScanNo = "No";
inline constexpr std::string_view kBusyLockNo = "No";
inline constexpr std::string_view kBusyLockCarrier = "Carrier";
inline constexpr std::string_view kBusyLockQtDqt = "QT/DQT";

inline constexpr std::array kTxPowerEntries{kTxPowerLow, kTxPowerHigh};
inline constexpr std::array kScanEntries{kScanYes, kScanNo};
inline constexpr std::array kBusyLockEntries{kBusyLockNo, kBusyLockCarrier, kBusyLockQtDqt};

// The channel table's headings, column 0 (the channel number) to column 8.
inline constexpr std::array<std::string_view, 9> kChannelHeadings{
    "CH",   "Receive(MHz)", "Transmit(MHz)", "Rx Tone", "Tx Tone",
    "Scan", "Tx Power",     "BusyLock",      "Name"};

// "Times New Roman"; where it is missing, fontconfig gives its metric twin, Liberation Serif.
inline constexpr std::string_view kFormFontName = "Times New Roman";

} // namespace quorl
