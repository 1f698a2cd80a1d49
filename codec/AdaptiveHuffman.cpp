#include "codec/AdaptiveHuffman.h"

#include "codec/AdaptiveHuffmanSteps.h"

#include <algorithm>

namespace aw {

void AdaptiveHuffman::Start()
{
    for (unsigned i = 0; i < kSymbols; ++i) {
        m_freq[i] = 1;
        m_son[i] = static_cast<uint16_t>(i + kNodes);
        m_prnt[i + kNodes] = static_cast<uint16_t>(i);
    }
    for (unsigned i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
        m_freq[j] = static_cast<uint16_t>(m_freq[i] + m_freq[i + 1]);
        m_son[j] = static_cast<uint16_t>(i);
        m_prnt[i] = m_prnt[i + 1] = static_cast<uint16_t>(j);
    }
    m_rootFreq = m_freq[kRoot];
    for (unsigned i = kRoot; i < std::size(m_freq); ++i)
        m_freq[i] = 0xFFFF;
    m_prnt[kRoot] = 0;
    m_pairsKept = false;
    std::fill(std::begin(m_topPending), std::end(m_topPending), uint16_t{0});
    m_batchLeft = 0;
    m_longestCode = 0;
    m_rebuilds = 0;
}

unsigned AdaptiveHuffman::MoveUp(unsigned c, unsigned k)
{
    // Move the node past every node of lower frequency: swap it with the last one.
    const unsigned l = huffmandetail::FirstNotBelow(m_freq, c + 2, k) - 1;
    Exchange(c, l, k);
    return l;
}

void AdaptiveHuffman::Encode(unsigned symbol, BitWriter &out)
{
    // Deep trees can give codes longer than 16 bits: the code is written whole.
    unsigned length;
    const uint64_t code = Code(symbol, length);
    if (length <= 32)
        out.Put(length, static_cast<uint32_t>(code));
    else
        out.PutLong(length, code);
    if (length > m_longestCode)
        m_longestCode = length;
    Adapt(m_prnt[symbol + kNodes], length);
}

unsigned AdaptiveHuffman::Decode(BitReader &in)
{
    const PeekedSymbol next = PeekSymbol(in.Window(kWindowBits));
    in.Skip(next.Length);
    Adapt(next.Leaf, next.Length);
    return next.Symbol;
}

uint64_t AdaptiveHuffman::Code(unsigned symbol, unsigned &length) const
{
    // Walk leaf to root; a node's parity says which son of its father it is.
    uint64_t code = 0;
    length = 0;
    unsigned node = m_prnt[symbol + kNodes];
    do {
        code |= static_cast<uint64_t>(node & 1) << length;
        ++length;
    } while ((node = m_prnt[node]) != kRoot);
    return code;
}

unsigned AdaptiveHuffman::CodeLength(unsigned symbol) const
{
    unsigned length;
    Code(symbol, length);
    return length;
}

void AdaptiveHuffman::Update(unsigned symbol) { Adapt(m_prnt[symbol + kNodes], 0); }

void AdaptiveHuffman::Reconstruct()
{
    ++m_rebuilds;
    CountInTopPending();
    m_batchLeft = 0;
    // The leaves in node order with halved frequencies, which keeps them in order.
    uint16_t leafFreq[kSymbols], leafSon[kSymbols];
    unsigned leaves = 0;
    for (unsigned i = 0; i < kNodes; ++i) {
        if (m_son[i] >= kNodes) {
            leafFreq[leaves] = static_cast<uint16_t>((m_freq[i] + 1) / 2);
            leafSon[leaves] = m_son[i];
            ++leaves;
        }
    }
    // Nodes are joined in pairs from the front, each new one placed after every node not
    // above it. Joined nodes come out in order of frequency, so the node order is a merge of
    // the leaves and the joined nodes in the order they were made, a leaf first on a tie.
    uint16_t joinedFreq[kSymbols - 1], joinedSon[kSymbols - 1];
    unsigned joined = 0, nextLeaf = 0, nextJoined = 0, placed = 0;
    const auto placeNext = [&] {
        if (nextLeaf < kSymbols && (nextJoined == joined || leafFreq[nextLeaf] <= joinedFreq[nextJoined])) {
            m_freq[placed] = leafFreq[nextLeaf];
            m_son[placed] = leafSon[nextLeaf++];
        } else {
            m_freq[placed] = joinedFreq[nextJoined];
            m_son[placed] = joinedSon[nextJoined++];
        }
        ++placed;
    };
    for (unsigned i = 0; i < kRoot; i += 2) {
        while (placed < i + 2)
            placeNext();
        joinedFreq[joined] = static_cast<uint16_t>(m_freq[i] + m_freq[i + 1]);
        joinedSon[joined++] = static_cast<uint16_t>(i);
    }
    while (placed < kNodes)
        placeNext();
    m_rootFreq = m_freq[kRoot];
    m_freq[kRoot] = 0xFFFF;
    for (unsigned i = 0; i < kNodes; ++i) {
        const unsigned k = m_son[i];
        if (k >= kNodes)
            m_prnt[k] = static_cast<uint16_t>(i);
        else
            m_prnt[k] = m_prnt[k + 1] = static_cast<uint16_t>(i);
    }
    if (m_pairsKept)
        RebuildPairs();
}

void AdaptiveHuffman::RebuildPairs()
{
    for (unsigned node = 0; node < kNodes; ++node) {
        m_pairs[2 * node] = PairStep(node, 0);
        m_pairs[2 * node + 1] = PairStep(node, 1);
    }
    m_pairsKept = true;
}

void AdaptiveHuffman::CountInTopPending()
{
    // Sons stand before their fathers, so each count is complete when it is passed up.
    for (unsigned node = kTopStart; node < kRoot; ++node) {
        const unsigned count = m_topPending[node];
        m_freq[node] = static_cast<uint16_t>(m_freq[node] + count);
        m_topPending[m_prnt[node]] = static_cast<uint16_t>(m_topPending[m_prnt[node]] + count);
        m_topPending[node] = 0;
    }
    m_topPending[kRoot] = 0;
}

void AdaptiveHuffman::StartBatch()
{
    CountInTopPending();
    // Each symbol adds at most one to any node. With the smallest gap between neighbours
    // from kTopStart - 1 up, no top node can catch up with the next in that many symbols,
    // and no lower node can reach the first top node: no top node moves, and every search
    // for a lower node's new place ends below them, stale counts or not.
    unsigned gap = ~0u;
    for (unsigned node = kTopStart - 1; node + 1 < kRoot; ++node)
        gap = std::min(gap, static_cast<unsigned>(m_freq[node + 1] - m_freq[node]));
    // With no gap the climb goes to the root for one symbol, then the gaps are looked at again.
    m_topStart = gap == 0 ? kRoot : kTopStart;
    m_batchLeft = gap == 0 ? 1 : gap;
}

} // namespace aw
