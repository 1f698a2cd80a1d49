#pragma once

#include "storage/DesignSummary.h"

#include <map>
#include <mutex>
#include <optional>

namespace aw {

// The summaries already read, by file. An entry answers only while the file keeps the size
// and modification time it had when it was read. Safe to use from several threads.
class DesignSummaryCache {
public:
    std::optional<DesignSummary> Find(const std::filesystem::path &file, std::uintmax_t size,
                                      std::filesystem::file_time_type lastChange) const;
    void Store(const DesignSummary &summary);
    void Forget(const std::filesystem::path &file);

private:
    mutable std::mutex m_mutex;
    std::map<std::filesystem::path, DesignSummary> m_entries;
};

} // namespace aw
