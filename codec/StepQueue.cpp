#include "codec/StepQueue.h"

namespace aw {

StepQueue::StepQueue()
{
    for (std::unique_ptr<Block> &block : m_blocks) {
        block = std::make_unique<Block>();
        m_empty[m_emptyCount++] = block.get();
    }
}

StepQueue::Block *StepQueue::Empty()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_abandoned || m_emptyCount > 0; });
    if (m_abandoned)
        return nullptr;
    Block *block = m_empty[--m_emptyCount];
    block->Count = 0;
    return block;
}

void StepQueue::Publish(Block *block)
{
    {
        std::lock_guard lock(m_mutex);
        m_filled[(m_firstFilled + m_filledCount++) % kBlocks] = block;
    }
    m_changed.notify_all();
}

void StepQueue::Finish(std::exception_ptr error)
{
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
        m_error = std::move(error);
    }
    m_changed.notify_all();
}

StepQueue::Block *StepQueue::Filled()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_finished || m_filledCount > 0; });
    if (m_filledCount == 0)
        return nullptr;
    Block *block = m_filled[m_firstFilled];
    m_firstFilled = (m_firstFilled + 1) % kBlocks;
    --m_filledCount;
    return block;
}

void StepQueue::Release(Block *block)
{
    {
        std::lock_guard lock(m_mutex);
        m_empty[m_emptyCount++] = block;
    }
    m_changed.notify_all();
}

void StepQueue::Abandon()
{
    {
        std::lock_guard lock(m_mutex);
        m_abandoned = true;
    }
    m_changed.notify_all();
}

} // namespace aw
