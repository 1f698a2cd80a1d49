#pragma once

#include <string>

namespace aw {

// Tabs, line breaks, escapes and the like: bytes a terminal obeys rather than shows.
inline bool IsControlCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// The same for a byte of Windows-1252 text: also the five bytes it leaves undefined, which
// become C1 controls in Unicode. Its other bytes 0x80..0x9F are printable (the euro sign).
bool IsCp1252ControlCharacter(char c);

// The UTF-8 text with each control character as one space: it stays on its line, keeps its
// width and a name cannot steer the terminal. Besides the single bytes, that is the C1
// controls U+0080..U+009F (U+009B starts an escape sequence as ESC [ does, U+0085 breaks
// the line).
std::string OneLineText(const std::string &utf8);

// The same for Windows-1252 text.
std::string OneLineCp1252Text(std::string text);

} // namespace aw
