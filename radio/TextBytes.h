#pragma once

// Cell texts are bytes, one a character (a name's bytes read as Latin-1); files and terminals
// take UTF-8. These convert between the two and keep control bytes off a terminal.

#include <optional>
#include <string>
#include <string_view>

namespace quorl {

std::string latin1ToUtf8(std::string_view bytes);

// Empty when the text is not UTF-8 or holds a character beyond U+00FF, which no byte stands for.
std::optional<std::string> utf8ToLatin1(std::string_view text);

// Whether the text is well-formed UTF-8.
bool isUtf8(std::string_view text);

// Text in the Windows-1252 code page (what spreadsheets on Windows save as "ANSI") as UTF-8.
std::string windows1252ToUtf8(std::string_view bytes);

// The cell as UTF-8 for a terminal, each control byte written as \xNN so that a name read
// from a radio or a file cannot move the cursor or retitle the window.
std::string displayText(std::string_view bytes);

} // namespace quorl
