#pragma once

#include <string>
#include <vector>

namespace aw {

// Source text holding one table: a header row naming the columns, then data rows,
// cells separated by "|". A line "[Section]" starts a section; rows belong to the
// last section (empty before the first). Blank and "#" lines are ignored.
struct PipeRow {
    std::string Section;
    std::vector<std::string> Cells; // trimmed, one per header column
    int Line = 0;
};

class PipeTable {
public:
    // Reads the table and checks that the header is exactly `columns` and that every
    // row has that many cells. Throws DataGenError.
    PipeTable(const std::string &text, const std::string &source, const std::vector<std::string> &columns);

    const std::vector<PipeRow> &Rows() const { return m_rows; }
    const std::vector<std::string> &Sections() const { return m_sections; }
    const std::string &Source() const { return m_source; }

private:
    std::string m_source;
    std::vector<std::string> m_sections;
    std::vector<PipeRow> m_rows;
};

} // namespace aw
