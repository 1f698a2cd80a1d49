#pragma once

#include "codec/BitWriter.h"
#include "codec/SourceBuffer.h"

#include <cstdint>

namespace aw {

// Inputs at least this long are coded on three threads, two match searches feeding the
// Huffman coder; for shorter ones starting threads costs more than it saves.
inline constexpr uint64_t kLzhThreadedSize = 64 * 1024;

enum class EncodeThreads { One, Three };

// Codes every byte the input yields as LZHUF symbols into out; returns the longest
// Huffman code written, in bits. Both ways give the same bytes and the same errors; with
// three, the input is read on another thread and what it raises is raised here.
unsigned EncodeLzh(SourceBuffer &in, BitWriter &out, EncodeThreads threads = EncodeThreads::One);

} // namespace aw
