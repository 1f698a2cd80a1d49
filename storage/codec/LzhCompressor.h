#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

class TStream;

// A codec failure; the message is one of the codec's fixed texts.
class ELZHException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the "!HZL" container of source's bytes (from its position to its end) at dest's position.
void CompressStream(TStream &source, TStream &dest);
// Reads the container at source's position and writes exactly the uncompressed bytes at dest's position.
void DecompressStream(TStream &source, TStream &dest);

// The same on whole byte buffers.
std::vector<uint8_t> CompressBytes(std::span<const uint8_t> data);
std::vector<uint8_t> DecompressBytes(std::span<const uint8_t> container);
