#pragma once

#include <string>

// Conversion between the design's single-byte Windows-1252 texts and UTF-8, for the forms
// that leave the program as Unicode text (the JSON form, command-line output). The five
// bytes Windows-1252 leaves undefined map to the C1 control of the same number, so every
// byte survives a round trip.
namespace cp1252 {

std::string ToUtf8(const std::string &text);

// Converts UTF-8 to Windows-1252. Returns false when the text is not valid UTF-8 or holds
// a character Windows-1252 has no byte for; `bad` is then that character (or U+FFFD for
// broken UTF-8) and `out` is unspecified.
bool FromUtf8(const std::string &utf8, std::string &out, char32_t &bad);

// Messages carry file paths (UTF-8 on this platform) beside design texts (Windows-1252):
// kept as they are when valid UTF-8, else read as Windows-1252.
std::string MessageToUtf8(const std::string &message);

} // namespace cp1252
