#include "codec/SearchBlocks.h"

#include <algorithm>

namespace aw {

SearchBlocks::SearchBlocks()
{
    for (std::unique_ptr<Block> &block : m_blocks)
        block = std::make_unique<Block>();
}

void SearchBlocks::Change(const auto &change, std::condition_variable &waiting)
{
    {
        std::lock_guard lock(m_mutex);
        change();
    }
    waiting.notify_one();
}

void SearchBlocks::ChangeForAll(const auto &change)
{
    {
        std::lock_guard lock(m_mutex);
        change();
    }
    m_bytesAdded.notify_one();
    m_blockReleased.notify_one();
    m_stepsStored.notify_one();
}

SearchBlocks::Block *SearchBlocks::ToFill(uint64_t index)
{
    std::unique_lock lock(m_mutex);
    m_blockReleased.wait(lock, [&] { return m_abandoned || index < m_released + kBlocks; });
    return m_abandoned ? nullptr : m_blocks[index % kBlocks].get();
}

void SearchBlocks::AddBytes(size_t count)
{
    Change([&] { m_bytes += count; }, m_bytesAdded);
}

void SearchBlocks::EndInput(std::exception_ptr error)
{
    Change(
        [&] {
            m_inputEnded = true;
            m_inputFailed = error != nullptr;
            if (error && !m_error)
                m_error = std::move(error);
        },
        m_bytesAdded);
}

uint64_t SearchBlocks::WaitForBytes(uint64_t fed)
{
    std::unique_lock lock(m_mutex);
    m_bytesAdded.wait(lock, [&] { return m_abandoned || m_inputEnded || m_bytes > fed; });
    return m_abandoned ? fed : m_bytes;
}

bool SearchBlocks::InputFailed()
{
    std::lock_guard lock(m_mutex);
    return m_inputFailed || m_abandoned;
}

void SearchBlocks::Searched(int searcher, uint64_t inserted)
{
    Change([&] { m_inserted[static_cast<size_t>(searcher)] = inserted; }, m_stepsStored);
}

void SearchBlocks::SearchEnded(int searcher, std::exception_ptr error)
{
    Change(
        [&] {
            m_searchEnded[static_cast<size_t>(searcher)] = true;
            if (error && !m_error)
                m_error = std::move(error);
        },
        m_stepsStored);
}

uint64_t SearchBlocks::WaitForSteps(uint64_t wanted)
{
    std::unique_lock lock(m_mutex);
    m_stepsStored.wait(lock, [&] {
        for (int i = 0; i < kSearchers; ++i)
            if (!m_searchEnded[static_cast<size_t>(i)] && m_inserted[static_cast<size_t>(i)] < wanted)
                return false;
        return true;
    });
    return *std::min_element(m_inserted.begin(), m_inserted.end());
}

void SearchBlocks::Release(uint64_t index)
{
    Change([&] { m_released = std::max(m_released, index); }, m_blockReleased);
}

void SearchBlocks::Abandon()
{
    ChangeForAll([&] { m_abandoned = true; });
}

} // namespace aw
