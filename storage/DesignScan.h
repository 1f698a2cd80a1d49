#pragma once

#include "storage/DesignSummaryCache.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

namespace aw {

// Every design file under the paths, sorted and each once: a folder gives its *.vkd files
// (any case) at any depth; any other path is taken as a design file as it is, so a missing
// one becomes a row that says so. A folder that cannot be read is listed itself, so that it
// too becomes a row that says why.
std::vector<std::filesystem::path> FindDesignFiles(const std::vector<std::filesystem::path> &paths);

// The file's summary from the cache while the file keeps the size and time it had, else read
// afresh and stored; `read` tells which.
DesignSummary CachedSummary(const std::filesystem::path &file, DesignSummaryCache &cache, bool *read = nullptr);

struct DesignScanResult {
    std::vector<DesignSummary> Summaries; // sorted by file; only the files done when cancelled
    std::size_t FilesRead = 0;            // files read rather than taken from the cache
    bool Cancelled = false;
};

struct DesignScanControl {
    const std::atomic<bool> *Cancel = nullptr; // set to stop; the files under way still finish
    // Called after each file, from the worker threads but never two at once.
    std::function<void(std::size_t done, std::size_t total)> Progress;
};

// Summarizes the files on as many threads as the machine has cores, taking each summary
// from the cache while the file is unchanged and storing every one it reads.
DesignScanResult SummarizeDesignFiles(const std::vector<std::filesystem::path> &files, DesignSummaryCache &cache,
                                      const DesignScanControl &control = {});

} // namespace aw
