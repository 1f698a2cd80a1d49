#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One coded symbol of a container: a literal byte or a match (length 3..60, position =
// distance back minus one).
struct TracedSymbol {
    bool literal = true;
    int value = 0;    // the byte of a literal
    int length = 0;   // of a match
    int position = 0; // of a match

    bool operator==(const TracedSymbol &) const = default;
};

TracedSymbol Lit(char c);
TracedSymbol Match(int length, int position);
std::string Describe(const std::vector<TracedSymbol> &symbols);

// Decodes a container's symbols (not its bytes) until they cover the header's size.
std::vector<TracedSymbol> TraceSymbols(const std::vector<uint8_t> &container);

// Codes a symbol sequence as a container claiming `size` bytes, with the codec's own
// Huffman and position coders: a way to build streams the encoder would not choose.
std::vector<uint8_t> BuildContainer(const std::vector<TracedSymbol> &symbols, uint32_t size);

std::vector<uint8_t> Bytes(const std::string &text);
