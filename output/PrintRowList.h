#pragma once

#include "base/ListIndex.h"

#include <vector>

namespace aw {

// An ordered list of owned sheet rows. Get past the end yields an empty row; Put past the
// end appends.
template <typename Row> class PrintRowList {
public:
    int Add(const Row &row)
    {
        m_rows.push_back(row);
        return Count() - 1;
    }
    void Put(int index, const Row &row) { ListSet(m_rows, index, row); }
    Row Get(int index) const { return ListGet(m_rows, index); }
    int Count() const { return static_cast<int>(m_rows.size()); }
    void Clear() { m_rows.clear(); }

    const std::vector<Row> &Rows() const { return m_rows; }
    std::vector<Row> &Rows() { return m_rows; }

    bool operator==(const PrintRowList &) const = default;

private:
    std::vector<Row> m_rows;
};

} // namespace aw
