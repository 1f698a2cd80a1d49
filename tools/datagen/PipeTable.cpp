#include "tools/datagen/PipeTable.h"

#include "tools/datagen/DataGenError.h"
#include "tools/datagen/SourceText.h"

namespace aw {

namespace {

std::string JoinColumns(const std::vector<std::string> &columns)
{
    std::string text;
    for (const std::string &c : columns)
        text += (text.empty() ? "" : " | ") + c;
    return text;
}

} // namespace

PipeTable::PipeTable(const std::string &text, const std::string &source, const std::vector<std::string> &columns)
    : m_source(source)
{
    bool headerSeen = false;
    std::string section;
    for (const sourcetext::Line &line : sourcetext::ContentLines(text)) {
        const std::string trimmed = sourcetext::Trim(line.Text);
        if (trimmed.front() == '[' && trimmed.back() == ']' && trimmed.find('|') == std::string::npos) {
            section = trimmed.substr(1, trimmed.size() - 2);
            m_sections.push_back(section);
            continue;
        }
        std::vector<std::string> cells = sourcetext::SplitTrimmed(line.Text, '|');
        if (!headerSeen) {
            if (cells != columns)
                throw DataGenError(source, line.Number, "the header must read \"" + JoinColumns(columns) + "\"");
            headerSeen = true;
            continue;
        }
        if (cells.size() != columns.size())
            throw DataGenError(source, line.Number,
                               "expected " + std::to_string(columns.size()) + " cells, found " +
                                   std::to_string(cells.size()));
        m_rows.push_back({section, std::move(cells), line.Number});
    }
    if (!headerSeen)
        throw DataGenError(source, 0, "the table has no header row");
}

} // namespace aw
