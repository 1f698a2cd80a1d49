#include "HardeningSupport.h"

#include <algorithm>
#include <ctime>
#include <fstream>

namespace aw {

namespace hardening {

std::chrono::nanoseconds ThreadCpuTime()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

void PutFile(const std::string &path, const std::vector<uint8_t> &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

uint64_t Mutator::Next()
{
    // xorshift64*
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    return m_state * 0x2545F4914F6CDD1Dull;
}

std::vector<uint8_t> Mutator::Mutate(std::vector<uint8_t> bytes)
{
    static constexpr uint32_t edges[] = {0, 1, 0x7F, 0x80, 0xFF, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x10000, 250, 879};
    const size_t edits = 1 + Below(8);
    for (size_t e = 0; e < edits; ++e) {
        const size_t at = Below(bytes.size() + 1);
        switch (Below(6)) {
        case 0:
            if (!bytes.empty())
                bytes[at % bytes.size()] ^= static_cast<uint8_t>(1u << Below(8));
            break;
        case 1:
            if (!bytes.empty())
                bytes[at % bytes.size()] = static_cast<uint8_t>(edges[Below(std::size(edges))]);
            break;
        case 2: {
            const size_t n = 1 + Below(16);
            bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), n, static_cast<uint8_t>(Next()));
            break;
        }
        case 3: {
            const size_t n = std::min(bytes.size() - at, 1 + Below(64));
            bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                        bytes.begin() + static_cast<std::ptrdiff_t>(at + n));
            break;
        }
        case 4:
            if (bytes.size() > 8) {
                const size_t from = Below(bytes.size() - 4);
                const size_t to = Below(bytes.size() - 4);
                const size_t n = std::min({bytes.size() - from, bytes.size() - to, 1 + Below(32)});
                std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(from), n,
                            bytes.begin() + static_cast<std::ptrdiff_t>(to));
            }
            break;
        default:
            if (bytes.size() >= 4) {
                const uint32_t v = edges[Below(std::size(edges))];
                const size_t p = Below(bytes.size() - 3);
                for (int k = 0; k < 4; ++k)
                    bytes[p + static_cast<size_t>(k)] = static_cast<uint8_t>(v >> (8 * k));
            }
            break;
        }
    }
    return bytes;
}

} // namespace hardening

} // namespace aw
