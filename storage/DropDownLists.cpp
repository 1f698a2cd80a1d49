#include "storage/DropDownLists.h"

#include "storage/DataBlock.h"

namespace aw {

namespace {

std::vector<std::string> SplitLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace

DropDownLists SplitDropDownLists(const std::string &text)
{
    DropDownLists lists;
    size_t list = 0;
    for (const std::string &line : SplitLines(text)) {
        if (list >= lists.size())
            break;
        if (line == "|")
            ++list;
        else
            lists[list].push_back(line);
    }
    return lists;
}

DropDownLists LoadDropDownLists(const std::string &folder)
{
    const Stream block = OpenDataBlock("DropDown.zel", "DROPDOWN", folder);
    return SplitDropDownLists(std::string(block.Bytes().begin(), block.Bytes().end()));
}

} // namespace aw
