#pragma once

#include <string>
#include <string_view>

namespace aw {

// The one mapping between the design's single-byte Windows-1252 texts and Unicode, for
// the forms that leave the program as Unicode text (the JSON form, command-line output,
// drawn sheet labels, the editor's widgets). The five bytes Windows-1252 leaves undefined
// map to the C1 control of the same number, so every byte survives a round trip.
namespace cp1252 {

// The Unicode character of one byte.
char32_t ToCodePoint(unsigned char byte);
// The byte of a Unicode character; false when Windows-1252 has none for it.
bool FromCodePoint(char32_t code, char &byte);

std::string ToUtf8(const std::string &text);

// Converts UTF-8 to Windows-1252. Returns false when the text is not valid UTF-8 or holds
// a character Windows-1252 has no byte for; `bad` is then that character (or U+FFFD for
// broken UTF-8) and `out` is unspecified.
bool FromUtf8(const std::string &utf8, std::string &out, char32_t &bad);

// A file name given to the command-line tool is bytes the system does not say the encoding
// of: each part of the path is kept when valid UTF-8, else read as Windows-1252, so it can be
// shown and put in JSON.
std::string FileNameToUtf8(const std::string &name);

// UTF-16 code units of the text (every Windows-1252 character is a single unit).
std::u16string ToUtf16(std::string_view text);

// Converts UTF-16 to Windows-1252; each character Windows-1252 has no byte for, and each
// unpaired surrogate, becomes `replacement`. A surrogate pair is one character.
std::string FromUtf16(std::u16string_view utf16, char replacement = '?');

} // namespace cp1252

} // namespace aw
