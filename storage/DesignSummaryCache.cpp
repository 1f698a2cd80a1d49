#include "storage/DesignSummaryCache.h"

namespace aw {

std::optional<DesignSummary> DesignSummaryCache::Find(const std::filesystem::path &file, std::uintmax_t size,
                                                      std::filesystem::file_time_type lastChange) const
{
    const std::lock_guard lock(m_mutex);
    const auto found = m_entries.find(file);
    if (found == m_entries.end() || found->second.FileSize != size || found->second.LastChange != lastChange)
        return std::nullopt;
    return found->second;
}

void DesignSummaryCache::Store(const DesignSummary &summary)
{
    const std::lock_guard lock(m_mutex);
    m_entries.insert_or_assign(summary.File, summary);
}

void DesignSummaryCache::Forget(const std::filesystem::path &file)
{
    const std::lock_guard lock(m_mutex);
    m_entries.erase(file);
}

} // namespace aw
