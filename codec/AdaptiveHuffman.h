#pragma once

#include "codec/BitReader.h"
#include "codec/BitWriter.h"

#include <cstdint>

namespace aw {

// The adaptive Huffman coder of literals (0..255) and match lengths (256..313 for 3..60).
// The tree is kept in node order of non-decreasing frequency; a node's sons are the pair
// son[n], son[n] + 1, and a son value of kNodes or more denotes a leaf.
class AdaptiveHuffman {
public:
    static constexpr unsigned kSymbols = 314;            // 256 literals + 58 lengths
    static constexpr unsigned kNodes = 2 * kSymbols - 1; // 627
    static constexpr unsigned kRoot = kNodes - 1;
    static constexpr unsigned kMaxFreq = 0x8000; // root frequency that triggers halving

    AdaptiveHuffman() { Start(); }

    // The initial tree: every symbol with frequency 1.
    void Start();
    // Writes the symbol's code (root-most bit first) and adapts the tree.
    void Encode(unsigned symbol, BitWriter &out);
    // Reads one symbol's code and adapts the tree.
    unsigned Decode(BitReader &in);

    // The current code of a symbol (root end in the highest of `length` bits), its length,
    // and the longest code written so far.
    uint64_t Code(unsigned symbol, unsigned &length) const;
    unsigned CodeLength(unsigned symbol) const;
    unsigned LongestCodeWritten() const { return m_longestCode; }
    unsigned RootFrequency() const { return m_freq[kRoot]; }
    unsigned Rebuilds() const { return m_rebuilds; }

private:
    static constexpr unsigned kWindowBits = 56; // bits the reader guarantees per window

    void Update(unsigned symbol);
    // Adds one to node c's frequency, moving it up the node order if needed; c follows it.
    void Increment(unsigned &c);
    // Swaps node c, whose frequency has just become k, with the last node of lower
    // frequency; returns that node's index, where c's subtree now is.
    unsigned MoveUp(unsigned c, unsigned k);
    void Reconstruct();
    // The decoder's two-level table (m_pairs) kept in step with m_son.
    uint16_t PairStep(unsigned node, unsigned bit) const;
    void SonChanged(unsigned node);
    void RebuildPairs();

    // [kNodes] is a 0xFFFF sentinel; the padding after it (also 0xFFFF) lets the search for
    // a node's new place read eight entries at a time.
    uint16_t m_freq[kNodes + 1 + 8];
    uint16_t m_son[kNodes];
    uint16_t m_prnt[kNodes + kSymbols]; // [kNodes + s] is the node of symbol s's leaf
    // [2n + b] is where node n leads in two steps: son[son[n] + b], or son[n] itself marked
    // kOneBit when that is a leaf. From a son pair s, s + 1 the next two code bits x, y
    // select [2 * (s + x) + y] = [2 * s + xy].
    static constexpr unsigned kOneBit = 0x8000;
    uint16_t m_pairs[2 * kNodes];
    bool m_pairsKept = false; // from the first Decode on; the encoder never needs the table
    unsigned m_longestCode = 0;
    unsigned m_rebuilds = 0;
};

} // namespace aw
