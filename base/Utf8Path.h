#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace aw {

// The program keeps file and folder names as UTF-8 text; these convert where a name meets the
// file API, so that on Windows it reaches the system as UTF-16. On POSIX the bytes stay exactly
// as they are, valid UTF-8 or not.
inline std::filesystem::path PathFromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
inline std::string Utf8FromPath(const std::filesystem::path &path)
{
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

} // namespace aw
