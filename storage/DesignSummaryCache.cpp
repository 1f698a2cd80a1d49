#include "storage/DesignSummaryCache.h"

#include <algorithm>

namespace aw {

std::optional<DesignSummary> DesignSummaryCache::Find(const std::filesystem::path &file, std::uintmax_t size,
                                                      const FileTime &lastChange) const
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

void DesignSummaryCache::KeepOnly(const std::vector<std::filesystem::path> &files)
{
    const std::lock_guard lock(m_mutex);
    std::erase_if(m_entries,
                  [&](const auto &entry) { return !std::binary_search(files.begin(), files.end(), entry.first); });
}

} // namespace aw
