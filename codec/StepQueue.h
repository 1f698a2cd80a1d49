#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>

namespace aw {

// Carries blocks of coding steps from the encoder's match-search thread to its Huffman
// coder. A few blocks circulate between the two, so memory stays bounded whatever the input
// size, and either side can stop the other: the searcher by finishing (with the error that
// stopped it, if any), the coder by abandoning.
class StepQueue {
public:
    static constexpr size_t kBlockSteps = 8192;
    static constexpr size_t kBlocks = 4;

    struct Block {
        uint32_t Steps[kBlockSteps];
        size_t Count = 0;
    };

    StepQueue();

    // Search side. An empty block to fill; null once the coder has abandoned.
    Block *Empty();
    void Publish(Block *block);
    // No more blocks will come; `error` is why the search stopped early (null if it did not).
    void Finish(std::exception_ptr error);

    // Coder side. The next filled block; null once the search has finished and every block
    // has been taken.
    Block *Filled();
    void Release(Block *block);
    // The coder stops taking blocks; a waiting searcher is woken.
    void Abandon();
    // What stopped the search, once Filled has returned null.
    std::exception_ptr Error() const { return m_error; }

private:
    // Fixed lists (nothing allocated once built, so handing over cannot fail): the empty
    // blocks as a stack, the filled ones in order from m_firstFilled.
    std::array<std::unique_ptr<Block>, kBlocks> m_blocks;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::array<Block *, kBlocks> m_empty{};
    size_t m_emptyCount = 0;
    std::array<Block *, kBlocks> m_filled{};
    size_t m_firstFilled = 0;
    size_t m_filledCount = 0;
    bool m_finished = false;
    bool m_abandoned = false;
    std::exception_ptr m_error;
};

} // namespace aw
