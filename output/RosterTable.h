#pragma once

#include "output/RosterSummary.h"

#include <QString>

#include <vector>

class QFontMetricsF;

namespace aw {

// The roster summary's table as it is drawn on a line of `available` width: each column's
// width (the gap before the next column included) and each cell's text, cut short with an
// ellipsis only where its column is narrower than the text.
struct RosterTableLayout {
    std::vector<int> Widths;
    std::vector<QString> Header;
    std::vector<std::vector<QString>> Rows;
};

RosterTableLayout LayOutRosterTable(const RosterSummary &summary, const QFontMetricsF &header,
                                    const QFontMetricsF &body, int available, int gap);

} // namespace aw
