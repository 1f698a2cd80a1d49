#include "output/ColumnWidths.h"

#include <cstddef>
#include <numeric>

namespace aw {

namespace {

std::vector<int> Proportional(const std::vector<int> &needed, int total, int available)
{
    std::vector<int> widths;
    for (int width : needed)
        widths.push_back(static_cast<int>(static_cast<long long>(width) * available / total));
    return widths;
}

} // namespace

std::vector<int> FitColumnWidths(const std::vector<int> &needed, const std::vector<bool> &whole, int available)
{
    const int total = std::accumulate(needed.begin(), needed.end(), 0);
    if (total <= 0)
        return std::vector<int>(needed.size(), needed.empty() ? 0 : available / static_cast<int>(needed.size()));
    if (total <= available)
        return Proportional(needed, total, available);

    std::vector<int> widths = needed;
    std::vector<size_t> cut; // the columns still to be cut to an equal share
    int left = available;
    for (size_t i = 0; i < needed.size(); ++i) {
        if (whole[i])
            left -= needed[i];
        else
            cut.push_back(i);
    }
    if (cut.empty() || left < static_cast<int>(cut.size()))
        return Proportional(needed, total, available);
    // A column that needs less than an equal share keeps its width, which leaves more for
    // the others; again until every column left needs more than its share.
    for (bool kept = true; kept && !cut.empty();) {
        kept = false;
        const int share = left / static_cast<int>(cut.size());
        for (auto it = cut.begin(); it != cut.end();) {
            if (needed[*it] <= share) {
                left -= needed[*it];
                it = cut.erase(it);
                kept = true;
            } else {
                ++it;
            }
        }
    }
    const int columns = static_cast<int>(cut.size());
    for (int k = 0; k < columns; ++k)
        widths[cut[static_cast<size_t>(k)]] = left / columns + (k < left % columns ? 1 : 0);
    return widths;
}

} // namespace aw
