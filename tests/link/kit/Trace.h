#pragma once

// One ordered record of what the link, the pacer and the transfer UI were asked to do, so a
// test can check whole sequences ("purge clear", "write 52 00 08 08", "pause 15", "pump").

#include <string>
#include <vector>

namespace quorl::testkit {

struct Trace {
    std::vector<std::string> events;
    void add(std::string event) { events.push_back(std::move(event)); }
};

} // namespace quorl::testkit
