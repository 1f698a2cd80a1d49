#pragma once

#include <vector>

namespace aw {

// Widths for a table's columns on a line of `available` width, from the width each column's
// widest cell needs. When they all fit, the spare width is shared out in proportion. When
// they do not, the columns marked `whole` (numbers, which are no use cut short) keep their
// width and the others share what is left: a column that needs less than an equal share
// keeps its width, the rest are cut to equal shares. Only when the whole columns alone
// overflow is every column cut in proportion.
std::vector<int> FitColumnWidths(const std::vector<int> &needed, const std::vector<bool> &whole, int available);

} // namespace aw
