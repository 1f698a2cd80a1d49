#include "codec/LzhEncoder.h"

#include "codec/AdaptiveHuffman.h"
#include "codec/MatchTree.h"
#include "codec/PositionCode.h"

#include <cstring>
#include <memory>

unsigned EncodeLzh(TSourceBuffer &in, TBitWriter &out)
{
    constexpr int N = TMatchTree::kWindow;
    constexpr int F = TMatchTree::kLongest;
    auto tree = std::make_unique<TMatchTree>();
    auto huffman = std::make_unique<TAdaptiveHuffman>();
    uint8_t *text = tree->Text();

    std::memset(text, ' ', N - F);
    int s = 0;
    int r = N - F;
    int len = 0;
    int c;
    for (; len < F && (c = in.Next()) >= 0; ++len)
        text[r + len] = static_cast<uint8_t>(c);
    if (len == 0)
        return 0; // nothing to code: the container is the header alone
    for (int i = 1; i <= F; ++i)
        tree->Insert(r - i);
    tree->Insert(r);

    do {
        if (tree->MatchLength > len)
            tree->MatchLength = len;
        if (tree->MatchLength <= TMatchTree::kThreshold) {
            tree->MatchLength = 1;
            huffman->Encode(text[r], out);
        } else {
            huffman->Encode(static_cast<unsigned>(tree->MatchLength + 253), out);
            positioncode::Encode(static_cast<unsigned>(tree->MatchPosition), out);
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
    return huffman->LongestCodeWritten();
}
