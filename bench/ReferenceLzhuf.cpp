// Kept deliberately close to the original program: global-style state, getc/putc-like byte
// access, bit-at-a-time decoding, linear searches. Only the file I/O became memory I/O.
#include "ReferenceLzhuf.h"

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
    const uint8_t *inData = nullptr;
    size_t inSize = 0;
    size_t inPos = 0;
    std::vector<uint8_t> out;

    int getc() { return inPos < inSize ? inData[inPos++] : -1; }
    void putc(int c) { out.push_back(static_cast<uint8_t>(c)); }

    // LZSS
    uint8_t text_buf[N + F - 1] = {};
    int match_position = 0, match_length = 0;
    int lson[N + 1] = {}, rson[N + 257] = {}, dad[N + 1] = {};

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
        const uint8_t *key = &text_buf[r];
        p = N + 1 + key[0];
        rson[r] = lson[r] = NIL;
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
                if (lson[p] != NIL)
                    p = lson[p];
                else {
                    lson[p] = r;
                    dad[r] = p;
                    return;
                }
            }
            for (i = 1; i < F; i++)
                if ((cmp = key[i] - text_buf[p + i]) != 0)
                    break;
            if (i > THRESHOLD) {
                if (i > match_length) {
                    match_position = ((r - p) & (N - 1)) - 1;
                    if ((match_length = i) >= F)
                        break;
                }
                if (i == match_length) {
                    const int c = ((r - p) & (N - 1)) - 1;
                    if (c < match_position)
                        match_position = c;
                }
            }
        }
        dad[r] = dad[p];
        lson[r] = lson[p];
        rson[r] = rson[p];
        dad[lson[p]] = r;
        dad[rson[p]] = r;
        if (rson[dad[p]] == p)
            rson[dad[p]] = r;
        else
            lson[dad[p]] = r;
        dad[p] = NIL;
    }

    void DeleteNode(int p)
    {
        int q;
        if (dad[p] == NIL)
            return;
        if (rson[p] == NIL)
            q = lson[p];
        else if (lson[p] == NIL)
            q = rson[p];
        else {
            q = lson[p];
            if (rson[q] != NIL) {
                do {
                    q = rson[q];
                } while (rson[q] != NIL);
                rson[dad[q]] = lson[q];
                dad[lson[q]] = dad[q];
                lson[q] = lson[p];
                dad[lson[p]] = q;
            }
            rson[q] = rson[p];
            dad[rson[p]] = q;
        }
        dad[q] = dad[p];
        if (rson[dad[p]] == p)
            rson[dad[p]] = q;
        else
            lson[dad[p]] = q;
        dad[p] = NIL;
    }

    // Huffman coding
    unsigned freq[T + 1] = {};
    int prnt[T + N_CHAR] = {};
    int son[T] = {};

    uint16_t getbuf = 0;
    int getlen = 0;
    uint64_t putbuf = 0; // pending bits from bit 63 down (16 bits in the original)
    int putlen = 0;

    // Keeps at least 9 bits in getbuf, zeros past the end of the input.
    void fillGetbuf()
    {
        while (getlen <= 8) {
            int i = getc();
            if (i < 0)
                i = 0;
            getbuf = static_cast<uint16_t>(getbuf | (i << (8 - getlen)));
            getlen += 8;
        }
    }

    int GetBit()
    {
        fillGetbuf();
        const int i = getbuf >> 15;
        getbuf = static_cast<uint16_t>(getbuf << 1);
        getlen--;
        return i;
    }

    int GetByte()
    {
        fillGetbuf();
        const int i = getbuf >> 8;
        getbuf = static_cast<uint16_t>(getbuf << 8);
        getlen -= 8;
        return i;
    }

    // Writes the top l bits of c.
    void Putcode(int l, uint64_t c)
    {
        putbuf |= c >> putlen;
        putlen += l;
        while (putlen >= 8) {
            putc(static_cast<int>(putbuf >> 56));
            putbuf <<= 8;
            putlen -= 8;
        }
    }

    void StartHuff()
    {
        int i, j;
        for (i = 0; i < N_CHAR; i++) {
            freq[i] = 1;
            son[i] = i + T;
            prnt[i + T] = i;
        }
        i = 0;
        j = N_CHAR;
        while (j <= R) {
            freq[j] = freq[i] + freq[i + 1];
            son[j] = i;
            prnt[i] = prnt[i + 1] = j;
            i += 2;
            j++;
        }
        freq[T] = 0xFFFF;
        prnt[R] = 0;
    }

    void reconst()
    {
        int i, j, k;
        unsigned f, l;
        j = 0;
        for (i = 0; i < T; i++) {
            if (son[i] >= T) {
                freq[j] = (freq[i] + 1) / 2;
                son[j] = son[i];
                j++;
            }
        }
        for (i = 0, j = N_CHAR; j < T; i += 2, j++) {
            k = i + 1;
            f = freq[j] = freq[i] + freq[k];
            for (k = j - 1; f < freq[k]; k--)
                ;
            k++;
            l = static_cast<unsigned>(j - k);
            std::memmove(&freq[k + 1], &freq[k], l * sizeof freq[0]);
            freq[k] = f;
            std::memmove(&son[k + 1], &son[k], l * sizeof son[0]);
            son[k] = i;
        }
        for (i = 0; i < T; i++) {
            if ((k = son[i]) >= T)
                prnt[k] = i;
            else
                prnt[k] = prnt[k + 1] = i;
        }
    }

    void update(int c)
    {
        int i, j, l;
        unsigned k;
        if (freq[R] == MAX_FREQ)
            reconst();
        c = prnt[c + T];
        do {
            k = ++freq[c];
            if (k > freq[l = c + 1]) {
                while (k > freq[++l])
                    ;
                l--;
                freq[c] = freq[l];
                freq[l] = k;
                i = son[c];
                prnt[i] = l;
                if (i < T)
                    prnt[i + 1] = l;
                j = son[l];
                son[l] = i;
                prnt[j] = c;
                if (j < T)
                    prnt[j + 1] = c;
                son[c] = j;
                c = l;
            }
        } while ((c = prnt[c]) != 0);
    }

    void EncodeChar(unsigned c)
    {
        uint64_t i = 0;
        int j = 0;
        int k = prnt[c + T];
        do {
            i >>= 1;
            if (k & 1)
                i |= 1ull << 63;
            j++;
        } while ((k = prnt[k]) != R);
        Putcode(j, i);
        update(static_cast<int>(c));
    }

    void EncodePosition(unsigned c)
    {
        const unsigned i = c >> 6;
        Putcode(p_len[i], static_cast<uint64_t>(p_code[i]) << 56);
        Putcode(6, static_cast<uint64_t>(c & 0x3F) << 58);
    }

    void EncodeEnd()
    {
        if (putlen)
            putc(static_cast<int>(putbuf >> 56));
    }

    int DecodeChar()
    {
        unsigned c = static_cast<unsigned>(son[R]);
        while (c < T) {
            c += static_cast<unsigned>(GetBit());
            c = static_cast<unsigned>(son[c]);
        }
        c -= T;
        update(static_cast<int>(c));
        return static_cast<int>(c);
    }

    // d_code / d_len of the original, derived from p_code / p_len.
    uint8_t d_code[256] = {}, d_len[256] = {};

    void MakeDecodeTables()
    {
        for (int i = 0; i < 64; i++)
            for (int b = 0; b < 1 << (8 - p_len[i]); b++) {
                d_code[p_code[i] + b] = static_cast<uint8_t>(i);
                d_len[p_code[i] + b] = p_len[i];
            }
    }

    int DecodePosition()
    {
        unsigned i, j, c;
        i = static_cast<unsigned>(GetByte());
        c = static_cast<unsigned>(d_code[i]) << 6;
        j = d_len[i];
        j -= 2;
        while (j--)
            i = (i << 1) + static_cast<unsigned>(GetBit());
        return static_cast<int>(c | (i & 0x3F));
    }

    void putHeaderField(uint32_t v)
    {
        for (int k = 0; k < 4; k++)
            putc(static_cast<int>((v >> (8 * k)) & 0xFF));
    }

    void Encode()
    {
        int i, c, len, r, s, last_match_length;
        putHeaderField(0x4C5A4821);
        putHeaderField(static_cast<uint32_t>(inSize));
        if (inSize == 0)
            return;
        StartHuff();
        InitTree();
        s = 0;
        r = N - F;
        for (i = s; i < r; i++)
            text_buf[i] = ' ';
        for (len = 0; len < F && (c = getc()) != -1; len++)
            text_buf[r + len] = static_cast<uint8_t>(c);
        for (i = 1; i <= F; i++)
            InsertNode(r - i);
        InsertNode(r);
        do {
            if (match_length > len)
                match_length = len;
            if (match_length <= THRESHOLD) {
                match_length = 1;
                EncodeChar(text_buf[r]);
            } else {
                EncodeChar(static_cast<unsigned>(255 - THRESHOLD + match_length));
                EncodePosition(static_cast<unsigned>(match_position));
            }
            last_match_length = match_length;
            for (i = 0; i < last_match_length && (c = getc()) != -1; i++) {
                DeleteNode(s);
                text_buf[s] = static_cast<uint8_t>(c);
                if (s < F - 1)
                    text_buf[s + N] = static_cast<uint8_t>(c);
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

    uint32_t getHeaderField()
    {
        uint32_t v = 0;
        for (int k = 0; k < 4; k++)
            v |= static_cast<uint32_t>(getc() & 0xFF) << (8 * k);
        return v;
    }

    void Decode()
    {
        int i, j, k, r, c;
        getHeaderField(); // the magic
        const uint32_t textsize = getHeaderField();
        if (textsize == 0)
            return;
        MakeDecodeTables();
        StartHuff();
        for (i = 0; i < N - F; i++)
            text_buf[i] = ' ';
        r = N - F;
        for (uint32_t count = 0; count < textsize;) {
            c = DecodeChar();
            if (c < 256) {
                putc(c);
                text_buf[r++] = static_cast<uint8_t>(c);
                r &= (N - 1);
                count++;
            } else {
                i = (r - DecodePosition() - 1) & (N - 1);
                j = c - 255 + THRESHOLD;
                for (k = 0; k < j; k++) {
                    c = text_buf[(i + k) & (N - 1)];
                    putc(c);
                    text_buf[r++] = static_cast<uint8_t>(c);
                    r &= (N - 1);
                    count++;
                }
            }
        }
    }
};

std::vector<uint8_t> run(const std::vector<uint8_t> &in, bool encode)
{
    auto state = std::make_unique<Lzhuf>();
    state->inData = in.data();
    state->inSize = in.size();
    if (encode)
        state->Encode();
    else
        state->Decode();
    return std::move(state->out);
}

} // namespace

std::vector<uint8_t> Compress(const std::vector<uint8_t> &data) { return run(data, true); }
std::vector<uint8_t> Decompress(const std::vector<uint8_t> &container) { return run(container, false); }

} // namespace referencelzhuf

} // namespace aw
