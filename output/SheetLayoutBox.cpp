#include "output/SheetLayoutBox.h"

#include "base/Stream.h"

namespace aw {

SheetLayoutBox ReadSheetLayoutBox(Stream &stream)
{
    SheetLayoutBox box;
    box.Top = stream.ReadInt32();
    box.Left = stream.ReadInt32();
    box.Height = stream.ReadInt32();
    box.Width = stream.ReadInt32();
    return box;
}

void WriteSheetLayoutBox(Stream &stream, const SheetLayoutBox &box)
{
    stream.WriteInt32(box.Top);
    stream.WriteInt32(box.Left);
    stream.WriteInt32(box.Height);
    stream.WriteInt32(box.Width);
}

} // namespace aw
