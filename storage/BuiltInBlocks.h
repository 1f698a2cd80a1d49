#pragma once

#include "base/AsciiCase.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace aw {

// The data blocks carried inside the program, each a compressed container, found by name
// (without regard to case). An unknown name gives an empty span. The definitions are
// generated at build time from the raw blocks (library aw_blocks).
std::span<const uint8_t> BuiltInBlock(std::string_view name);
// The names of the built-in blocks, in upper case, in their stored order.
std::vector<std::string> BuiltInBlockNames();

// Block names compare without regard to (ASCII) case.
inline bool SameBlockName(std::string_view a, std::string_view b) { return ascii::SameIgnoringCase(a, b); }

} // namespace aw
