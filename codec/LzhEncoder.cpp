#include "codec/LzhEncoder.h"

#include "codec/AdaptiveHuffman.h"
#include "codec/MatchTree.h"
#include "codec/PositionCode.h"
#include "codec/StepQueue.h"

#include <cstring>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>

namespace aw {

namespace {

// A step of the coded stream as the match search hands it on: the symbol (a literal byte,
// or a match length + 253) in the low 16 bits, a match's position above them.
uint32_t Step(unsigned symbol, unsigned position) { return symbol | position << 16; }

// The search hands steps to `emit` in stream order.
template <class Emit> void SearchMatches(SourceBuffer &in, Emit &&emit)
{
    constexpr int N = MatchTree::kWindow;
    constexpr int F = MatchTree::kLongest;
    auto tree = std::make_unique<MatchTree>();
    uint8_t *text = tree->Text();

    std::memset(text, ' ', N - F);
    int s = 0;
    int r = N - F;
    int len = 0;
    int c;
    for (; len < F && (c = in.Next()) >= 0; ++len)
        text[r + len] = static_cast<uint8_t>(c);
    if (len == 0)
        return; // nothing to code: the container is the header alone
    for (int i = 1; i <= F; ++i)
        tree->Insert(r - i);
    tree->Insert(r);

    do {
        if (tree->MatchLength > len)
            tree->MatchLength = len;
        if (tree->MatchLength <= MatchTree::kThreshold) {
            tree->MatchLength = 1;
            emit(Step(text[r], 0));
        } else {
            emit(Step(static_cast<unsigned>(tree->MatchLength + 253), static_cast<unsigned>(tree->MatchPosition)));
        }
        const int last = tree->MatchLength;
        int i = 0;
        for (; i < last && (c = in.Next()) >= 0; ++i) {
            tree->Delete(s);
            text[s] = static_cast<uint8_t>(c);
            if (s < F - 1)
                text[s + N] = static_cast<uint8_t>(c);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            tree->Insert(r);
        }
        // Input exhausted: slide the window over what is left of the lookahead.
        while (i++ < last) {
            tree->Delete(s);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            if (--len)
                tree->Insert(r);
        }
    } while (len > 0);
}

class StepCoder {
public:
    explicit StepCoder(BitWriter &out) : m_huffman(std::make_unique<AdaptiveHuffman>()), m_out(out) {}

    void Code(uint32_t Step)
    {
        const unsigned symbol = Step & 0xFFFF;
        m_huffman->Encode(symbol, m_out);
        if (symbol >= 256)
            positioncode::Encode(Step >> 16, m_out);
    }
    unsigned LongestCode() const { return m_huffman->LongestCodeWritten(); }

private:
    std::unique_ptr<AdaptiveHuffman> m_huffman;
    BitWriter &m_out;
};

struct CoderAbandoned {}; // ends the search quietly once the coder has stopped

// The searcher thread: fills blocks and hands them over. What it raises goes to the queue,
// after the steps found before it, so the coder codes them first as one thread would.
void SearchIntoQueue(SourceBuffer &in, StepQueue &queue)
{
    StepQueue::Block *block = nullptr;
    std::exception_ptr error;
    try {
        SearchMatches(in, [&](uint32_t s) {
            if (block == nullptr || block->Count == StepQueue::kBlockSteps) {
                if (block != nullptr)
                    queue.Publish(std::exchange(block, nullptr));
                block = queue.Empty();
                if (block == nullptr)
                    throw CoderAbandoned();
            }
            block->Steps[block->Count++] = s;
        });
    } catch (const CoderAbandoned &) {
    } catch (...) {
        error = std::current_exception();
    }
    if (block != nullptr)
        queue.Publish(block);
    queue.Finish(error);
}

unsigned EncodeOnOneThread(SourceBuffer &in, StepCoder &coder)
{
    SearchMatches(in, [&](uint32_t s) { coder.Code(s); });
    return coder.LongestCode();
}

unsigned EncodeOnTwoThreads(SourceBuffer &in, StepCoder &coder)
{
    StepQueue queue;
    std::thread searcher;
    try {
        searcher = std::thread(SearchIntoQueue, std::ref(in), std::ref(queue));
    } catch (const std::system_error &) {
        return EncodeOnOneThread(in, coder); // no thread to be had: nothing is lost but time
    }
    try {
        while (StepQueue::Block *block = queue.Filled()) {
            for (size_t i = 0; i < block->Count; ++i)
                coder.Code(block->Steps[i]);
            queue.Release(block);
        }
    } catch (...) {
        queue.Abandon();
        searcher.join();
        throw;
    }
    searcher.join();
    if (queue.Error())
        std::rethrow_exception(queue.Error());
    return coder.LongestCode();
}

} // namespace

unsigned EncodeLzh(SourceBuffer &in, BitWriter &out, EncodeThreads threads)
{
    StepCoder coder(out);
    return threads == EncodeThreads::Two ? EncodeOnTwoThreads(in, coder) : EncodeOnOneThread(in, coder);
}

} // namespace aw
