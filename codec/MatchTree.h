#pragma once

#include <cstdint>
#include <vector>

namespace aw {

// The encoder's window and its string-matching trees: a 4096-byte ring buffer (plus a
// mirror of its first 59 bytes so a 60-byte comparison never wraps) and, for every first
// byte, a binary search tree of the window's strings. Inserting a string finds the longest
// earlier match on the way down.
class MatchTree {
public:
    static constexpr int kWindow = 4096; // N
    static constexpr int kLongest = 60;  // F
    static constexpr int kThreshold = 2; // matches up to this length are sent as literals
    static constexpr int kNil = kWindow;

    MatchTree();

    uint8_t *Text() { return m_text.data(); }

    // Links the string at r into its tree and leaves the best match in MatchLength and
    // MatchPosition (distance back minus one; of equal matches met on the way down, the
    // nearest).
    void Insert(int r);
    // Unlinks the string at p; nothing happens when it is not in a tree.
    void Delete(int p);

    int MatchLength = 0;
    int MatchPosition = 0;

private:
    // Walks down from the root of r's tree and links r in. `Branchy` decides the side with
    // a branch (fast when the way is predictable) instead of a computed index.
    template <bool Branchy> void Search(int r);
    // A full-length match: r takes p's place in the tree and p leaves it.
    void ReplaceNode(int p, int r);

    int Son(int p, int side) const { return static_cast<int>(m_son[2 * p + side] & 0xFFFF); }
    // The side of its father on which p hangs.
    int SideOf(int p, int father) const { return Son(father, 1) == p ? 1 : 0; }
    // Bytes 1 and 2 of the string at p as one number, ordered like the bytes.
    unsigned Pair(int p) const { return static_cast<unsigned>(m_text[p + 1]) << 8 | m_text[p + 2]; }

    std::vector<uint8_t> m_text; // N + F - 1 bytes, then zero padding for wide compares
    // [2p] left and [2p + 1] right son of p in the low 16 bits, the son's Pair above them,
    // so one load both finds a son and mostly decides the next step. Roots N+1.. use the
    // right son only.
    std::vector<uint32_t> m_son;
    std::vector<uint16_t> m_dad;
    int m_lastInsert = -1;      // position of the last insertion
    int m_lastFullMatch = kNil; // the node it replaced on a full-length match
};

} // namespace aw
