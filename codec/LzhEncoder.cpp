#include "codec/LzhEncoder.h"

#include "codec/AdaptiveHuffman.h"
#include "codec/PositionCode.h"
#include "codec/SearchBlocks.h"
#include "codec/WindowSearch.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <system_error>
#include <thread>

namespace aw {

namespace {

constexpr size_t kBlockBytes = SearchBlocks::kBlockBytes;

class StepCoder {
public:
    explicit StepCoder(BitWriter &out) : m_huffman(std::make_unique<AdaptiveHuffman>()), m_out(out) {}

    void Code(uint32_t step)
    {
        const unsigned symbol = step & 0xFFFF;
        m_huffman->Encode(symbol, m_out);
        if (symbol >= 256)
            positioncode::Encode(step >> 16, m_out);
    }
    unsigned LongestCode() const { return m_huffman->LongestCodeWritten(); }

private:
    std::unique_ptr<AdaptiveHuffman> m_huffman;
    BitWriter &m_out;
};

unsigned EncodeOnOneThread(SourceBuffer &in, StepCoder &coder)
{
    WindowSearch search;
    uint64_t next = 0; // where the next step starts
    auto code = [&](uint64_t offset, uint32_t step) {
        if (offset == next) {
            coder.Code(step);
            next += StepLength(step);
        }
    };
    for (int c; (c = in.Next()) >= 0;)
        search.Feed(static_cast<uint8_t>(c), code);
    search.Finish(code);
    return coder.LongestCode();
}

// The searchers keep alternate runs of 16 first-byte values: the common bytes of a picture
// spread over both, while the nearby values its noise gives around one level mostly stay
// with one searcher, whose choice of tree then stays easy to predict.
WindowSearch::FirstBytes KeptBy(int searcher)
{
    WindowSearch::FirstBytes kept;
    for (size_t byte = 0; byte < kept.size(); ++byte)
        kept[byte] = static_cast<int>(byte >> 4 & 1) == searcher;
    return kept;
}

// A searcher's side of the blocks: it is fed their bytes and stores its steps in them.
class StoredSearch {
public:
    StoredSearch(SearchBlocks &blocks, int searcher)
        : m_blocks(blocks), m_searcher(searcher), m_search(KeptBy(searcher))
    {
    }

    // Feeds the stored bytes [from, to), telling the coder after each block how far it got.
    void Feed(uint64_t from, uint64_t to)
    {
        while (from < to) {
            const uint64_t end = std::min(to, (from / kBlockBytes + 1) * kBlockBytes);
            const uint8_t *bytes = m_blocks.BlockOf(from).Bytes;
            for (; from < end; ++from)
                m_search.Feed(bytes[from % kBlockBytes], Store{m_blocks});
            m_blocks.Searched(m_searcher, m_search.Inserted());
        }
    }
    void Finish()
    {
        m_search.Finish(Store{m_blocks});
        m_blocks.Searched(m_searcher, m_search.Inserted());
    }

private:
    struct Store {
        SearchBlocks &Blocks;
        void operator()(uint64_t offset, uint32_t step) const
        {
            Blocks.BlockOf(offset).Steps[offset % kBlockBytes] = step;
        }
    };

    SearchBlocks &m_blocks;
    int m_searcher;
    WindowSearch m_search;
};

// Stores the input in the blocks, a block at a time. A read error ends the input; the
// searches then stop without their last strings, as one thread stops on it.
class BlockReader {
public:
    BlockReader(SourceBuffer &in, SearchBlocks &blocks) : m_in(in), m_blocks(blocks) {}

    // Stores the next block; false once the input has ended or the coder has abandoned.
    bool ReadNext()
    {
        SearchBlocks::Block *block = m_blocks.ToFill(m_stored / kBlockBytes);
        if (block == nullptr) {
            m_abandoned = true;
            return false;
        }
        size_t count = 0;
        std::exception_ptr readError;
        try {
            while (count < kBlockBytes && m_in.Fill()) {
                const size_t n = std::min(kBlockBytes - count, m_in.Available());
                std::memcpy(block->Bytes + count, m_in.Current(), n);
                m_in.Skip(n);
                count += n;
            }
        } catch (...) {
            readError = std::current_exception();
        }
        m_blocks.AddBytes(count);
        m_stored += count;
        if (count == kBlockBytes && !readError)
            return true;
        m_failed = readError != nullptr;
        m_ended = true;
        m_blocks.EndInput(readError);
        return false;
    }
    // The input ends early because this thread failed.
    void Fail(std::exception_ptr error)
    {
        if (!m_ended)
            m_blocks.EndInput(std::move(error));
        m_ended = m_failed = true;
    }

