#include "TextBytes.h"

#include <cstdint>
#include <cstdio>

namespace quorl {

std::string latin1ToUtf8(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::optional<std::string> utf8ToLatin1(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        if (lead < 0x80) {
            bytes += text[i];
            continue;
        }
        // U+0080..U+00FF are the two-byte sequences C2 80 .. C3 BF; anything else is out.
        if ((lead != 0xC2 && lead != 0xC3) || i + 1 >= text.size())
            return std::nullopt;
        const auto next = static_cast<std::uint8_t>(text[++i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        bytes += static_cast<char>(((lead & 0x03) << 6) | (next & 0x3F));
    }
    return bytes;
}

std::string displayText(std::string_view bytes) {
    std::string shown;
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < 0x20 || byte == 0x7F || (byte >= 0x80 && byte < 0xA0)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        } else {
            shown += latin1ToUtf8({&c, 1});
        }
    }
    return shown;
}

} // namespace quorl
