#include "SimFault.h"

#include <array>
#include <charconv>
#include <utility>

namespace quorl {

namespace {

constexpr std::array<std::pair<std::string_view, SimFaultKind>, 10> kNames{{
    {"silent", SimFaultKind::Silent},
    {"wrong-ack", SimFaultKind::WrongHandshakeByte},
    {"no-go-ahead", SimFaultKind::NoGoAheadAnswer},
    {"short", SimFaultKind::ShortReadReply},
    {"no-block-ack", SimFaultKind::MissingBlockAck},
    {"no-write-ack", SimFaultKind::MissingWriteAck},
    {"drop-write", SimFaultKind::DroppedWrite},
    {"hang-up", SimFaultKind::HangUp},
    {"no-command-ack", SimFaultKind::NoCommandAck},
    {"no-frequency-ack", SimFaultKind::NoFrequencyAck},
}};

constexpr int kLastBlock = 1023;
constexpr int kLongestShortReply = 11;

std::optional<int> parseNumber(std::string_view text, int lowest, int highest) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < lowest ||
        value > highest)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<SimFault> parseSimFault(std::string_view text) {
    SimFault fault;
    if (const auto at = text.find('@'); at != std::string_view::npos) {
        fault.block = parseNumber(text.substr(at + 1), 0, kLastBlock);
        if (!fault.block)
            return std::nullopt;
        text = text.substr(0, at);
    }
    std::optional<int> length;
    if (const auto colon = text.find(':'); colon != std::string_view::npos) {
        length = parseNumber(text.substr(colon + 1), 0, kLongestShortReply);
        if (!length)
            return std::nullopt;
        text = text.substr(0, colon);
    }
    bool known = false;
    for (const auto& [name, kind] : kNames) {
        if (name == text) {
            fault.kind = kind;
            known = true;
        }
    }
    const bool blockless = fault.kind == SimFaultKind::WrongHandshakeByte ||
                           fault.kind == SimFaultKind::NoGoAheadAnswer ||
                           fault.kind == SimFaultKind::NoCommandAck ||
                           fault.kind == SimFaultKind::NoFrequencyAck;
    const bool isShort = fault.kind == SimFaultKind::ShortReadReply;
    if (!known || (blockless && fault.block) || (isShort != length.has_value()))
        return std::nullopt;
    if (length)
        fault.replyLength = *length;
    return fault;
}

std::string simFaultSyntax() {
    return "silent[@B] | wrong-ack | no-go-ahead | short:N[@B] | no-block-ack[@B] | "
           "no-write-ack[@B] | drop-write[@B] | hang-up[@B] | no-command-ack | "
           "no-frequency-ack   (B: block "
           "number = address / 8; N: 0..11 bytes)";
}

} // namespace quorl
