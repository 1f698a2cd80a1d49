#pragma once

#include "codec/BitWriter.h"
#include "codec/SourceBuffer.h"

// Codes every byte the input yields as LZHUF symbols into out; returns the longest
// Huffman code written, in bits.
unsigned EncodeLzh(TSourceBuffer &in, TBitWriter &out);
