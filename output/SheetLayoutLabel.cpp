#include "output/SheetLayoutLabel.h"

#include "base/Stream.h"

namespace aw {

// A 32-bit length followed by that many bytes; the length is checked against what remains
// before anything is allocated.
static std::string ReadLongText(Stream &stream, const char *what)
{
    const int32_t length = stream.ReadInt32();
    stream.RequireRemaining(length, what);
    std::string text(static_cast<size_t>(length), '\0');
    stream.ReadBuffer(text.data(), text.size());
    return text;
}

static void WriteLongText(Stream &stream, const std::string &text)
{
    stream.WriteInt32(static_cast<int32_t>(text.size()));
    stream.WriteBuffer(text.data(), text.size());
}

SheetLabel ReadSheetLabel(Stream &stream)
{
    SheetLabel label;
    label.Text = ReadLongText(stream, "label text length");
    label.Alignment = stream.ReadUInt8();
    label.Colour = stream.ReadUInt32();
    label.FontHeight = stream.ReadInt32();
    label.CharSet = stream.ReadUInt8();
    label.FontName = ReadLongText(stream, "font name length");
    label.Pitch = stream.ReadUInt8();
    label.PointSize = stream.ReadInt32();
    label.Style = stream.ReadUInt8();
    label.Box = ReadSheetLayoutBox(stream);
    return label;
}

void WriteSheetLabel(Stream &stream, const SheetLabel &label)
{
    WriteLongText(stream, label.Text);
    stream.WriteUInt8(label.Alignment);
    stream.WriteUInt32(label.Colour);
    stream.WriteInt32(label.FontHeight);
    stream.WriteUInt8(label.CharSet);
    WriteLongText(stream, label.FontName);
    stream.WriteUInt8(label.Pitch);
    stream.WriteInt32(label.PointSize);
    stream.WriteUInt8(label.Style);
    WriteSheetLayoutBox(stream, label.Box);
}

} // namespace aw
