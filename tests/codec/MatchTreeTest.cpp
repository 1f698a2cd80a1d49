#include "storage/codec/MatchTree.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

// The string-matching trees written plainly, byte by byte, as a yardstick for the fast one.
struct PlainTree {
    static constexpr int N = 4096, F = 60, NIL = N;
    uint8_t text[N + F - 1] = {};
    int lson[N + 1], rson[N + 257], dad[N + 1];
    int matchLength = 0, matchPosition = 0;

    PlainTree()
    {
        for (int i = N + 1; i <= N + 256; ++i)
            rson[i] = NIL;
        for (int i = 0; i < N; ++i)
            dad[i] = NIL;
    }

    void insert(int r)
    {
        int cmp = 1, i = 0;
        int p = N + 1 + text[r];
        rson[r] = lson[r] = NIL;
        matchLength = 0;
        for (;;) {
            int &child = cmp >= 0 ? rson[p] : lson[p];
            if (child == NIL) {
                child = r;
                dad[r] = p;
                return;
            }
            p = child;
            for (i = 1; i < F; ++i)
                if ((cmp = text[r + i] - text[p + i]) != 0)
                    break;
            if (i > 2) {
                const int c = ((r - p) & (N - 1)) - 1;
                if (i > matchLength) {
                    matchPosition = c;
                    if ((matchLength = i) >= F)
                        break;
                } else if (i == matchLength && c < matchPosition) {
                    matchPosition = c;
                }
            }
        }
        dad[r] = dad[p];
        lson[r] = lson[p];
        rson[r] = rson[p];
        dad[lson[p]] = r;
        dad[rson[p]] = r;
        (rson[dad[p]] == p ? rson[dad[p]] : lson[dad[p]]) = r;
        dad[p] = NIL;
    }

    void remove(int p)
    {
        if (dad[p] == NIL)
            return;
        int q;
        if (rson[p] == NIL) {
            q = lson[p];
        } else if (lson[p] == NIL) {
            q = rson[p];
        } else {
            q = lson[p];
            if (rson[q] != NIL) {
                do
                    q = rson[q];
                while (rson[q] != NIL);
                rson[dad[q]] = lson[q];
                dad[lson[q]] = dad[q];
                lson[q] = lson[p];
                dad[lson[p]] = q;
            }
            rson[q] = rson[p];
            dad[rson[p]] = q;
        }
        dad[q] = dad[p];
        (rson[dad[p]] == p ? rson[dad[p]] : lson[dad[p]]) = q;
        dad[p] = NIL;
    }
};

// Slides both trees over data the way the encoder does (one position per byte) and
// compares every search result. Returns the number of full-length matches seen.
int compareOn(const std::vector<uint8_t> &data)
{
    constexpr int N = 4096, F = 60;
    auto plain = std::make_unique<PlainTree>();
    auto fast = std::make_unique<TMatchTree>();
    uint8_t *text = fast->Text();
    std::memset(text, ' ', N - F);
    std::memset(plain->text, ' ', N - F);
    size_t next = 0;
    int r = N - F, s = 0, len = 0;
    for (; len < F && next < data.size(); ++len, ++next)
        text[r + len] = plain->text[r + len] = data[next];
    for (int i = 1; i <= F; ++i) {
        plain->insert(r - i);
        fast->Insert(r - i);
    }
    int fullMatches = 0;
    auto insertBoth = [&](int at) {
        plain->insert(at);
        fast->Insert(at);
        EXPECT_EQ(fast->MatchLength, plain->matchLength) << "at byte " << next;
        if (plain->matchLength > 2) {
            EXPECT_EQ(fast->MatchPosition, plain->matchPosition) << "at byte " << next;
        }
        fullMatches += plain->matchLength == F;
        return !::testing::Test::HasFailure();
    };
    if (!insertBoth(r))
        return fullMatches;
    while (len > 0) {
        plain->remove(s);
        fast->Delete(s);
        if (next < data.size()) {
            text[s] = plain->text[s] = data[next];
            if (s < F - 1)
                text[s + N] = plain->text[s + N] = data[next];
            ++next;
        } else {
            --len;
        }
        s = (s + 1) & (N - 1);
        r = (r + 1) & (N - 1);
        if (len > 0 && !insertBoth(r))
            return fullMatches;
    }
    return fullMatches;
}

} // namespace

TEST(MatchTree, FindsWhatThePlainSearchFindsOnFlatImageRows)
{
    std::mt19937 rng(1);
    std::vector<uint8_t> image;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 1200; ++x)
            image.push_back((y % 17 < 2 || x % 131 < 2 || (y % 40 > 30 && x % 9 < 3 && rng() % 2)) ? 0 : 255);
    EXPECT_GT(compareOn(image), 1000);
}

TEST(MatchTree, FindsWhatThePlainSearchFindsOnTextAndRandomBytes)
{
    std::mt19937 rng(2);
    std::vector<uint8_t> text;
    const char *words[] = {"Cannon ", "Light ", "Rocket Pack ", "|X| ", "\r\n", "armor ", "   "};
    while (text.size() < 60000)
        for (const char *c = words[rng() % 7]; *c; ++c)
            text.push_back(static_cast<uint8_t>(*c));
    compareOn(text);

    std::vector<uint8_t> random(30000);
    for (uint8_t &b : random)
        b = static_cast<uint8_t>(rng());
    compareOn(random);

    std::vector<uint8_t> fewSymbols(40000);
    for (uint8_t &b : fewSymbols)
        b = "ab "[rng() % 3];
    compareOn(fewSymbols);
}

TEST(MatchTree, FindsWhatThePlainSearchFindsOnRunsAndShortInputs)
{
    std::mt19937 rng(3);
    std::vector<uint8_t> runs;
    while (runs.size() < 50000)
        runs.insert(runs.end(), rng() % 150, static_cast<uint8_t>(" xy\0"[rng() % 4]));
    EXPECT_GT(compareOn(runs), 100);
    compareOn(std::vector<uint8_t>(9000, ' '));
    for (size_t n : {1u, 2u, 3u, 59u, 61u})
        compareOn(std::vector<uint8_t>(n, 'k'));
}
