#pragma once

// One ordered record of what the link, the pacer and the transfer UI were asked to do, so a
// test can check whole sequences ("purge clear", "write 52 00 08 08", "pause 15", "pump").

#include <algorithm>
#include <string>
#include <vector>

namespace quorl::testkit {

struct Trace {
    std::vector<std::string> events;

    void add(std::string event) { events.push_back(std::move(event)); }
    long count(const std::string& event) const {
        return std::count(events.begin(), events.end(), event);
    }
    // Position of the first such event at or after `from`; events.size() when there is none.
    std::size_t find(const std::string& event, std::size_t from = 0) const {
        return static_cast<std::size_t>(
            std::find(events.begin() + static_cast<long>(from), events.end(), event) -
            events.begin());
    }
    std::vector<std::string> slice(std::size_t from, std::size_t to) const {
        return {events.begin() + static_cast<long>(from), events.begin() + static_cast<long>(to)};
    }
};

} // namespace quorl::testkit
