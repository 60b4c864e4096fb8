#pragma once

// What every window tells the user when the port of its radio job cannot be opened.

namespace quorl::ui {

inline constexpr char kPortOpenFailedMessage[] =
    "Could not Open the Port,Please check whether the Port are occupied or the device are ok";

} // namespace quorl::ui
