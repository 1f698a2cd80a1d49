#pragma once

#include "base/ArmorwrightError.h"

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

// Raised when a stream ends before a read is complete, or when stored counts and
// lengths claim more bytes than remain: the data is damaged or not what it claims.
class StreamError : public ArmorwrightError {
public:
    using ArmorwrightError::ArmorwrightError;
};

// A growable in-memory byte stream with a position: what the design file, the
// records and the codec read from and write to. Stored numbers are little-endian.
class Stream {
public:
    Stream() = default;
    explicit Stream(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) {}

    const std::vector<uint8_t> &Bytes() const { return m_bytes; }
    std::vector<uint8_t> TakeBytes()
    {
        m_position = 0;
        return std::move(m_bytes);
    }
    int64_t Size() const { return static_cast<int64_t>(m_bytes.size()); }
    int64_t Position() const { return m_position; }
    void Seek(int64_t position);
    int64_t Remaining() const { return Size() - m_position; }
    void Clear()
    {
        m_bytes.clear();
        m_position = 0;
    }

    // Writes at the position, overwriting or growing the stream.
    void WriteBuffer(const void *data, size_t count);
    void WriteUInt8(uint8_t value) { WriteBuffer(&value, 1); }
    void WriteInt16(int16_t value);
    void WriteInt32(int32_t value);
    void WriteUInt32(uint32_t value);
    void WriteDouble(double value);

    // Reads up to count bytes and returns how many were read.
    size_t Read(void *data, size_t count);
    // Reads exactly count bytes or throws StreamError.
    void ReadBuffer(void *data, size_t count);
    uint8_t ReadUInt8();
    int16_t ReadInt16();
    int32_t ReadInt32();
    uint32_t ReadUInt32();
    double ReadDouble();

    // Throws StreamError naming `what` when `count` is negative or more bytes than remain.
    void RequireRemaining(int64_t count, const char *what) const;

private:
    std::vector<uint8_t> m_bytes;
    int64_t m_position = 0;
};

// Little-endian access to fixed byte images (records).
namespace bytes {
int16_t GetInt16(const uint8_t *p);
int32_t GetInt32(const uint8_t *p);
uint32_t GetUInt32(const uint8_t *p);
double GetDouble(const uint8_t *p);
void PutInt16(uint8_t *p, int16_t value);
void PutInt32(uint8_t *p, int32_t value);
void PutUInt32(uint8_t *p, uint32_t value);
void PutDouble(uint8_t *p, double value);

// A stored short text: a length byte, then `capacity` character bytes
// (single-byte Windows-1252). Lengths beyond the capacity are cut to it.
std::string GetShortString(const uint8_t *p, int capacity);
// Writes text cut to `capacity`; the unused character bytes are set to 0.
void PutShortString(uint8_t *p, int capacity, const std::string &text);
} // namespace bytes

} // namespace aw
