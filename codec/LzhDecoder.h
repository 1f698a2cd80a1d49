#pragma once

#include "codec/BitReader.h"
#include "codec/SinkBuffer.h"

#include <cstdint>

namespace aw {

// Decodes symbols until at least `size` bytes have been written to out (a last match may
// run past it); returns the number of bytes written. Stops with the size-mismatch error
// once it has read well past the end of the coded bytes.
uint64_t DecodeLzh(BitReader &in, SinkBuffer &out, uint32_t size);

} // namespace aw
