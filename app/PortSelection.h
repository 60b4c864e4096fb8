#pragma once

// The four serial ports a user can pick from the Port menu, by command id. Nothing is opened
// or tested when a port is picked; the name is only remembered by the view.

#include <array>
#include <string_view>

namespace quorl {

struct PortCommand {
    int commandId;
    std::string_view portName;
};

inline constexpr std::array<PortCommand, 4> kPortCommands{{
    {32773, "COM1"},
    {32775, "COM2"},
    {32776, "COM3"},
    {32777, "COM4"},
}};

// The port a command picks, empty for any other command.
std::string_view portForCommand(int commandId);

// A Port item is checked exactly when the chosen name is its port, byte for byte.
bool portCommandChecked(int commandId, std::string_view chosenPort);

} // namespace quorl
