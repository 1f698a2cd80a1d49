#pragma once

#include <cstdint>
#include <vector>

namespace aw {

// A plain port of the 1988 LZHUF program (Okumura / Yoshizaki): the definition the codec's
// bytes are tested against and the yardstick its speed is measured against. It writes the
// codec's container ("!HZL", the size, the bit stream) and, unlike the 16-bit original,
// writes Huffman codes longer than 16 bits whole, as the codec does, so the two give the
// same bytes for every input.
namespace referencelzhuf {

std::vector<uint8_t> Compress(const std::vector<uint8_t> &data);
std::vector<uint8_t> Decompress(const std::vector<uint8_t> &container);

} // namespace referencelzhuf

} // namespace aw
