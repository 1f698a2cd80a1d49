#include "codec/AdaptiveHuffman.h"

#include <algorithm>
#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace aw {

namespace {

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

} // namespace

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

inline void AdaptiveHuffman::Increment(unsigned &c)
{
    const unsigned k = ++m_freq[c];
    if (k > m_freq[c + 1]) [[unlikely]]
        c = MoveUp(c, k);
}

unsigned AdaptiveHuffman::MoveUp(unsigned c, unsigned k)
{
    // Move the node past every node of lower frequency: swap it with the last one.
    const unsigned l = FirstNotBelow(m_freq, c + 2, k) - 1;
    Exchange(c, l, k);
    return l;
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
        return FirstNotBelow(m_freq, c + 17, k) - 1;
    return c + (static_cast<unsigned>(std::countr_one(same)) >> 1);
#else
    return FirstNotBelow(m_freq, c + 1, k) - 1;
#endif
}

inline void AdaptiveHuffman::Exchange(unsigned c, unsigned l, unsigned k)
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
    if (m_pairsKept) {
        SonChanged(c);
        SonChanged(l);
    }
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
    Update(symbol);
}

unsigned AdaptiveHuffman::Decode(BitReader &in)
{
    const PeekedSymbol next = PeekSymbol(in.Window(kWindowBits));
    in.Skip(next.Length);
    Update(next.Symbol);
    return next.Symbol;
}

inline AdaptiveHuffman::PeekedSymbol AdaptiveHuffman::Walk(uint64_t bits) const
{
    // Two levels per step; a leaf one level down ends the walk a bit early.
    unsigned used = 0;
    unsigned c = m_son[kRoot];
    do {
        c = m_pairs[2 * c + static_cast<unsigned>(bits >> 62)];
        bits <<= 2;
        used += 2;
    } while (c < kNodes);
    return {(c & ~kOneBit) - kNodes, used - (c >> 15)};
}

AdaptiveHuffman::PeekedSymbol AdaptiveHuffman::PeekSymbol(uint64_t bits)
{
    if (!m_pairsKept) [[unlikely]]
        RebuildPairs();
    return Walk(bits);
}

AdaptiveHuffman::PeekedSymbol AdaptiveHuffman::AdaptAndPeek(unsigned previous, uint64_t bits)
{
    // Walking first takes the walk off the update's path: the update mostly just trades the
    // places of previous's leaf and one other leaf, and renaming those two symbols gives
    // what the walk would have found on the updated tree.
    if (!m_pairsKept) [[unlikely]]
        RebuildPairs();
    PeekedSymbol next = Walk(bits);
    const unsigned displaced = Adapt(previous);
    if (displaced == kReshaped) [[unlikely]]
        return Walk(bits);
    next.Symbol = next.Symbol == previous ? displaced : next.Symbol == displaced ? previous : next.Symbol;
    return next;
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

// Forced inline: left to itself the compiler keeps it a call of its own, which costs the
// decoder about 4 %.
[[gnu::always_inline]] inline unsigned AdaptiveHuffman::Adapt(unsigned symbol)
{
    bool reshaped = false;
    if (m_rootFreq == kMaxFreq) [[unlikely]] {
        Reconstruct();
        reshaped = true;
    }
    if (m_batchLeft == 0) [[unlikely]]
        StartBatch();
    --m_batchLeft;
    // The leaf goes to the end of its run of equal frequency, which may be where it is: on
    // varied data it moves about as often as not, so the swap is made either way.
    const unsigned c = m_prnt[symbol + kNodes];
    const unsigned k = m_freq[c] + 1u;
    const unsigned l = BlockEnd(c, k);
    const unsigned displaced = m_son[l];
    Exchange(c, l, k);
    // Inner nodes seldom move. The result must not wait on the climb, so that the next
    // symbol's update can start before this one is done: a move leaves the loop instead.
    // The climb stops where the top nodes begin; they are counted in at the batch's end.
    ++m_rootFreq;
    for (unsigned node = m_prnt[l];; node = m_prnt[node]) {
        if (node >= m_topStart) {
            ++m_topPending[node];
            break;
        }
        const unsigned f = ++m_freq[node];
        if (f > m_freq[node + 1]) [[unlikely]] {
            node = MoveUp(node, f);
            while ((node = m_prnt[node]) < m_topStart)
                Increment(node);
            ++m_topPending[node];
            return kReshaped;
        }
    }
    return reshaped || displaced < kNodes ? kReshaped : displaced - kNodes;
}

void AdaptiveHuffman::Update(unsigned symbol) { Adapt(symbol); }

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

inline uint16_t AdaptiveHuffman::PairStep(unsigned node, unsigned bit) const
{
    const unsigned son = m_son[node];
    return static_cast<uint16_t>(son >= kNodes ? son | kOneBit : m_son[son + bit]);
}

inline void AdaptiveHuffman::SonChanged(unsigned node)
{
    m_pairs[2 * node] = PairStep(node, 0);
    m_pairs[2 * node + 1] = PairStep(node, 1);
    m_pairs[2 * m_prnt[node] + (node & 1)] = m_son[node];
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
