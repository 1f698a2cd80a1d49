#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// A fresh folder removed with everything in it at the end of the test.
class TTempFolder {
  public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder &) = delete;
    TTempFolder &operator=(const TTempFolder &) = delete;

    // The path of a file in the folder.
    std::string operator/(const std::string &name) const { return (m_path / name).string(); }
    const std::filesystem::path &Path() const { return m_path; }
    // Files and folders directly inside.
    size_t EntryCount() const;

  private:
    std::filesystem::path m_path;
};
