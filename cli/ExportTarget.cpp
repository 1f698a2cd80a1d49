#include "cli/ExportTarget.h"

#include "base/Cp1252.h"
#include "output/SafeFileName.h"

#include <algorithm>
#include <filesystem>

namespace aw {

namespace {

// The longest file name most file systems take, in bytes, less the ".XXXXXX" of the
// temporary file the atomic write makes beside it.
constexpr size_t kMaxFileNameBytes = 255 - 7;

std::string WithoutControlCharacters(const std::string &text)
{
    std::string out;
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
            out += c;
    return out;
}

// The UTF-8 form of a Windows-1252 name, cut character by character to fit `room` bytes.
std::string FittedName(const std::string &name, size_t room)
{
    std::string cut = name;
    while (!cut.empty() && cp1252::ToUtf8(cut).size() > room)
        cut.pop_back();
    return cp1252::ToUtf8(cut);
}

// A file name of this system (UTF-8) cut to `room` bytes without splitting a character.
std::string FittedFileName(const std::string &name, size_t room)
{
    std::string cut = name.substr(0, std::min(name.size(), room));
    while (!cut.empty() && static_cast<unsigned char>(cut.back()) >= 0x80 && cp1252::FileNameToUtf8(cut) != cut)
        cut.pop_back();
    return cut;
}

} // namespace

ExportTarget::ExportTarget(std::string folder, std::string extension)
    : m_folder(std::move(folder)), m_extension(std::move(extension))
{
}

std::string ExportTarget::PathFor(const std::string &name, const std::string &source)
{
    const std::string safe = WithoutControlCharacters(SafeFileName(name));
    // A name of nothing but dots and blanks ("", "..") says nothing: the design file's own
    // name stands in, already a file name of this system.
    const bool useSource = safe.find_first_not_of(". ") == std::string::npos;
    std::string sourceStem = std::filesystem::path(source).stem().string();
    if (useSource && sourceStem.find_first_not_of(". ") == std::string::npos)
        sourceStem = "design";
    for (int n = 1;; ++n) {
        const std::string suffix = n == 1 ? "" : " (" + std::to_string(n) + ")";
        const size_t room = kMaxFileNameBytes - suffix.size() - m_extension.size();
        const std::string base = useSource ? FittedFileName(sourceStem, room) : FittedName(safe, room);
        const std::string path = (std::filesystem::path(m_folder) / (base + suffix + m_extension)).string();
        if (m_used.insert(path).second)
            return path;
    }
}

} // namespace aw