    uint64_t Stored() const { return m_stored; }
    bool Abandoned() const { return m_abandoned; }
    // Whether the search should insert the strings still waiting at the end.
    bool EndedWhole() const { return m_ended && !m_failed && !m_abandoned; }

private:
    SourceBuffer &m_in;
    SearchBlocks &m_blocks;
    uint64_t m_stored = 0;
    bool m_ended = false;
    bool m_failed = false;
    bool m_abandoned = false;
};

// The reader thread, also the first searcher. It reads a block ahead of its own search, so
// the other searcher never waits for it to finish a block.
void ReadAndSearch(SourceBuffer &in, SearchBlocks &blocks)
{
    std::exception_ptr failure;
    BlockReader reader(in, blocks);
    try {
        StoredSearch search(blocks, 0);
        uint64_t fed = 0;
        bool more = reader.ReadNext();
        while (!reader.Abandoned()) {
            const uint64_t stored = reader.Stored();
            if (more)
                more = reader.ReadNext();
            search.Feed(fed, stored);
            fed = stored;
            if (!more && fed == reader.Stored()) {
                if (reader.EndedWhole())
                    search.Finish();
                break;
            }
        }
    } catch (...) {
        failure = std::current_exception();
        reader.Fail(failure);
    }
    blocks.SearchEnded(0, failure);
}

// The second searcher's thread.
void SearchStoredBytes(SearchBlocks &blocks)
{
    std::exception_ptr failure;
    try {
        StoredSearch search(blocks, 1);
        uint64_t fed = 0;
        for (uint64_t stored; (stored = blocks.WaitForBytes(fed)) > fed; fed = stored)
            search.Feed(fed, stored);
        if (!blocks.InputFailed())
            search.Finish();
    } catch (...) {
        failure = std::current_exception();
    }
    blocks.SearchEnded(1, failure);
}

// Codes the stored steps in order as the searchers pass them, freeing each block behind.
void CodeStoredSteps(SearchBlocks &blocks, StepCoder &coder)
{
    uint64_t next = 0;     // where the next step starts
    uint64_t released = 0; // blocks the coder is done with
    for (;;) {
        const uint64_t wanted = (released + 1) * kBlockBytes;
        const uint64_t known = blocks.WaitForSteps(wanted);
        while (next < known) {
            const SearchBlocks::Block &block = blocks.BlockOf(next);
            const size_t at = next % kBlockBytes;
            const uint32_t step = block.Steps[at];
            coder.Code(step);
            next += StepLength(step);
        }
        if (known < wanted)
            return;
        released = std::min(next, known) / kBlockBytes;
        blocks.Release(released);
    }
}

unsigned EncodeOnThreeThreads(SourceBuffer &in, StepCoder &coder)
{
    SearchBlocks blocks;
    std::thread searcher, reader;
    try {
        searcher = std::thread(SearchStoredBytes, std::ref(blocks));
        reader = std::thread(ReadAndSearch, std::ref(in), std::ref(blocks));
    } catch (const std::system_error &) {
        // No thread to be had: nothing is lost but time, as the input is still unread.
        blocks.Abandon();
        if (searcher.joinable())
            searcher.join();
        return EncodeOnOneThread(in, coder);
    }
    auto stop = [&] {
        blocks.Abandon();
        reader.join();
        searcher.join();
    };
    try {
        CodeStoredSteps(blocks, coder);
    } catch (...) {
        stop();
        throw;
    }
    stop();
    if (blocks.Error())
        std::rethrow_exception(blocks.Error());
    return coder.LongestCode();
}

} // namespace

unsigned EncodeLzh(SourceBuffer &in, BitWriter &out, EncodeThreads threads)
{
    StepCoder coder(out);
    return threads == EncodeThreads::Three ? EncodeOnThreeThreads(in, coder) : EncodeOnOneThread(in, coder);
}

} // namespace aw
