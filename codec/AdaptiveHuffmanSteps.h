#pragma once

// The adaptive Huffman coder's per-symbol steps, inline so that the decoder's loop runs
// them without a call: included by the coder itself and by the decoder.
#include "codec/AdaptiveHuffman.h"

#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace aw {

namespace huffmandetail {

// The first index from `from` on whose frequency is k or more. Frequencies never decrease
// along the node order and the table ends in 0xFFFF entries, so the search stops.
inline unsigned FirstNotBelow(const uint16_t *freq, unsigned from, unsigned k)
{
#if defined(__SSE2__)
    const __m128i key = _mm_set1_epi16(static_cast<short>(k));
    const __m128i zero = _mm_setzero_si128();
    for (;; from += 8) {
        const __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i *>(freq + from));
        // k - f saturates to 0 exactly where f >= k (unsigned).
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(key, f), zero)));
        if (mask != 0)
            return from + (static_cast<unsigned>(std::countr_zero(mask)) >> 1);
    }
#else
    while (k > freq[from])
        ++from;
    return from;
#endif
}

} // namespace huffmandetail

inline void AdaptiveHuffman::Increment(unsigned &c)
{
    const unsigned k = ++m_freq[c];
    if (k > m_freq[c + 1]) [[unlikely]]
        c = MoveUp(c, k);
}

inline unsigned AdaptiveHuffman::BlockEnd(unsigned c, unsigned k) const
{
#if defined(__SSE2__)
    // Sixteen entries at once and no branch on the answer: on varied data a run ends at no
    // predictable place.
    const __m128i key = _mm_set1_epi16(static_cast<short>(k - 1));
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(m_freq + c + 1));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(m_freq + c + 9));
    const unsigned same = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(low, key))) |
                          static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(high, key))) << 16;
    if (same == ~0u) [[unlikely]]
        return huffmandetail::FirstNotBelow(m_freq, c + 17, k) - 1;
    return c + (static_cast<unsigned>(std::countr_one(same)) >> 1);
#else
    return huffmandetail::FirstNotBelow(m_freq, c + 1, k) - 1;
#endif
}

// Forced inline, like Adapt below: the decoder's common step would otherwise call it.
[[gnu::always_inline]] inline void AdaptiveHuffman::Exchange(unsigned c, unsigned l, unsigned k)
{
    m_freq[c] = m_freq[l];
    m_freq[l] = static_cast<uint16_t>(k);

    const unsigned i = m_son[c];
    m_prnt[i] = static_cast<uint16_t>(l);
    if (i < kNodes)
        m_prnt[i + 1] = static_cast<uint16_t>(l);

    const unsigned j = m_son[l];
    m_son[l] = static_cast<uint16_t>(i);
    m_prnt[j] = static_cast<uint16_t>(c);
    if (j < kNodes)
        m_prnt[j + 1] = static_cast<uint16_t>(c);
    m_son[c] = static_cast<uint16_t>(j);
    // Two leaves trading places change no entry of the decoding table.
    if (m_pairsKept && (i < kNodes || j < kNodes)) {
        SonChanged(c);
        SonChanged(l);
    }
}

inline AdaptiveHuffman::PeekedLeaf AdaptiveHuffman::Walk(uint64_t bits) const
{
    // Two levels per step; a leaf one level down ends the walk a bit early. Most codes end
    // within four steps, taken without a branch (a finished walk stays where it is): where
    // a walk ends is as good as random, and a branch on it would mostly be mispredicted.
    unsigned c = m_pairs[2 * m_son[kRoot] + static_cast<unsigned>(bits >> 62)];
    unsigned used = 2;
    for (int step = 0; step < 3; ++step) {
        bits <<= 2;
        const bool inner = c < kNodes;
        const unsigned next = m_pairs[inner ? 2 * c + static_cast<unsigned>(bits >> 62) : 0];
        c = inner ? next : c;
        used += inner ? 2 : 0;
    }
    while (c < kNodes)
        [[unlikely]]
        {
            bits <<= 2;
            c = m_pairs[2 * c + static_cast<unsigned>(bits >> 62)];
            used += 2;
        }
    return {c & kNodeMask, used - (c >> 15)};
}

