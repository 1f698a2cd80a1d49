#include "storage/DesignScan.h"

#include "base/AsciiCase.h"
#include "base/Files.h"
#include "base/Utf8Path.h"

#include <algorithm>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

namespace aw {

namespace {

namespace fs = std::filesystem;

// A design file, or a link named as one whose file is gone: that is a row saying so.
bool IsDesignFile(const fs::directory_entry &entry)
{
    std::error_code error;
    const bool listed = entry.is_regular_file(error) || (entry.is_symlink(error) && !entry.exists(error));
    return listed && ascii::SameIgnoringCase(Utf8FromPath(entry.path().extension()), ".vkd");
}

void AddFolder(const fs::path &folder, std::vector<fs::path> &files)
{
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        // Links to folders are not followed, so a link loop cannot make the walk endless.
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            AddFolder(it->path(), files);
        else if (IsDesignFile(*it))
            files.push_back(it->path());
    }
    // A folder that cannot be read is listed itself: reading it as a design says why.
    if (error)
        files.push_back(folder);
}

} // namespace

DesignSummary CachedSummary(const fs::path &file, DesignSummaryCache &cache, bool *read)
{
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (!error)
        if (const std::optional<FileTime> lastChange = LastWriteTime(file))
            if (std::optional<DesignSummary> cached = cache.Find(file, size, *lastChange)) {
                if (read)
                    *read = false;
                return *std::move(cached);
            }
    if (read)
        *read = true;
    DesignSummary summary = SummarizeDesignFile(file);
    cache.Store(summary);
    return summary;
}

std::vector<fs::path> FindDesignFiles(const std::vector<fs::path> &paths)
{
    std::vector<fs::path> files;
    for (const fs::path &path : paths) {
        std::error_code error;
        if (fs::is_directory(path, error))
            AddFolder(path, files);
        else
            files.push_back(path);
    }
    std::sort(files.begin(), files.end());
    // One file named twice ("lib", "./lib" and "/home/me/lib") is listed once, as first spelled.
    std::set<fs::path> seen;
    std::erase_if(files, [&](const fs::path &file) {
        std::error_code error;
        const fs::path absolute = fs::absolute(file, error);
        return !seen.insert((error ? file : absolute).lexically_normal()).second;
    });
    return files;
}

DesignScanResult SummarizeDesignFiles(const std::vector<fs::path> &files, DesignSummaryCache &cache,
                                      const DesignScanControl &control)
{
    std::vector<std::optional<DesignSummary>> slots(files.size());
    std::atomic<std::size_t> next = 0;
    std::atomic<std::size_t> filesRead = 0;
    std::size_t done = 0;
    std::mutex progressMutex;
    const auto cancelled = [&] { return control.Cancel && control.Cancel->load(); };
    const auto work = [&] {
        for (std::size_t i = next++; i < files.size() && !cancelled(); i = next++) {
            bool read = false;
            slots[i] = CachedSummary(files[i], cache, &read);
            filesRead += read ? 1 : 0;
            const std::lock_guard lock(progressMutex);
            ++done;
            if (control.Progress)
                control.Progress(done, files.size());
        }
    };
    const std::size_t threads = std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), files.size());
    {
        std::vector<std::jthread> workers;
        for (std::size_t t = 1; t < threads; ++t)
            workers.emplace_back(work);
        work();
    }
    DesignScanResult result;
    result.Cancelled = done < files.size();
    result.FilesRead = filesRead;
    for (std::optional<DesignSummary> &slot : slots)
        if (slot)
            result.Summaries.push_back(*std::move(slot));
    return result;
}

} // namespace aw
