#pragma once

#include "storage/DesignSummary.h"

#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace aw {

// The summaries already read, by file. An entry answers only while the file keeps the size
// and modification time it had when it was read. Safe to use from several threads.
class DesignSummaryCache {
public:
    std::optional<DesignSummary> Find(const std::filesystem::path &file, std::uintmax_t size,
                                      const FileTime &lastChange) const;
    void Store(const DesignSummary &summary);
    // Drops the entries of every other file (files sorted), so files that went leave no trace.
    void KeepOnly(const std::vector<std::filesystem::path> &files);

private:
    mutable std::mutex m_mutex;
    std::map<std::filesystem::path, DesignSummary> m_entries;
};

} // namespace aw
