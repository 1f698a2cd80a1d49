#include "ui/StoredProgramData.h"

#include "output/RecordSheet.h"
#include "storage/DataBlock.h"
#include "storage/Libraries.h"

namespace aw {

MovementList &StoredProgramData::MovementLibrary() { return SharedLibraries().Movement; }

WindowPosition StoredProgramData::WindowPositionAt(int slot) const
{
    // Each value the store holds above 0 replaces the "not stored" -1.
    WindowRect rect{-1, -1, -1, -1};
    SharedLibraries().Positions.RestoreWindowPosition(slot, rect);
    return WindowPosition{rect.Top, rect.Left, rect.Height, rect.Width};
}

void StoredProgramData::SetWindowPosition(int slot, const WindowPosition &position)
{
    SharedLibraries().Positions.StoreWindowPosition(
        slot, WindowRect{position.Top, position.Left, position.Height, position.Width});
}

void StoredProgramData::GetLayoutValues(LayoutValues &values) const
{
    SharedLibraries().Positions.GetLayoutValues(values);
}

void StoredProgramData::SetLayoutValues(const LayoutValues &values)
{
    SharedLibraries().Positions.SetLayoutValues(values);
}

std::string StoredProgramData::SheetTemplate(SheetKind kind)
{
    const std::vector<uint8_t> bytes = DataBlockBytes(kind == SheetKind::Html ? "HTML" : "TEXT");
    return std::string(bytes.begin(), bytes.end());
}

SheetLayoutSource StoredProgramData::SheetLayout(int layout) { return CurrentSheetLayout(layout); }

std::string StoredProgramData::DropDownText()
{
    const std::vector<uint8_t> bytes = DataBlockBytes("DROPDOWN");
    return std::string(bytes.begin(), bytes.end());
}

} // namespace aw
