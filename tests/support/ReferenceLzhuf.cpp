// Kept deliberately close to the original program: global-style state, getc/putc-like byte
// access, bit-at-a-time decoding, linear searches. Only the file I/O became memory I/O.
#include "tests/support/ReferenceLzhuf.h"

#include <cstring>
#include <memory>

namespace aw {

namespace referencelzhuf {

namespace {

constexpr int N = 4096;
constexpr int F = 60;
constexpr int THRESHOLD = 2;
constexpr int NIL = N;
constexpr int N_CHAR = 256 - THRESHOLD + F;
constexpr int T = N_CHAR * 2 - 1;
constexpr int R = T - 1;
constexpr unsigned MAX_FREQ = 0x8000;

// Upper 6 bits of a position: code length and code (left-aligned in 8 bits).
const uint8_t p_len[64] = {
    0x03, 0x04, 0x04, 0x04, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x06, 0x06, 0x06, 0x06,
    0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07,
    0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07,
    0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08,
};
const uint8_t p_code[64] = {
    0x00, 0x20, 0x30, 0x40, 0x50, 0x58, 0x60, 0x68, 0x70, 0x78, 0x80, 0x88, 0x90, 0x94, 0x98, 0x9C,
    0xA0, 0xA4, 0xA8, 0xAC, 0xB0, 0xB4, 0xB8, 0xBC, 0xC0, 0xC2, 0xC4, 0xC6, 0xC8, 0xCA, 0xCC, 0xCE,
    0xD0, 0xD2, 0xD4, 0xD6, 0xD8, 0xDA, 0xDC, 0xDE, 0xE0, 0xE2, 0xE4, 0xE6, 0xE8, 0xEA, 0xEC, 0xEE,
    0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF,
};

struct Lzhuf {
    // Byte I/O in place of getc/putc on files.
    const uint8_t *InData = nullptr;
    size_t InSize = 0;
    size_t InPos = 0;
    std::vector<uint8_t> Out;

    int Getc() { return InPos < InSize ? InData[InPos++] : -1; }
    void Putc(int c) { Out.push_back(static_cast<uint8_t>(c)); }

    // LZSS
    uint8_t TextBuf[N + F - 1] = {};
    int MatchPosition = 0, match_length = 0;
    int Lson[N + 1] = {}, rson[N + 257] = {}, dad[N + 1] = {};

    void InitTree()
    {
        for (int i = N + 1; i <= N + 256; i++)
            rson[i] = NIL;
        for (int i = 0; i < N; i++)
            dad[i] = NIL;
    }

    void InsertNode(int r)
    {
        int i, p, cmp = 1;
        const uint8_t *key = &TextBuf[r];
        p = N + 1 + key[0];
        rson[r] = Lson[r] = NIL;
        match_length = 0;
        for (;;) {
            if (cmp >= 0) {
                if (rson[p] != NIL)
                    p = rson[p];
                else {
                    rson[p] = r;
                    dad[r] = p;
                    return;
                }
            } else {
                if (Lson[p] != NIL)
                    p = Lson[p];
                else {
                    Lson[p] = r;
                    dad[r] = p;
                    return;
                }
            }
            for (i = 1; i < F; i++)
                if ((cmp = key[i] - TextBuf[p + i]) != 0)
                    break;
            if (i > THRESHOLD) {
                if (i > match_length) {
                    MatchPosition = ((r - p) & (N - 1)) - 1;
                    if ((match_length = i) >= F)
                        break;
                }
                if (i == match_length) {
                    const int c = ((r - p) & (N - 1)) - 1;
                    if (c < MatchPosition)
                        MatchPosition = c;
                }
            }
        }
        dad[r] = dad[p];
        Lson[r] = Lson[p];
        rson[r] = rson[p];
        dad[Lson[p]] = r;
        dad[rson[p]] = r;
        if (rson[dad[p]] == p)
            rson[dad[p]] = r;
        else
            Lson[dad[p]] = r;
        dad[p] = NIL;
    }

    void DeleteNode(int p)
    {
        int q;
        if (dad[p] == NIL)
            return;
        if (rson[p] == NIL)
            q = Lson[p];
        else if (Lson[p] == NIL)
            q = rson[p];
        else {
            q = Lson[p];
            if (rson[q] != NIL) {
                do {
                    q = rson[q];
                } while (rson[q] != NIL);
                rson[dad[q]] = Lson[q];
                dad[Lson[q]] = dad[q];
                Lson[q] = Lson[p];
                dad[Lson[p]] = q;
            }
            rson[q] = rson[p];
            dad[rson[p]] = q;
        }
        dad[q] = dad[p];
        if (rson[dad[p]] == p)
            rson[dad[p]] = q;
        else
            Lson[dad[p]] = q;
        dad[p] = NIL;
    }

