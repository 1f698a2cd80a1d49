#include "base/Stream.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace aw {

static_assert(std::endian::native == std::endian::little, "stored data is little-endian");

void Stream::Seek(int64_t position) { m_position = std::clamp<int64_t>(position, 0, Size()); }

void Stream::WriteBuffer(const void *data, size_t count)
{
    if (count == 0)
        return;
    const size_t end = static_cast<size_t>(m_position) + count;
    if (end > m_bytes.size())
        m_bytes.resize(end);
    std::memcpy(m_bytes.data() + m_position, data, count);
    m_position = static_cast<int64_t>(end);
}

void Stream::WriteInt16(int16_t value) { WriteBuffer(&value, sizeof value); }
void Stream::WriteInt32(int32_t value) { WriteBuffer(&value, sizeof value); }
void Stream::WriteUInt32(uint32_t value) { WriteBuffer(&value, sizeof value); }
void Stream::WriteDouble(double value) { WriteBuffer(&value, sizeof value); }

size_t Stream::Read(void *data, size_t count)
{
    const size_t n = std::min<size_t>(count, static_cast<size_t>(Remaining()));
    if (n > 0)
        std::memcpy(data, m_bytes.data() + m_position, n);
    m_position += static_cast<int64_t>(n);
    return n;
}

void Stream::ReadBuffer(void *data, size_t count)
{
    if (static_cast<uint64_t>(Remaining()) < count)
        throw StreamError("Stream read error: the data ends early");
    Read(data, count);
}

uint8_t Stream::ReadUInt8()
{
    uint8_t v;
    ReadBuffer(&v, sizeof v);
    return v;
}

int16_t Stream::ReadInt16()
{
    int16_t v;
    ReadBuffer(&v, sizeof v);
    return v;
}

int32_t Stream::ReadInt32()
{
    int32_t v;
    ReadBuffer(&v, sizeof v);
    return v;
}

uint32_t Stream::ReadUInt32()
{
    uint32_t v;
    ReadBuffer(&v, sizeof v);
    return v;
}

double Stream::ReadDouble()
{
    double v;
    ReadBuffer(&v, sizeof v);
    return v;
}

void Stream::RequireRemaining(int64_t count, const char *what) const
{
    if (count < 0)
        throw StreamError(std::string("Stream read error: the ") + what + " is negative");
    if (count > Remaining())
        throw StreamError(std::string("Stream read error: the ") + what + " claims more data than remains");
}

namespace bytes {

template <typename T> static T get(const uint8_t *p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <typename T> static void put(uint8_t *p, T v) { std::memcpy(p, &v, sizeof v); }

int16_t GetInt16(const uint8_t *p) { return get<int16_t>(p); }
int32_t GetInt32(const uint8_t *p) { return get<int32_t>(p); }
uint32_t GetUInt32(const uint8_t *p) { return get<uint32_t>(p); }
double GetDouble(const uint8_t *p) { return get<double>(p); }
void PutInt16(uint8_t *p, int16_t value) { put(p, value); }
void PutInt32(uint8_t *p, int32_t value) { put(p, value); }
void PutUInt32(uint8_t *p, uint32_t value) { put(p, value); }
void PutDouble(uint8_t *p, double value) { put(p, value); }

std::string GetShortString(const uint8_t *p, int capacity)
{
    const int length = std::min<int>(p[0], capacity);
    return std::string(reinterpret_cast<const char *>(p + 1), static_cast<size_t>(length));
}

void PutShortString(uint8_t *p, int capacity, const std::string &text)
{
    const size_t length = std::min<size_t>(text.size(), static_cast<size_t>(capacity));
    p[0] = static_cast<uint8_t>(length);
    std::memset(p + 1, 0, static_cast<size_t>(capacity));
    std::memcpy(p + 1, text.data(), length);
}

} // namespace bytes

} // namespace aw
