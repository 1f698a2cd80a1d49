#include "tools/datagen/KeyValueBlocks.h"

#include "tools/datagen/DataGenError.h"
#include "tools/datagen/SourceText.h"

namespace aw {

std::vector<KeyValueBlock> ReadKeyValueBlocks(const std::string &text, const std::string &source)
{
    std::vector<KeyValueBlock> blocks;
    for (const sourcetext::Line &line : sourcetext::ContentLines(text)) {
        const std::string trimmed = sourcetext::Trim(line.Text);
        if (trimmed.front() == '[') {
            if (trimmed.back() != ']' || trimmed.size() < 3)
                throw DataGenError(source, line.Number, "a block header is written \"[Name]\"");
            blocks.push_back({trimmed.substr(1, trimmed.size() - 2), line.Number, {}});
            continue;
        }
        const size_t equals = trimmed.find('=');
        if (equals == std::string::npos || equals == 0)
            throw DataGenError(source, line.Number, "expected \"key = value\"");
        if (blocks.empty())
            throw DataGenError(source, line.Number, "\"key = value\" before the first [block]");
        KeyValue entry{sourcetext::Trim(trimmed.substr(0, equals)), sourcetext::Trim(trimmed.substr(equals + 1)),
                       line.Number};
        for (const KeyValue &earlier : blocks.back().Entries) {
            if (earlier.Key == entry.Key)
                throw DataGenError(source, line.Number, "\"" + entry.Key + "\" is given twice in one block");
        }
        blocks.back().Entries.push_back(std::move(entry));
    }
    return blocks;
}

} // namespace aw
