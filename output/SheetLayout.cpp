#include "output/SheetLayout.h"

#include "base/Stream.h"

namespace aw {

static SheetItem ReadSheetItem(Stream &stream)
{
    switch (stream.ReadUInt8()) {
    case sheetkind::Label:
        return ReadSheetLabel(stream);
    case sheetkind::ArmourBox:
        return ReadSheetArmourBox(stream);
    default:
        return SheetPictureFrame{ReadSheetLayoutBox(stream)};
    }
}

SheetLayout ReadSheetLayout(Stream &stream)
{
    SheetLayout layout;
    const int32_t backgroundLength = stream.ReadInt32();
    stream.RequireRemaining(backgroundLength, "sheet background length");
    layout.Background.resize(static_cast<size_t>(backgroundLength));
    stream.ReadBuffer(layout.Background.data(), layout.Background.size());

    // The count is not trusted for reserving: each item is read only while data remains, and
    // the items end at the last one the data holds whole.
    const int32_t count = stream.ReadInt32();
    for (int32_t i = 0; i < count && stream.Remaining() > 0; ++i) {
        try {
            layout.Items.push_back(ReadSheetItem(stream));
        } catch (const StreamError &) {
            break;
        }
    }
    return layout;
}

SheetLayout ReadSheetLayout(std::span<const uint8_t> block)
{
    Stream stream(std::vector<uint8_t>(block.begin(), block.end()));
    return ReadSheetLayout(stream);
}

namespace {
struct ItemWriter {
    Stream &Out;
    void operator()(const SheetLabel &label) const
    {
        Out.WriteUInt8(sheetkind::Label);
        WriteSheetLabel(Out, label);
    }
    void operator()(const SheetArmourBox &box) const
    {
        Out.WriteUInt8(sheetkind::ArmourBox);
        WriteSheetArmourBox(Out, box);
    }
    void operator()(const SheetPictureFrame &frame) const
    {
        Out.WriteUInt8(sheetkind::PictureFrame);
        WriteSheetLayoutBox(Out, frame.Box);
    }
};
} // namespace

void WriteSheetLayout(Stream &stream, const SheetLayout &layout)
{
    stream.WriteInt32(static_cast<int32_t>(layout.Background.size()));
    stream.WriteBuffer(layout.Background.data(), layout.Background.size());
    stream.WriteInt32(static_cast<int32_t>(layout.Items.size()));
    for (const SheetItem &item : layout.Items)
        std::visit(ItemWriter{stream}, item);
}

std::vector<uint8_t> SheetLayoutBytes(const SheetLayout &layout)
{
    Stream stream;
    WriteSheetLayout(stream, layout);
    return stream.TakeBytes();
}

} // namespace aw
