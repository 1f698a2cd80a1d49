#include "codec/MatchTree.h"

#include <bit>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace aw {

namespace {

constexpr int kPadding = 32;

inline uint64_t LoadBigEndian64(const uint8_t *p)
{
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return __builtin_bswap64(v);
}

// Bit k set where a[k] == b[k], for k = 0..63.
inline uint64_t EqualBytes64(const uint8_t *a, const uint8_t *b)
{
#if defined(__SSE2__)
    uint64_t equal = 0;
    for (int k = 0; k < 4; ++k) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(a + 16 * k));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i *>(b + 16 * k));
        equal |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, y)))) << (16 * k);
    }
    return equal;
#else
    uint64_t equal = 0;
    for (int k = 0; k < 64; ++k)
        equal |= static_cast<uint64_t>(a[k] == b[k]) << k;
    return equal;
#endif
}

constexpr uint64_t kAllBytes = (1ull << MatchTree::kLongest) - 1;

// Common prefix length (1..60) of two strings whose first bytes are equal, and the sign of
// their first difference (0 when none).
inline int CommonLength(const uint8_t *a, const uint8_t *b, int &cmp)
{
    // Bytes 1..8 first: most strings differ there, and big-endian words order like bytes.
    const uint64_t wa = LoadBigEndian64(a + 1);
    const uint64_t wb = LoadBigEndian64(b + 1);
    if (wa != wb) {
        cmp = wa > wb ? 1 : -1;
        return 1 + (std::countl_zero(wa ^ wb) >> 3);
    }
    const uint64_t differ = ~EqualBytes64(a, b) & kAllBytes;
    if (differ == 0) {
        cmp = 0;
        return MatchTree::kLongest;
    }
    const int i = std::countr_zero(differ);
    cmp = static_cast<int>(a[i]) - static_cast<int>(b[i]);
    return i;
}

} // namespace

MatchTree::MatchTree()
    : m_text(kWindow + kLongest - 1 + kPadding, 0), m_son(2 * (kWindow + 257), kNil), m_dad(kWindow + 1, kNil)
{
}

void MatchTree::Insert(int r)
{
    // The string one after the last full match often equals this one (runs, repeated
    // rows). A string equal to the key is unique in the tree, and a search for the key
    // reaches it with nothing as long on the way, so the search's outcome is known.
    const bool follows = r == ((m_lastInsert + 1) & (kWindow - 1));
    m_lastInsert = r;
    if (follows && m_lastFullMatch != kNil) {
        const int q = (m_lastFullMatch + 1) & (kWindow - 1);
        if (m_dad[q] != kNil && (EqualBytes64(m_text.data() + r, m_text.data() + q) & kAllBytes) == kAllBytes) {
            MatchLength = kLongest;
            MatchPosition = ((r - q) & (kWindow - 1)) - 1;
            m_lastFullMatch = q;
            ReplaceNode(q, r);
            return;
        }
    }
    m_lastFullMatch = kNil;
    // Where strings share little, the way down is a coin toss and a computed side is
    // faster; where they share much, it is predictable. Both walks give the same result.
    if (MatchLength <= kThreshold)
        Search<false>(r);
    else
        Search<true>(r);
}

template <bool Branchy> void MatchTree::Search(int r)
{
    const uint8_t *text = m_text.data();
    const uint8_t *key = text + r;
    const unsigned keyPair = Pair(r);
    const uint32_t keySlot = keyPair << 16 | 0xFFFF; // above every slot of a lower pair
    uint32_t *son = m_son.data();

    unsigned p = kWindow + 1 + key[0];
    son[2 * r] = son[2 * r + 1] = kNil;
    int length = 0;
    int position = MatchPosition;
    unsigned side = 1; // right while the last comparison was not below
    for (;;) {
        uint32_t slot;
        if constexpr (Branchy) {
            if (side)
                slot = son[2 * size_t{p} + 1];
            else
                slot = son[2 * size_t{p}];
        } else {
            slot = son[2 * size_t{p} + side];
        }
        const unsigned next = slot & 0xFFFF;
        if (next == kNil)
            break;
        p = next;
        if ((slot >> 16) != keyPair) {
            // They differ in byte 1 or 2: too short to be a match. Comparing the whole slot
            // decides the side one step sooner than taking its bytes out first.
            side = slot < keySlot ? 1 : 0;
            continue;
        }
        int cmp;
        const int i = CommonLength(key, text + p, cmp);
        side = cmp >= 0 ? 1 : 0;
        if (i > kThreshold) {
            const int candidate = ((r - static_cast<int>(p)) & (kWindow - 1)) - 1;
            if (i > length) {
                position = candidate;
                length = i;
                if (length >= kLongest) {
                    MatchLength = length;
                    MatchPosition = position;
                    m_lastFullMatch = static_cast<int>(p);
                    ReplaceNode(static_cast<int>(p), r);
                    return;
                }
            } else if (i == length && candidate < position) {
                position = candidate; // the nearer of two equal matches
            }
        }
    }
    son[2 * size_t{p} + side] = static_cast<uint32_t>(r) | keyPair << 16;
    m_dad[r] = static_cast<uint16_t>(p);
    MatchLength = length;
    MatchPosition = position;
}

void MatchTree::ReplaceNode(int p, int r)
{
    const int left = Son(p, 0);
    const int right = Son(p, 1);
    const int father = m_dad[p];
    m_dad[r] = static_cast<uint16_t>(father);
    m_son[2 * r] = m_son[2 * p];
    m_son[2 * r + 1] = m_son[2 * p + 1];
    m_dad[left] = static_cast<uint16_t>(r);
    m_dad[right] = static_cast<uint16_t>(r);
    // r's string equals p's, so the slot keeps its bytes and only the node changes.
    uint32_t &slot = m_son[2 * father + SideOf(p, father)];
    slot = (slot & 0xFFFF0000u) | static_cast<uint32_t>(r);
    m_dad[p] = kNil;
}

void MatchTree::Delete(int p)
{
    if (m_dad[p] == kNil)
        return;
    // Slots are moved whole (son and its bytes) rather than rebuilt.
    const uint32_t leftSlot = m_son[2 * p];
    const uint32_t rightSlot = m_son[2 * p + 1];
    const int left = static_cast<int>(leftSlot & 0xFFFF);
    const int right = static_cast<int>(rightSlot & 0xFFFF);
    int q;
    uint32_t qSlot;
    if (right == kNil) {
        q = left;
        qSlot = leftSlot;
    } else if (left == kNil) {
        q = right;
        qSlot = rightSlot;
    } else {
        // Two sons: the in-order predecessor takes p's place.
        q = left;
        qSlot = leftSlot;
        if (Son(q, 1) != kNil) {
            do {
                qSlot = m_son[2 * q + 1];
                q = static_cast<int>(qSlot & 0xFFFF);
            } while (Son(q, 1) != kNil);
            const int qFather = m_dad[q];
            m_son[2 * qFather + 1] = m_son[2 * q];
            m_dad[Son(q, 0)] = static_cast<uint16_t>(qFather);
            m_son[2 * q] = leftSlot;
            m_dad[left] = static_cast<uint16_t>(q);
        }
        m_son[2 * q + 1] = rightSlot;
        m_dad[right] = static_cast<uint16_t>(q);
    }
    const int father = m_dad[p];
    m_dad[q] = static_cast<uint16_t>(father);
    m_son[2 * father + SideOf(p, father)] = qSlot;
    m_dad[p] = kNil;
}

} // namespace aw
