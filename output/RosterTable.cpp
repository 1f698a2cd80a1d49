#include "output/RosterTable.h"

#include "output/ColumnWidths.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace aw {

namespace {

// Whole units: a width rounded down would cut a text that fits exactly.
int WidthOf(const QFontMetricsF &metrics, const QString &text)
{
    return static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
}

std::vector<QString> FitCells(const std::vector<std::string> &cells, const QFontMetricsF &metrics,
                              const std::vector<int> &widths, int gap)
{
    std::vector<QString> fitted;
    for (size_t i = 0; i < cells.size() && i < widths.size(); ++i) {
        const QString text = QString::fromStdString(cells[i]);
        const int room = widths[i] - gap;
        fitted.push_back(WidthOf(metrics, text) <= room ? text : metrics.elidedText(text, Qt::ElideRight, room));
    }
    return fitted;
}

} // namespace

RosterTableLayout LayOutRosterTable(const RosterSummary &summary, const QFontMetricsF &header,
                                    const QFontMetricsF &body, int available, int gap)
{
    std::vector<int> needed(summary.Headers.size(), 0);
    auto measure = [&](const std::vector<std::string> &cells, const QFontMetricsF &metrics) {
        for (size_t i = 0; i < cells.size() && i < needed.size(); ++i)
            needed[i] = std::max(needed[i], WidthOf(metrics, QString::fromStdString(cells[i])) + gap);
    };
    measure(summary.Headers, header);
    for (const auto &row : summary.Rows)
        measure(row, body);
    std::vector<bool> numbers;
    for (size_t i = 0; i < needed.size(); ++i)
        numbers.push_back(IsRosterNumberColumn(i));

    RosterTableLayout table;
    table.Widths = FitColumnWidths(needed, numbers, available);
    table.Header = FitCells(summary.Headers, header, table.Widths, gap);
    for (const auto &row : summary.Rows)
        table.Rows.push_back(FitCells(row, body, table.Widths, gap));
    return table;
}

} // namespace aw
