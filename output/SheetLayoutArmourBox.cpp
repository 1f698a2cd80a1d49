#include "output/SheetLayoutArmourBox.h"

#include "base/Stream.h"

TSheetArmourBox ReadSheetArmourBox(TStream &stream)
{
    TSheetArmourBox box;
    box.Threshold = stream.ReadInt32();
    box.ColourReached = stream.ReadUInt32();
    box.ColourBelow = stream.ReadUInt32();
    box.Box = ReadSheetLayoutBox(stream);
    return box;
}

void WriteSheetArmourBox(TStream &stream, const TSheetArmourBox &box)
{
    stream.WriteInt32(box.Threshold);
    stream.WriteUInt32(box.ColourReached);
    stream.WriteUInt32(box.ColourBelow);
    WriteSheetLayoutBox(stream, box.Box);
}
