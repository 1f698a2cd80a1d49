#include "output/SafeFileName.h"

#include <cstring>

namespace aw {

std::string SafeFileName(const std::string &name)
{
    std::string safe;
    safe.reserve(name.size());
    for (char c : name)
        if (c == '\0' || std::strchr("\\/:*?\"<>|", c) == nullptr)
            safe += c;
    return safe;
}

} // namespace aw
