#pragma once

#include <algorithm>
#include <string>

namespace aw {

// Tabs, line breaks, escapes and the like: bytes a terminal obeys rather than shows.
inline bool IsControlCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// The text with each control character as a space: it stays on its line and a name cannot
// steer the terminal.
inline std::string OneLineText(std::string text)
{
    std::replace_if(text.begin(), text.end(), IsControlCharacter, ' ');
    return text;
}

} // namespace aw
