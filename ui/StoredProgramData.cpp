#include "ui/StoredProgramData.h"

#include "output/RecordSheet.h"
#include "storage/BuiltInBlocks.h"
#include "storage/DataBlock.h"
#include "storage/Libraries.h"

#include <stdexcept>

namespace {

// The content of a data block: its override file in the program folder or the built-in block.
std::vector<uint8_t> blockBytes(const char *blockName)
{
    for (const TDataBlockName &block : kDataBlocks) {
        if (SameBlockName(block.block, blockName))
            return OpenDataBlock(block.file, block.block).TakeBytes();
    }
    throw std::invalid_argument(std::string("unknown data block ") + blockName);
}

} // namespace

TMovementList &TStoredProgramData::MovementLibrary()
{
    return Libraries().Movement;
}

TWindowPosition TStoredProgramData::WindowPosition(int slot) const
{
    // Each value the store holds above 0 replaces the "not stored" -1.
    TWindowRect rect{-1, -1, -1, -1};
    Libraries().Positions.RestoreWindowPosition(slot, rect);
    return TWindowPosition{rect.Top, rect.Left, rect.Height, rect.Width};
}

void TStoredProgramData::SetWindowPosition(int slot, const TWindowPosition &position)
{
    Libraries().Positions.StoreWindowPosition(slot,
                                              TWindowRect{position.top, position.left, position.height, position.width});
}

void TStoredProgramData::GetLayoutValues(TLayoutValues &values) const
{
    Libraries().Positions.GetLayoutValues(values);
}

void TStoredProgramData::SetLayoutValues(const TLayoutValues &values)
{
    Libraries().Positions.SetLayoutValues(values);
}

std::string TStoredProgramData::SheetTemplate(TSheetKind kind)
{
    const std::vector<uint8_t> bytes = blockBytes(kind == TSheetKind::Html ? "HTML" : "TEXT");
    return std::string(bytes.begin(), bytes.end());
}

std::vector<uint8_t> TStoredProgramData::SheetLayout(int layout)
{
    return blockBytes(layout == static_cast<int>(TSheetLayoutChoice::Print) ? "PRINT" : "JPEG");
}

std::string TStoredProgramData::DropDownText()
{
    const std::vector<uint8_t> bytes = blockBytes("DROPDOWN");
    return std::string(bytes.begin(), bytes.end());
}
