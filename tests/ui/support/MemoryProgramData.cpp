#include "MemoryProgramData.h"

#include <stdexcept>

TMovementRecord TMemoryProgramData::Mode(const char *name, bool custom, bool flight, bool canFly, bool hasStall)
{
    TMovementRecord record;
    record.ModeName = name;
    record.CustomMode = custom;
    record.Flight = flight;
    record.CanFly = canFly;
    record.HasStall = hasStall;
    return record;
}

TMemoryProgramData::TMemoryProgramData()
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

TMemoryProgramData::~TMemoryProgramData()
{
    SetProgramData(nullptr);
}

TWindowPosition TMemoryProgramData::WindowPosition(int slot) const
{
    const auto found = positions.find(slot);
    return found == positions.end() ? TWindowPosition{} : found->second;
}

void TMemoryProgramData::SetWindowPosition(int slot, const TWindowPosition &position)
{
    positions[slot] = position;
}

void TMemoryProgramData::GetLayoutValues(TLayoutValues &values) const
{
    if (layout[2] != -1)
        values = layout;
}

void TMemoryProgramData::SetLayoutValues(const TLayoutValues &values)
{
    layout = values;
}

std::string TMemoryProgramData::SheetTemplate(TSheetKind kind)
{
    return kind == TSheetKind::Html ? htmlTemplate : textTemplate;
}

std::vector<uint8_t> TMemoryProgramData::SheetLayout(int)
{
    throw std::runtime_error("No sheet layout in the test data.");
}
