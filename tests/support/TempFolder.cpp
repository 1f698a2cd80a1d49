#include "TempFolder.h"

#include "base/Files.h"
#include "base/Utf8Path.h"
#include "base/platform/Platform.h"

#include <atomic>
#include <iterator>

namespace aw {

TempFolder::TempFolder()
{
    // Unique per process and per folder, so tests running side by side never share one.
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("aw-test-" + std::to_string(platform::ProcessId()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempFolder::operator/(const std::string &name) const { return Utf8FromPath(m_path / PathFromUtf8(name)); }

std::string TempFolder::Folder() const { return Utf8FromPath(m_path) + "/"; }

size_t TempFolder::EntryCount() const
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(m_path), {}));
}

std::map<std::string, std::vector<uint8_t>> TempFolder::Contents() const
{
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto &entry : std::filesystem::directory_iterator(m_path))
        files[Utf8FromPath(entry.path().filename())] = ReadWholeFile(entry.path());
    return files;
}

} // namespace aw
