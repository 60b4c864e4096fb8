#pragma once

// The settings panel in words: each control's caption and what it shows.

#include "SettingsCodec.h"

#include <string>
#include <utility>
#include <vector>

namespace quorl {

// Caption and shown value, in the panel's order: "Type Setting", then "Optional Function".
// A list without a selection shows "(none)"; a check box "ticked" or "not ticked".
std::vector<std::pair<std::string, std::string>> settingsWords(const SettingsState& state);

} // namespace quorl
