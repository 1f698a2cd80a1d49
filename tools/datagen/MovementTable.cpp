#include "tools/datagen/MovementTable.h"

#include "tools/datagen/DataGenError.h"
#include "tools/datagen/PipeTable.h"
#include "tools/datagen/SourceText.h"

namespace aw {

std::vector<MovementRecord> ReadMovementTable(const std::string &text, const std::string &source)
{
    const PipeTable table(text, source, {"ModeName", "CustomMode", "Flight", "CanFly", "HasStall"});
    std::vector<MovementRecord> records;
    for (const PipeRow &row : table.Rows()) {
        if (!row.Section.empty())
            throw DataGenError(source, row.Line, "the movement table has no sections");
        const auto &c = row.Cells;
        sourcetext::RequireStoredText(c[0], MovementRecord::ModeNameCapacity, "mode name", source, row.Line);
        MovementRecord r;
        r.ModeName = c[0];
        r.CustomMode = sourcetext::ToFlag(c[1], source, row.Line);
        r.Flight = sourcetext::ToFlag(c[2], source, row.Line);
        r.CanFly = sourcetext::ToFlag(c[3], source, row.Line);
        r.HasStall = sourcetext::ToFlag(c[4], source, row.Line);
        records.push_back(std::move(r));
    }
    return records;
}

} // namespace aw
