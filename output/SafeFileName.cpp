#include "output/SafeFileName.h"

#include "base/ControlCharacters.h"

#include <algorithm>
#include <cstring>

namespace aw {

namespace {

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

} // namespace

std::string SafeFileName(const std::string &name)
{
    std::string safe;
    safe.reserve(name.size());
    // A control character cannot be in a file name (NUL) or would split or hide it (line
    // breaks, tabs, escapes).
    for (char c : name)
        if (!IsControlCharacter(c) && std::strchr("\\/:*?\"<>|", c) == nullptr)
            safe += c;
    return safe;
}

std::string FittedFileName(const std::string &stem, const std::string &tail)
{
    size_t cut = std::min(stem.size(), kMaxFileNameBytes - std::min(tail.size(), kMaxFileNameBytes));
    // A cut before a continuation byte would split the character it belongs to.
    while (cut > 0 && cut < stem.size() && IsUtf8Continuation(stem[cut]))
        --cut;
    return stem.substr(0, cut) + tail;
}

std::string OfferedFileName(const std::string &name, const std::string &extension)
{
    const std::string safe = SafeFileName(name);
    return safe.empty() ? std::string() : FittedFileName(safe, "." + extension);
}

} // namespace aw
