#pragma once

#include <string>

namespace aw {

// Folders are kept with a trailing '/' so that a file name can simply be appended.
inline std::string WithTrailingSeparator(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace aw
