#pragma once

// The 263 tone texts a user can choose from: "OFF", 50 CTCSS tones, 106 DCS codes
// normal ("N") and the same 106 inverted ("I"). Built once when the program starts.

#include <cstddef>
#include <string>
#include <vector>

namespace quorl {

class ToneTable {
public:
    static constexpr std::size_t kSize = 263;
    static constexpr std::size_t kFirstCtcss = 1;
    static constexpr std::size_t kCtcssCount = 50;
    static constexpr std::size_t kFirstDcsNormal = 51;
    static constexpr std::size_t kDcsCount = 106;
    static constexpr std::size_t kFirstDcsInverted = 157;

    ToneTable();

    const std::vector<std::string>& entries() const { return entries_; }
    const std::string& at(std::size_t index) const { return entries_.at(index); }
    std::size_t size() const { return entries_.size(); }

private:
    std::vector<std::string> entries_;
};

} // namespace quorl
