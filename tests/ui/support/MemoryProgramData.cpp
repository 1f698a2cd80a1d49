#include "MemoryProgramData.h"

#include <stdexcept>

namespace aw {

MovementRecord MemoryProgramData::Mode(const char *name, bool custom, bool flight, bool canFly, bool hasStall)
{
    MovementRecord record;
    record.ModeName = name;
    record.CustomMode = custom;
    record.Flight = flight;
    record.CanFly = canFly;
    record.HasStall = hasStall;
    return record;
}

MemoryProgramData::MemoryProgramData()
{
    library.Add(Mode("Custom", true, false, true, true));
    library.Add(Mode("Walker", false, false, false, false));
    library.Add(Mode("Ground", false, false, false, false));
    library.Add(Mode("Hover", false, false, false, false));
    library.Add(Mode("Hydrofoil", false, true, false, true));
    library.Add(Mode("Naval", false, false, false, false));
    library.Add(Mode("Submarine", false, false, false, false));
    library.Add(Mode("Flight", false, true, false, true));
    layout.fill(-1);
    SetProgramData(this);
}

MemoryProgramData::~MemoryProgramData() { SetProgramData(nullptr); }

WindowPosition MemoryProgramData::WindowPositionAt(int slot) const
{
    const auto found = positions.find(slot);
    return found == positions.end() ? WindowPosition{} : found->second;
}

void MemoryProgramData::SetWindowPosition(int slot, const WindowPosition &position) { positions[slot] = position; }

void MemoryProgramData::GetLayoutValues(LayoutValues &values) const
{
    if (layout[2] != -1)
        values = layout;
}

void MemoryProgramData::SetLayoutValues(const LayoutValues &values) { layout = values; }

std::string MemoryProgramData::SheetTemplate(SheetKind kind)
{
    return kind == SheetKind::Html ? htmlTemplate : textTemplate;
}

SheetLayoutSource MemoryProgramData::SheetLayout(int) { throw std::runtime_error("No sheet layout in the test data."); }

} // namespace aw
