#pragma once

#include <set>
#include <string>

namespace aw {

// Chooses the file each exported sheet of a roster goes to: the design's name made safe
// for a file name (SafeFileName), or the design file's own name when nothing is left of it,
// cut to the file-name length the file system takes, in the output folder, with " (2)",
// " (3)"… for a name already used in this export.
class ExportTarget {
public:
    ExportTarget(std::string folder, std::string extension);

    // name: the design's Name (Windows-1252); source: the path of its design file.
    std::string PathFor(const std::string &name, const std::string &source);

private:
    std::string m_folder;
    std::string m_extension;
    std::set<std::string> m_used;
};

} // namespace aw
