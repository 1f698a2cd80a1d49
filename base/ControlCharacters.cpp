#include "base/ControlCharacters.h"

#include "base/Cp1252.h"

#include <algorithm>

namespace aw {

namespace {

bool IsC1Control(char32_t code) { return code >= 0x80 && code <= 0x9F; }

} // namespace

bool IsCp1252ControlCharacter(char c)
{
    return IsControlCharacter(c) || IsC1Control(cp1252::ToCodePoint(static_cast<unsigned char>(c)));
}

std::string OneLineText(const std::string &utf8)
{
    std::string shown;
    shown.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        // U+0080..U+00BF are the two bytes C2 80..C2 BF: the second byte is the code point.
        if (utf8[i] == '\xC2' && i + 1 < utf8.size() && IsC1Control(static_cast<unsigned char>(utf8[i + 1]))) {
            shown += ' ';
            ++i;
        } else {
            shown += IsControlCharacter(utf8[i]) ? ' ' : utf8[i];
        }
    }
    return shown;
}

std::string OneLineCp1252Text(std::string text)
{
    std::replace_if(text.begin(), text.end(), IsCp1252ControlCharacter, ' ');
    return text;
}

} // namespace aw
