#include "base/Cp1252.h"

#include <cstdint>

namespace aw {

namespace cp1252 {

namespace {

// Code points of the bytes 0x80..0x9F; 0 marks a byte Windows-1252 leaves undefined.
constexpr char32_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void AppendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Marks a broken sequence: beyond every code point.
constexpr char32_t kBroken = 0x110000;

// Decodes one UTF-8 character at text[i], advancing i; kBroken for broken or overlong
// sequences and surrogates.
char32_t NextCodePoint(const std::string &text, size_t &i)
{
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t code = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, code = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, code = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, code = lead & 0x07, least = 0x10000;
    } else {
        return kBroken;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return kBroken;
        code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return kBroken;
    return code;
}

bool IsValidUtf8(const std::string &text)
{
    for (size_t i = 0; i < text.size();) {
        if (NextCodePoint(text, i) == kBroken)
            return false;
    }
    return true;
}

// The characters whose byte is their own number.
bool IsLatin1Byte(char32_t code) { return code < 0x80 || (code >= 0xA0 && code <= 0xFF); }

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

} // namespace

char32_t ToCodePoint(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F && kHigh[byte - 0x80] != 0)
        return kHigh[byte - 0x80];
    return byte;
}

bool FromCodePoint(char32_t code, char &byte)
{
    if (IsLatin1Byte(code)) {
        byte = static_cast<char>(code);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == code || (kHigh[i] == 0 && code == static_cast<char32_t>(0x80 + i))) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

std::string ToUtf8(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        AppendUtf8(out, ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

bool FromUtf8(const std::string &utf8, std::string &out, char32_t &bad)
{
    out.clear();
    for (size_t i = 0; i < utf8.size();) {
        const char32_t code = NextCodePoint(utf8, i);
        char byte = 0;
        if (code == kBroken || !FromCodePoint(code, byte)) {
            bad = code == kBroken ? 0xFFFD : code;
            return false;
        }
        out += byte;
    }
    return true;
}

std::string FileNameToUtf8(const std::string &name)
{
    // Part by part: a folder named in one encoding may hold files named in the other.
    std::string out;
    for (size_t start = 0;;) {
        const size_t end = name.find_first_of("/\\", start);
        const std::string part = name.substr(start, end == std::string::npos ? std::string::npos : end - start);
        out += IsValidUtf8(part) ? part : ToUtf8(part);
        if (end == std::string::npos)
            return out;
        out += name[end];
        start = end + 1;
    }
}

std::u16string ToUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (char c : text)
        out += static_cast<char16_t>(ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string FromUtf16(std::u16string_view utf16, char replacement)
{
    // Written in place, not appended: the editor converts notes of megabytes at every key.
    std::string out(utf16.size(), '\0');
    size_t length = 0;
    for (size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        if (IsLatin1Byte(unit)) {
            out[length++] = static_cast<char>(unit);
            continue;
        }
        if (IsHighSurrogate(unit) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1])) {
            ++i; // a character beyond the Basic Multilingual Plane: never a Windows-1252 byte
            out[length++] = replacement;
            continue;
        }
        char byte = 0; // an unpaired surrogate has no byte either
        out[length++] = FromCodePoint(unit, byte) ? byte : replacement;
    }
    out.resize(length);
    return out;
}

} // namespace cp1252

} // namespace aw