inline AdaptiveHuffman::PeekedSymbol AdaptiveHuffman::PeekSymbol(uint64_t bits)
{
    if (!m_pairsKept) [[unlikely]]
        RebuildPairs();
    const PeekedLeaf leaf = Walk(bits);
    return {m_son[leaf.Node] - kNodes, leaf.Length, leaf.Node};
}

// Forced inline: the decoder's loop would otherwise pay a call and its saved registers
// for every symbol.
[[gnu::always_inline]] inline AdaptiveHuffman::PeekedSymbol AdaptiveHuffman::AdaptAndPeek(const PeekedSymbol &previous,
                                                                                          uint64_t bits)
{
    // Walking first takes the walk off the update's path: the update mostly just trades the
    // symbols of two leaves, and the leaf found still ends the same code.
    if (!m_pairsKept) [[unlikely]]
        RebuildPairs();
    PeekedLeaf leaf = Walk(bits);
    if (Adapt(previous.Leaf, previous.Length)) [[unlikely]]
        leaf = Walk(bits);
    return {m_son[leaf.Node] - kNodes, leaf.Length, leaf.Node};
}

// Forced inline: left to itself the compiler keeps it a call of its own, which costs the
// decoder about 4 %.
[[gnu::always_inline]] inline bool AdaptiveHuffman::Adapt(unsigned leaf, unsigned codeLength)
{
    bool reshaped = false;
    if (m_rootFreq == kMaxFreq) [[unlikely]] {
        const unsigned symbolLeaf = m_son[leaf];
        Reconstruct();
        leaf = m_prnt[symbolLeaf];
        reshaped = true;
    }
    if (m_batchLeft == 0) [[unlikely]]
        StartBatch();
    --m_batchLeft;
    // The leaf goes to the end of its run of equal frequency, which may be where it is: on
    // varied data it moves about as often as not, so the swap is made either way.
    const unsigned k = m_freq[leaf] + 1u;
    const unsigned l = BlockEnd(leaf, k);
    const unsigned displaced = m_son[l];
    Exchange(leaf, l, k);
    // Inner nodes seldom move. The result must not wait on the climb, so that the next
    // symbol's update can start before this one is done: a move leaves the loop instead.
    // The climb stops where the top nodes begin; they are counted in at the batch's end.
    ++m_rootFreq;
    unsigned node = m_prnt[l];
    // The code's length nearly always tells how many steps the climb takes below the top
    // nodes. Known long before the climb's loads arrive, a count makes a wrong guess at
    // where the climb ends show at once, not once they have arrived.
    for (unsigned steps = codeLength > kTopLevels ? codeLength - kTopLevels : 0; steps != 0 && node < m_topStart;
         --steps, node = m_prnt[node])
        if (RaiseOnClimb(node)) [[unlikely]]
            return true;
    for (; node < m_topStart; node = m_prnt[node])
        if (RaiseOnClimb(node)) [[unlikely]]
            return true;
    ++m_topPending[node];
    return reshaped || displaced < kNodes;
}

// Forced inline, like Adapt.
[[gnu::always_inline]] inline bool AdaptiveHuffman::RaiseOnClimb(unsigned node)
{
    const unsigned f = ++m_freq[node];
    if (f <= m_freq[node + 1]) [[likely]]
        return false;
    node = MoveUp(node, f);
    while ((node = m_prnt[node]) < m_topStart)
        Increment(node);
    ++m_topPending[node];
    return true;
}

inline uint16_t AdaptiveHuffman::OneStep(unsigned node) const
{
    const unsigned son = m_son[node];
    return static_cast<uint16_t>(son >= kNodes ? node | kLeaf : son);
}

inline uint16_t AdaptiveHuffman::PairStep(unsigned node, unsigned bit) const
{
    const unsigned son = m_son[node];
    return static_cast<uint16_t>(son >= kNodes ? node | kLeaf | kOneBit : OneStep(son + bit));
}

inline void AdaptiveHuffman::SonChanged(unsigned node)
{
    m_pairs[2 * node] = PairStep(node, 0);
    m_pairs[2 * node + 1] = PairStep(node, 1);
    m_pairs[2 * m_prnt[node] + (node & 1)] = OneStep(node);
}

} // namespace aw
