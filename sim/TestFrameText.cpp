#include "TestFrameText.h"

#include "AlignmentParameter.h"
#include "Bcd.h"
#include "NumberText.h"

#include <cstdio>

namespace quorl {

namespace {

// BCD digit pairs, least significant first.
std::uint32_t bcdNumber(const std::vector<std::uint8_t>& bytes, std::size_t from,
                        std::size_t count) {
    std::uint32_t number = 0;
    for (std::size_t i = from + count; i-- > from;)
        number = number * 100 + static_cast<std::uint32_t>(bcdValue(bytes.at(i)));
    return number;
}

std::string frequency(const std::vector<std::uint8_t>& bytes, std::size_t from) {
    return frequencyText(bcdNumber(bytes, from, 4)) + " MHz";
}

std::string tone(const std::vector<std::uint8_t>& bytes, std::size_t from) {
    const std::uint32_t tenths = bcdNumber(bytes, from, 2);
    if (tenths == 0)
        return "off";
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " Hz";
}

std::string parameterName(std::uint8_t command) {
    for (const AlignmentParameterInfo& info : kAlignmentParameters)
        if (info.command == command)
            return std::string(info.name);
    return "unknown";
}

} // namespace

std::string hexBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    char digits[4];
    for (const std::uint8_t byte : bytes) {
        std::snprintf(digits, sizeof digits, text.empty() ? "%02X" : " %02X", byte);
        text += digits;
    }
    return text;
}

std::string describeTestFrame(const SimTestFrame& frame) {
    const std::vector<std::uint8_t>& b = frame.bytes;
    const std::string bytes = hexBytes(b);
    switch (frame.kind) {
    case SimTestFrame::Kind::Command:
        return "command " + bytes + ": " + parameterName(b.at(0));
    case SimTestFrame::Kind::Frequencies:
        return "frequencies " + bytes + ": receive " + frequency(b, 0) + ", transmit " +
               frequency(b, 4);
    case SimTestFrame::Kind::Values:
        return "values " + bytes + ": receive tone " + tone(b, 0) + ", transmit tone " +
               tone(b, 2) + ", value " + std::to_string(b.at(7));
    }
    return bytes;
}

} // namespace quorl
