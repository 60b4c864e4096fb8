#include "PortSelection.h"

namespace quorl {

std::string_view portForCommand(int commandId) {
    for (const PortCommand& command : kPortCommands)
        if (command.commandId == commandId)
            return command.portName;
    return {};
}

bool portCommandChecked(int commandId, std::string_view chosenPort) {
    const std::string_view port = portForCommand(commandId);
    return !port.empty() && port == chosenPort;
}

} // namespace quorl