    // Huffman coding
    unsigned Freq[T + 1] = {};
    int Prnt[T + N_CHAR] = {};
    int Son[T] = {};

    uint16_t Getbuf = 0;
    int Getlen = 0;
    uint64_t Putbuf = 0; // pending bits from bit 63 down (16 bits in the original)
    int Putlen = 0;

    // Keeps at least 9 bits in Getbuf, zeros past the end of the input.
    void FillGetbuf()
    {
        while (Getlen <= 8) {
            int i = Getc();
            if (i < 0)
                i = 0;
            Getbuf = static_cast<uint16_t>(Getbuf | (i << (8 - Getlen)));
            Getlen += 8;
        }
    }

    int GetBit()
    {
        FillGetbuf();
        const int i = Getbuf >> 15;
        Getbuf = static_cast<uint16_t>(Getbuf << 1);
        Getlen--;
        return i;
    }

    int GetByte()
    {
        FillGetbuf();
        const int i = Getbuf >> 8;
        Getbuf = static_cast<uint16_t>(Getbuf << 8);
        Getlen -= 8;
        return i;
    }

    // Writes the top l bits of c.
    void Putcode(int l, uint64_t c)
    {
        Putbuf |= c >> Putlen;
        Putlen += l;
        while (Putlen >= 8) {
            Putc(static_cast<int>(Putbuf >> 56));
            Putbuf <<= 8;
            Putlen -= 8;
        }
    }

    void StartHuff()
    {
        int i, j;
        for (i = 0; i < N_CHAR; i++) {
            Freq[i] = 1;
            Son[i] = i + T;
            Prnt[i + T] = i;
        }
        i = 0;
        j = N_CHAR;
        while (j <= R) {
            Freq[j] = Freq[i] + Freq[i + 1];
            Son[j] = i;
            Prnt[i] = Prnt[i + 1] = j;
            i += 2;
            j++;
        }
        Freq[T] = 0xFFFF;
        Prnt[R] = 0;
    }

    void Reconst()
    {
        int i, j, k;
        unsigned f, l;
        j = 0;
        for (i = 0; i < T; i++) {
            if (Son[i] >= T) {
                Freq[j] = (Freq[i] + 1) / 2;
                Son[j] = Son[i];
                j++;
            }
        }
        for (i = 0, j = N_CHAR; j < T; i += 2, j++) {
            k = i + 1;
            f = Freq[j] = Freq[i] + Freq[k];
            for (k = j - 1; f < Freq[k]; k--)
                ;
            k++;
            l = static_cast<unsigned>(j - k);
            std::memmove(&Freq[k + 1], &Freq[k], l * sizeof Freq[0]);
            Freq[k] = f;
            std::memmove(&Son[k + 1], &Son[k], l * sizeof Son[0]);
            Son[k] = i;
        }
        for (i = 0; i < T; i++) {
            if ((k = Son[i]) >= T)
                Prnt[k] = i;
            else
                Prnt[k] = Prnt[k + 1] = i;
        }
    }

    void Update(int c)
    {
        int i, j, l;
        unsigned k;
        if (Freq[R] == MAX_FREQ)
            Reconst();
        c = Prnt[c + T];
        do {
            k = ++Freq[c];
            if (k > Freq[l = c + 1]) {
                while (k > Freq[++l])
                    ;
                l--;
                Freq[c] = Freq[l];
                Freq[l] = k;
                i = Son[c];
                Prnt[i] = l;
                if (i < T)
                    Prnt[i + 1] = l;
                j = Son[l];
                Son[l] = i;
                Prnt[j] = c;
                if (j < T)
                    Prnt[j + 1] = c;
                Son[c] = j;
                c = l;
            }
        } while ((c = Prnt[c]) != 0);
    }

    void EncodeChar(unsigned c)
    {
        uint64_t i = 0;
        int j = 0;
        int k = Prnt[c + T];
        do {
            i >>= 1;
            if (k & 1)
                i |= 1ull << 63;
            j++;
        } while ((k = Prnt[k]) != R);
        Putcode(j, i);
        Update(static_cast<int>(c));
    }

    void EncodePosition(unsigned c)
    {
        const unsigned i = c >> 6;
        Putcode(p_len[i], static_cast<uint64_t>(p_code[i]) << 56);
        Putcode(6, static_cast<uint64_t>(c & 0x3F) << 58);
    }

    void EncodeEnd()
    {
        if (Putlen)
            Putc(static_cast<int>(Putbuf >> 56));
    }

