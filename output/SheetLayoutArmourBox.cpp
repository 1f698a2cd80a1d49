#include "output/SheetLayoutArmourBox.h"

#include "base/Stream.h"

namespace aw {

SheetArmourBox ReadSheetArmourBox(Stream &stream)
{
    SheetArmourBox box;
    box.Threshold = stream.ReadInt32();
    box.ColourReached = stream.ReadUInt32();
    box.ColourBelow = stream.ReadUInt32();
    box.Box = ReadSheetLayoutBox(stream);
    return box;
}

void WriteSheetArmourBox(Stream &stream, const SheetArmourBox &box)
{
    stream.WriteInt32(box.Threshold);
    stream.WriteUInt32(box.ColourReached);
    stream.WriteUInt32(box.ColourBelow);
    WriteSheetLayoutBox(stream, box.Box);
}

} // namespace aw
