#pragma once

#include "codec/MatchTree.h"

#include <bitset>
#include <cstdint>
#include <memory>

namespace aw {

// A step of the coded stream: the symbol (a literal byte, or a match length + 253) in the
// low 16 bits, a match's position above them.
inline uint32_t CodingStep(unsigned symbol, unsigned position) { return symbol | position << 16; }
// How many input bytes a step covers.
inline unsigned StepLength(uint32_t step)
{
    const unsigned symbol = step & 0xFFFF;
    return symbol < 256 ? 1 : symbol - 253;
}

// The match search, fed the input one byte at a time. It slides the window as the coder
// reads and inserts the string at each input offset as soon as its 60 bytes (or the end of
// the input) are known, then hands on the step that would start there. The coder takes the
// steps at the offsets its previous steps lead to.
//
// Strings of different first bytes live in separate trees, so a search may keep only some
// first bytes: searches over complementary sets, each fed every byte, together find exactly
// what one search over all first bytes finds, and can run on different threads.
class WindowSearch {
public:
    using FirstBytes = std::bitset<256>;

    explicit WindowSearch(const FirstBytes &kept = FirstBytes().set());

    // Takes the next input byte; calls found(offset, step) when the string at that offset
    // is complete and its first byte is kept.
    template <class Found> void Feed(uint8_t byte, Found &&found)
    {
        if (m_inserted == 0 && m_lookahead < kLongest) [[unlikely]] {
            m_text[m_r + m_lookahead++] = byte;
            if (m_lookahead == kLongest)
                Start(found);
            return;
        }
        const int leaving = m_s;
        Slide();
        m_text[leaving] = byte;
        if (leaving < kLongest - 1)
            m_text[leaving + kWindow] = byte; // the mirror after the ring
        Insert(found);
    }

    // The input has ended: the strings still waiting for bytes are inserted as they are.
    template <class Found> void Finish(Found &&found)
    {
        if (m_inserted == 0) {
            if (m_lookahead == 0)
                return;
            Start(found);
        }
        while (m_lookahead > 0) {
            Slide();
            if (--m_lookahead > 0)
                Insert(found);
        }
    }

    // Offsets whose strings have been inserted (or passed over as not kept).
    uint64_t Inserted() const { return m_inserted; }

private:
    static constexpr int kWindow = MatchTree::kWindow;
    static constexpr int kLongest = MatchTree::kLongest;

    // Moves the window on by one position: the oldest string leaves it, linked in only if
    // its first byte is kept.
    void Slide()
    {
        if (m_kept[m_text[m_s]])
            m_tree->Delete(m_s);
        m_s = (m_s + 1) & (kWindow - 1);
        m_r = (m_r + 1) & (kWindow - 1);
    }

    // The first string: the window before it holds spaces, whose strings go in first.
    template <class Found> void Start(Found &found)
    {
        for (int i = 1; i <= kLongest; ++i)
            if (m_kept[m_text[m_r - i]])
                m_tree->Insert(m_r - i);
        Insert(found);
    }

    template <class Found> void Insert(Found &found)
    {
        const uint64_t offset = m_inserted++;
        if (!m_kept[m_text[m_r]])
            return;
        m_tree->Insert(m_r);
        // Near the end of the input a match cannot reach past it.
        const int length = m_tree->MatchLength < m_lookahead ? m_tree->MatchLength : m_lookahead;
        if (length <= MatchTree::kThreshold)
            found(offset, CodingStep(m_text[m_r], 0));
        else
            found(offset,
                  CodingStep(static_cast<unsigned>(length + 253), static_cast<unsigned>(m_tree->MatchPosition)));
    }

    std::unique_ptr<MatchTree> m_tree;
    uint8_t *m_text;
    FirstBytes m_kept;
    int m_s = 0;                  // the oldest window position, overwritten by the next byte
    int m_r = kWindow - kLongest; // the string to insert next
    int m_lookahead = 0;          // bytes known from m_r on (kLongest until the input ends)
    uint64_t m_inserted = 0;
};

} // namespace aw
