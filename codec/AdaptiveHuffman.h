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

    // Bits a window handed to PeekSymbol holds. Every code is shorter: a code of n bits needs
    // a root frequency of at least the (n + 2)th Fibonacci number, and the root stays at or
    // below kMaxFreq, so codes stay under 24 bits. A short window lets the reader refill only
    // every few symbols.
    static constexpr unsigned kWindowBits = 32;
    struct PeekedSymbol {
        unsigned Symbol;
        unsigned Length; // of its code, in bits
        unsigned Leaf;   // the node of its leaf, until the tree next adapts
    };
    // Decoding one symbol behind: PeekSymbol finds the symbol whose code starts `bits`
    // without adapting the tree, Update adapts it, and AdaptAndPeek(previous, bits) gives
    // what Update(previous.Symbol) followed by PeekSymbol(bits) would, but walks down the tree
    // before the update, so the two do not wait on each other. (These two and the steps
    // they take are defined in AdaptiveHuffmanSteps.h, for the decoder's loop.)
    PeekedSymbol PeekSymbol(uint64_t bits);
    void Update(unsigned symbol);
    PeekedSymbol AdaptAndPeek(const PeekedSymbol &previous, uint64_t bits);

    // The current code of a symbol (root end in the highest of `length` bits), its length,
    // and the longest code written so far.
    uint64_t Code(unsigned symbol, unsigned &length) const;
    unsigned CodeLength(unsigned symbol) const;
    unsigned LongestCodeWritten() const { return m_longestCode; }
    unsigned RootFrequency() const { return m_rootFreq; }
    unsigned Rebuilds() const { return m_rebuilds; }

private:
    // Adapts the tree to the symbol whose leaf is `leaf` and whose code is `codeLength` bits
    // long (0 if not known); true when more changed than which symbols the leaves hold (an
    // inner node moved, or the tree was rebuilt).
    bool Adapt(unsigned leaf, unsigned codeLength);
    // One step of Adapt's climb: adds one to the node's frequency. Should the node then pass
    // the next one, it moves up, the climb is finished from its new place and the answer is
    // true (Adapt's, too).
    bool RaiseOnClimb(unsigned node);
    // Where a code starts `bits` ends, once the decoding table is there: the leaf's node and
    // the code's length.
    struct PeekedLeaf {
        unsigned Node;
        unsigned Length;
    };
    PeekedLeaf Walk(uint64_t bits) const;
    // The last index of the run of frequency k - 1 that starts at c.
    unsigned BlockEnd(unsigned c, unsigned k) const;
    // Adds one to node c's frequency, moving it up the node order if needed; c follows it.
    void Increment(unsigned &c);
    // Swaps node c, whose frequency has just become k, with the last node of lower
    // frequency; returns that node's index, where c's subtree now is.
    unsigned MoveUp(unsigned c, unsigned k);
    // Swaps the subtrees at c and l (which may be the same node): c takes l's frequency and
    // l the frequency k.
    void Exchange(unsigned c, unsigned l, unsigned k);
    void Reconstruct();
    // The top nodes' counts are brought up to date in batches (see StartBatch).
    void CountInTopPending();
    void StartBatch();
    // The decoder's two-level table (m_pairs) kept in step with m_son.
    uint16_t OneStep(unsigned node) const;
    uint16_t PairStep(unsigned node, unsigned bit) const;
    void SonChanged(unsigned node);
    void RebuildPairs();

    // The root's frequency is only ever compared with kMaxFreq, so it is kept apart and the
    // climb stops below the root; its entry in m_freq reads 0xFFFF like the sentinel at
    // [kNodes], which stops the search for a node's new place. The padding after them (also
    // 0xFFFF) lets that search read sixteen entries at a time.
    unsigned m_rootFreq = 0;
    uint16_t m_freq[kNodes + 1 + 16];
    uint16_t m_son[kNodes];
    uint16_t m_prnt[kNodes + kSymbols]; // [kNodes + s] is the node of symbol s's leaf
    // [2n + b] is where node n leads in two steps: the son pair son[m] of m = son[n] + b,
    // or m marked kLeaf when m is a leaf, or n itself marked kLeaf | kOneBit when n is one.
    // From a son pair s, s + 1 the next two code bits x, y select [2 * (s + x) + y] =
    // [2 * s + xy]. Leaves are marked by node, not symbol, so that two leaves trading their
    // symbols leave the table as it is.
    static constexpr unsigned kLeaf = 0x4000;
    static constexpr unsigned kOneBit = 0x8000;
    static constexpr unsigned kNodeMask = 0x3FF;
    static_assert(kNodes <= kNodeMask && kNodes < kLeaf);
    uint16_t m_pairs[2 * kNodes];
    bool m_pairsKept = false; // from the first Decode on; the encoder never needs the table
    // The nodes from kTopStart on (the root end of the node order) are the busiest and move
    // least. A climb stops at the first of them and counts itself in m_topPending there;
    // the counts go up the top nodes once a batch, when no top node can have moved since.
    // Fifteen nodes are the top four levels of an even tree, so on varied data every climb
    // stops after the same number of steps. m_topStart is kTopStart, or kRoot for one
    // symbol when two neighbours there have equal counts and no batch is safe.
    static constexpr unsigned kTopLevels = 4;
    static constexpr unsigned kTopStart = kNodes - ((1u << kTopLevels) - 1);
    unsigned m_topStart = kTopStart;
    unsigned m_batchLeft = 0; // symbols until the next batch
    uint16_t m_topPending[kNodes];
    unsigned m_longestCode = 0;
    unsigned m_rebuilds = 0;
};

} // namespace aw
