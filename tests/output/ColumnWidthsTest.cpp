#include "output/ColumnWidths.h"
#include "output/RecordSheetRenderContext.h"
#include "output/RosterTable.h"

#include <QFont>
#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace aw {

TEST(ColumnWidths, NumbersKeepTheirWidthAndTextColumnsShareTheRest)
{
    // Room to spare: every column grows in proportion.
    EXPECT_EQ(FitColumnWidths({10, 20, 30}, {false, true, false}, 120), (std::vector<int>{20, 40, 60}));
    // Too wide: the number keeps its 40, the short texts theirs, the long one takes what is left.
    EXPECT_EQ(FitColumnWidths({100, 40, 300, 20}, {false, true, false, false}, 300),
              (std::vector<int>{100, 40, 140, 20}));
    // Two long texts split what is left evenly, to the last point.
    EXPECT_EQ(FitColumnWidths({500, 40, 500}, {false, true, false}, 141), (std::vector<int>{51, 40, 50}));
    // The numbers alone overflow: everything is cut in proportion.
    EXPECT_EQ(FitColumnWidths({10, 500}, {false, true}, 102), (std::vector<int>{2, 100}));
}

TEST(ColumnWidths, RosterNumbersAreNeverCutShort)
{
    KeepSheetRenderContext();
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(8);
    const QFontMetricsF body(font);
    font.setBold(true);
    const QFontMetricsF header(font);
    RosterSummary summary;
    summary.Headers = {"Design", "File", "Qty", "TV", "Cost", "Note", "Status"};
    for (const char *quantity : {"2", "12", "1"})
        summary.Rows.push_back(
            {"Test Tank", "basic.vkd", quantity, "19332.0", "289,980,000.00 Credits", std::string(120, 'n'), "OK"});
    const auto cellsAreWhole = [&](const RosterTableLayout &table, size_t column) {
        bool whole = table.Header[column] == QString::fromStdString(summary.Headers[column]);
        for (size_t row = 0; row < table.Rows.size(); ++row)
            whole = whole && table.Rows[row][column] == QString::fromStdString(summary.Rows[row][column]);
        return whole;
    };
    // The long note needs more than the line: only the note is cut, everything else is whole.
    const RosterTableLayout narrow = LayOutRosterTable(summary, header, body, 500, 6);
    for (size_t column = 0; column < summary.Headers.size(); ++column)
        EXPECT_EQ(cellsAreWhole(narrow, column), column != kRosterNote) << summary.Headers[column];
    EXPECT_TRUE(narrow.Rows[0][kRosterNote].endsWith(QChar(0x2026)));
    // With room for it, nothing is cut.
    const RosterTableLayout wide = LayOutRosterTable(summary, header, body, 5000, 6);
    for (size_t column = 0; column < summary.Headers.size(); ++column)
        EXPECT_TRUE(cellsAreWhole(wide, column)) << summary.Headers[column];
}

} // namespace aw
