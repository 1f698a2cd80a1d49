#pragma once

#include "codec/CodecSink.h"
#include "codec/SourceBuffer.h"

#include <cstdint>

namespace aw {

// Decodes symbols until at least `size` bytes have been written to out (a last match may
// run past it); returns the number of bytes written and sets bitsPastEnd to the zero bits
// read beyond the coded bytes. Stops with the size-mismatch error once it has read well
// past the end of the coded bytes.
uint64_t DecodeLzh(SourceBuffer &in, CodecSink &out, uint32_t size, uint64_t &bitsPastEnd);

} // namespace aw