    int DecodeChar()
    {
        unsigned c = static_cast<unsigned>(Son[R]);
        while (c < T) {
            c += static_cast<unsigned>(GetBit());
            c = static_cast<unsigned>(Son[c]);
        }
        c -= T;
        Update(static_cast<int>(c));
        return static_cast<int>(c);
    }

    // DCode / d_len of the original, derived from p_code / p_len.
    uint8_t DCode[256] = {}, d_len[256] = {};

    void MakeDecodeTables()
    {
        for (int i = 0; i < 64; i++)
            for (int b = 0; b < 1 << (8 - p_len[i]); b++) {
                DCode[p_code[i] + b] = static_cast<uint8_t>(i);
                d_len[p_code[i] + b] = p_len[i];
            }
    }

    int DecodePosition()
    {
        unsigned i, j, c;
        i = static_cast<unsigned>(GetByte());
        c = static_cast<unsigned>(DCode[i]) << 6;
        j = d_len[i];
        j -= 2;
        while (j--)
            i = (i << 1) + static_cast<unsigned>(GetBit());
        return static_cast<int>(c | (i & 0x3F));
    }

    void PutHeaderField(uint32_t v)
    {
        for (int k = 0; k < 4; k++)
            Putc(static_cast<int>((v >> (8 * k)) & 0xFF));
    }

    void Encode()
    {
        int i, c, len, r, s, last_match_length;
        PutHeaderField(0x4C5A4821);
        PutHeaderField(static_cast<uint32_t>(InSize));
        if (InSize == 0)
            return;
        StartHuff();
        InitTree();
        s = 0;
        r = N - F;
        for (i = s; i < r; i++)
            TextBuf[i] = ' ';
        for (len = 0; len < F && (c = Getc()) != -1; len++)
            TextBuf[r + len] = static_cast<uint8_t>(c);
        for (i = 1; i <= F; i++)
            InsertNode(r - i);
        InsertNode(r);
        do {
            if (match_length > len)
                match_length = len;
            if (match_length <= THRESHOLD) {
                match_length = 1;
                EncodeChar(TextBuf[r]);
            } else {
                EncodeChar(static_cast<unsigned>(255 - THRESHOLD + match_length));
                EncodePosition(static_cast<unsigned>(MatchPosition));
            }
            last_match_length = match_length;
            for (i = 0; i < last_match_length && (c = Getc()) != -1; i++) {
                DeleteNode(s);
                TextBuf[s] = static_cast<uint8_t>(c);
                if (s < F - 1)
                    TextBuf[s + N] = static_cast<uint8_t>(c);
                s = (s + 1) & (N - 1);
                r = (r + 1) & (N - 1);
                InsertNode(r);
            }
            while (i++ < last_match_length) {
                DeleteNode(s);
                s = (s + 1) & (N - 1);
                r = (r + 1) & (N - 1);
                if (--len)
                    InsertNode(r);
            }
        } while (len > 0);
        EncodeEnd();
    }

    uint32_t GetHeaderField()
    {
        uint32_t v = 0;
        for (int k = 0; k < 4; k++)
            v |= static_cast<uint32_t>(Getc() & 0xFF) << (8 * k);
        return v;
    }

    void Decode()
    {
        int i, j, k, r, c;
        GetHeaderField(); // the magic
        const uint32_t textsize = GetHeaderField();
        if (textsize == 0)
            return;
        MakeDecodeTables();
        StartHuff();
        for (i = 0; i < N - F; i++)
            TextBuf[i] = ' ';
        r = N - F;
        for (uint32_t count = 0; count < textsize;) {
            c = DecodeChar();
            if (c < 256) {
                Putc(c);
                TextBuf[r++] = static_cast<uint8_t>(c);
                r &= (N - 1);
                count++;
            } else {
                i = (r - DecodePosition() - 1) & (N - 1);
                j = c - 255 + THRESHOLD;
                for (k = 0; k < j; k++) {
                    c = TextBuf[(i + k) & (N - 1)];
                    Putc(c);
                    TextBuf[r++] = static_cast<uint8_t>(c);
                    r &= (N - 1);
                    count++;
                }
            }
        }
    }
};

std::vector<uint8_t> Run(const std::vector<uint8_t> &in, bool encode)
{
    auto state = std::make_unique<Lzhuf>();
    state->InData = in.data();
    state->InSize = in.size();
    if (encode)
        state->Encode();
    else
        state->Decode();
    return std::move(state->Out);
}

} // namespace

std::vector<uint8_t> Compress(const std::vector<uint8_t> &data) { return Run(data, true); }
std::vector<uint8_t> Decompress(const std::vector<uint8_t> &container) { return Run(container, false); }

} // namespace referencelzhuf

} // namespace aw
