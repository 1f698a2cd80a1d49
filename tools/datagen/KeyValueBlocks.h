#pragma once

#include <string>
#include <vector>

// Source text made of named blocks:
//   [Name]
//   Key = value
// Blank lines and "#" comment lines are ignored; a value runs to the end of its line.
struct TKeyValue {
    std::string Key;
    std::string Value;
    int Line = 0;
};

struct TKeyValueBlock {
    std::string Name;
    int Line = 0; // line of the "[Name]" header
    std::vector<TKeyValue> Entries;
};

// Reads every block in order. A key outside a block, a line that is neither a header
// nor "key = value", and a key given twice in one block throw EDataGenError.
std::vector<TKeyValueBlock> ReadKeyValueBlocks(const std::string &text, const std::string &source);
