#include "cli/ExportTarget.h"

#include "base/Cp1252.h"
#include "output/SafeFileName.h"

#include <filesystem>

namespace aw {

ExportTarget::ExportTarget(std::string folder, std::string extension)
    : m_folder(std::move(folder)), m_extension(std::move(extension))
{
}

std::string ExportTarget::PathFor(const std::string &name, const std::string &source)
{
    const std::string safe = SafeFileName(name);
    // A name of nothing but dots and blanks ("", "..") says nothing: the design file's own
    // name stands in, already a file name of this system.
    const bool useSource = safe.find_first_not_of(". ") == std::string::npos;
    std::string sourceStem = std::filesystem::path(source).stem().string();
    if (useSource && sourceStem.find_first_not_of(". ") == std::string::npos)
        sourceStem = "design";
    const std::string stem = useSource ? sourceStem : cp1252::ToUtf8(safe);
    for (int n = 1;; ++n) {
        const std::string suffix = n == 1 ? "" : " (" + std::to_string(n) + ")";
        const std::string path =
            (std::filesystem::path(m_folder) / FittedFileName(stem, suffix + m_extension)).string();
        if (m_used.insert(path).second)
            return path;
    }
}

} // namespace aw
