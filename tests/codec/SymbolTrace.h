#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

// One coded symbol of a container: a literal byte, or a match (length 3..60, position =
// distance back minus one).
struct TracedSymbol {
    bool Literal = true;
    int Value = 0; // the byte of a literal, the length of a match
    int Position = 0;

    bool operator==(const TracedSymbol &) const = default;
};

inline TracedSymbol Lit(int byte) { return {true, static_cast<uint8_t>(byte), 0}; }
inline TracedSymbol Match(int length, int position) { return {false, length, position}; }

// The symbols (not the bytes) of a container, up to its header's size.
std::vector<TracedSymbol> TraceSymbols(const std::vector<uint8_t> &container);
// Codes symbols as a container claiming `size` bytes with the codec's own coders: a way to
// build streams the encoder would never choose.
std::vector<uint8_t> BuildContainer(const std::vector<TracedSymbol> &symbols, uint32_t size);

} // namespace aw
