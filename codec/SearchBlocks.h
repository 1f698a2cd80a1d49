#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>

namespace aw {

// Carries the input through the encoder's threads in blocks. The reader stores each
// block's bytes; every searcher (the reader is one of them) is fed all bytes and stores the
// step it finds at the offsets it keeps; the coder takes the steps once every searcher has
// passed them. A fixed set of blocks circulates, so memory stays bounded whatever the
// input size, and any side can stop the others.
class SearchBlocks {
public:
    static constexpr size_t kBlockBytes = 16384;
    // Enough blocks (5 MB) to let one searcher run ahead through a stretch of input whose
    // strings mostly fall to it, while the other catches up on the next.
    static constexpr size_t kBlocks = 64;
    static constexpr int kSearchers = 2;

    struct Block {
        uint8_t Bytes[kBlockBytes];
        uint32_t Steps[kBlockBytes]; // written by the searcher that keeps the offset's first byte
    };

    SearchBlocks();

    // The block holding an input offset the caller may still use.
    Block &BlockOf(uint64_t offset) { return *m_blocks[(offset / kBlockBytes) % kBlocks]; }

    // Reader side. Block `index`, to fill with bytes once the coder has freed its place;
    // null once the coder has abandoned.
    Block *ToFill(uint64_t index);
    // `count` more bytes are in.
    void AddBytes(size_t count);
    // No more bytes will come; `error` is why the input stopped early (null at its end).
    void EndInput(std::exception_ptr error);

    // Searcher side. Waits for bytes beyond the first `fed`; returns how many are in, which
    // is `fed` only when no more will come (or the coder has abandoned).
    uint64_t WaitForBytes(uint64_t fed);
    // True when the input stopped on an error: the search then ends without its last strings.
    bool InputFailed();
    // The searcher has stored the steps of every offset below `inserted`.
    void Searched(int searcher, uint64_t inserted);
    // The searcher stops; `error` is why, if it failed itself.
    void SearchEnded(int searcher, std::exception_ptr error);

    // Coder side. Waits until every searcher has passed offset `wanted` or has ended;
    // returns the offset below which all steps are stored.
    uint64_t WaitForSteps(uint64_t wanted);
    // The coder is done with the blocks before `index`.
    void Release(uint64_t index);
    // The coder stops taking steps; waiting threads are woken.
    void Abandon();
    // What stopped the input or a searcher, once every searcher has ended.
    std::exception_ptr Error() const { return m_error; }

private:
    // Makes a change under the lock, then wakes whoever waits on `waiting`.
    void Change(const auto &change, std::condition_variable &waiting);
    void ChangeForAll(const auto &change);

    std::array<std::unique_ptr<Block>, kBlocks> m_blocks;
    std::mutex m_mutex;
    std::condition_variable m_bytesAdded;    // the second searcher waits on it
    std::condition_variable m_blockReleased; // the reader waits on it
    std::condition_variable m_stepsStored;   // the coder waits on it
    uint64_t m_bytes = 0;                    // bytes stored so far
    uint64_t m_released = 0;                 // blocks the coder has freed
    bool m_inputEnded = false;
    bool m_inputFailed = false;
    std::array<uint64_t, kSearchers> m_inserted{};
    std::array<bool, kSearchers> m_searchEnded{};
    bool m_abandoned = false;
    std::exception_ptr m_error;
};

} // namespace aw
