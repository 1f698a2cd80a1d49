#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace aw {

// A fresh folder, removed with everything in it when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    // The path of a file in the folder, as UTF-8 text like every name the program holds.
    std::string operator/(const std::string &name) const;
    const std::filesystem::path &Path() const { return m_path; }
    // The folder as the program joins file names to it (with a trailing separator).
    std::string Folder() const;
    // Files and folders directly inside.
    size_t EntryCount() const;
    // Every file directly inside with its bytes.
    std::map<std::string, std::vector<uint8_t>> Contents() const;

private:
    std::filesystem::path m_path;
};

} // namespace aw
