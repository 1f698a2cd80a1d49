#pragma once

#include <string>
#include <string_view>

namespace aw {

// Letter case of the ASCII letters only. Record texts, field names and file names are
// compared and capitalised the same way in every locale; <cctype> follows the process
// locale (under Turkish, toupper('i') is not 'I').
namespace ascii {

constexpr bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
constexpr bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
constexpr char ToUpper(char c) { return IsLower(c) ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char ToLower(char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string ToUpper(std::string text)
{
    for (char &c : text)
        c = ToUpper(c);
    return text;
}

inline std::string ToLower(std::string text)
{
    for (char &c : text)
        c = ToLower(c);
    return text;
}

// Equal when the ASCII letters are compared without regard to case.
constexpr bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (ToUpper(a[i]) != ToUpper(b[i]))
            return false;
    return true;
}

} // namespace ascii

} // namespace aw
