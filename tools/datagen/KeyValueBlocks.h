#pragma once

#include <string>
#include <vector>

namespace aw {

// Source text made of named blocks:
//   [Name]
//   Key = value
// Blank lines and "#" comment lines are ignored; a value runs to the end of its line.
struct KeyValue {
    std::string Key;
    std::string Value;
    int Line = 0;
};

struct KeyValueBlock {
    std::string Name;
    int Line = 0; // line of the "[Name]" header
    std::vector<KeyValue> Entries;
};

// Reads every block in order. A key outside a block, a line that is neither a header
// nor "key = value", and a key given twice in one block throw DataGenError.
std::vector<KeyValueBlock> ReadKeyValueBlocks(const std::string &text, const std::string &source);

} // namespace aw
