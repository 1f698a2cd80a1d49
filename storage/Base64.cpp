#include "storage/Base64.h"

namespace aw {

namespace base64 {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int ValueOf(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

} // namespace

std::string Encode(const std::vector<uint8_t> &data)
{
    std::string out;
    out.reserve((data.size() + 2) / 3 * 4);
    for (size_t i = 0; i < data.size(); i += 3) {
        const size_t left = data.size() - i;
        const uint32_t chunk = (uint32_t{data[i]} << 16) | (left > 1 ? uint32_t{data[i + 1]} << 8 : 0) |
                               (left > 2 ? uint32_t{data[i + 2]} : 0);
        out += kAlphabet[(chunk >> 18) & 63];
        out += kAlphabet[(chunk >> 12) & 63];
        out += left > 1 ? kAlphabet[(chunk >> 6) & 63] : '=';
        out += left > 2 ? kAlphabet[chunk & 63] : '=';
    }
    return out;
}

bool Decode(const std::string &text, std::vector<uint8_t> &out)
{
    out.clear();
    if (text.size() % 4 != 0)
        return false;
    out.reserve(text.size() / 4 * 3);
    for (size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        const int padding = last ? (text[i + 3] == '=') + (text[i + 2] == '=') : 0;
        if (padding == 1 && text[i + 2] == '=')
            return false; // "x=y=" and the like
        uint32_t chunk = 0;
        for (int k = 0; k < 4 - padding; ++k) {
            const int v = ValueOf(text[i + static_cast<size_t>(k)]);
            if (v < 0)
                return false;
            chunk = (chunk << 6) | static_cast<uint32_t>(v);
        }
        chunk <<= 6 * padding;
        // The bits a padded group leaves over must be zero, so each text has one decoding.
        if ((padding == 1 && (chunk & 0xFF) != 0) || (padding == 2 && (chunk & 0xFFFF) != 0))
            return false;
        out.push_back(static_cast<uint8_t>(chunk >> 16));
        if (padding < 2)
            out.push_back(static_cast<uint8_t>(chunk >> 8));
        if (padding < 1)
            out.push_back(static_cast<uint8_t>(chunk));
    }
    return true;
}

} // namespace base64

} // namespace aw
