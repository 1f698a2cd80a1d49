#include "base/Stream.h"
#include "output/SheetLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace aw {

namespace {

SheetLabel SampleLabel()
{
    SheetLabel label;
    label.Text = "|TV|";
    label.Alignment = 2;
    label.Colour = 0x80000008;
    label.FontHeight = -11;
    label.FontName = "Arial";
    label.PointSize = 8;
    label.Style = sheetstyle::Bold | sheetstyle::Italic;
    label.Box = {693, 156, 18, 71};
    return label;
}

SheetLayout SampleLayout()
{
    SheetLayout layout;
    layout.Background = {'B', 'M', 1, 2, 3};
    layout.Items.push_back(SampleLabel());
    layout.Items.push_back(SheetPictureFrame{{79, 14, 483, 520}});
    layout.Items.push_back(SheetArmourBox{7, 0xFFFFFF, 0x000000, {176, 577, 18, 18}});
    return layout;
}

int32_t Int32At(const std::vector<uint8_t> &b, size_t at) { return bytes::GetInt32(b.data() + at); }

} // namespace

TEST(SheetLayout, LabelFieldsAreStoredInTheirOrderAfterTheKindByte)
{
    SheetLayout layout;
    layout.Items.push_back(SampleLabel());
    const std::vector<uint8_t> b = SheetLayoutBytes(layout);
    // background length 0, item count 1, then the label: 46 bytes plus its text and font name
    ASSERT_EQ(b.size(), 4u + 4u + 1u + 4u + 4u + 1u + 4u + 4u + 1u + 4u + 5u + 1u + 4u + 1u + 16u);
    EXPECT_EQ(Int32At(b, 0), 0);
    EXPECT_EQ(Int32At(b, 4), 1);
    EXPECT_EQ(b[8], 'L');
    EXPECT_EQ(Int32At(b, 9), 4);
    EXPECT_EQ(std::string(b.begin() + 13, b.begin() + 17), "|TV|");
    EXPECT_EQ(b[17], 2);                                     // centred
    EXPECT_EQ(bytes::GetUInt32(b.data() + 18), 0x80000008u); // colour
    EXPECT_EQ(Int32At(b, 22), -11);                          // height
    EXPECT_EQ(b[26], 0);                                     // character set
    EXPECT_EQ(Int32At(b, 27), 5);
    EXPECT_EQ(std::string(b.begin() + 31, b.begin() + 36), "Arial");
    EXPECT_EQ(b[36], 0);            // pitch
    EXPECT_EQ(Int32At(b, 37), 8);   // point size
    EXPECT_EQ(b[41], 3);            // bold and italic
    EXPECT_EQ(Int32At(b, 42), 693); // top, left, height, width
    EXPECT_EQ(Int32At(b, 46), 156);
    EXPECT_EQ(Int32At(b, 50), 18);
    EXPECT_EQ(Int32At(b, 54), 71);
}

TEST(SheetLayout, ArmourBoxAndPictureFrameImages)
{
    SheetLayout layout;
    layout.Items.push_back(SheetArmourBox{37, 0xFFFFFF, 0x0000FF, {437, 624, 18, 17}});
    layout.Items.push_back(SheetPictureFrame{{79, 14, 483, 520}});
    const std::vector<uint8_t> b = SheetLayoutBytes(layout);
    ASSERT_EQ(b.size(), 8u + 29u + 17u);
    EXPECT_EQ(b[8], 'S');
    EXPECT_EQ(Int32At(b, 9), 37);
    EXPECT_EQ(bytes::GetUInt32(b.data() + 13), 0xFFFFFFu);
    EXPECT_EQ(bytes::GetUInt32(b.data() + 17), 0x0000FFu);
    EXPECT_EQ(Int32At(b, 21), 437);
    EXPECT_EQ(Int32At(b, 33), 17);
    EXPECT_EQ(b[37], 'P');
    EXPECT_EQ(Int32At(b, 38), 79);
    EXPECT_EQ(Int32At(b, 50), 520);
}

TEST(SheetLayout, ReadsBackWhatWasWritten)
{
    const SheetLayout layout = SampleLayout();
    const SheetLayout read = ReadSheetLayout(SheetLayoutBytes(layout));
    EXPECT_EQ(read.Background, layout.Background);
    EXPECT_EQ(read.Items, layout.Items);
}

TEST(SheetLayout, AnUnknownKindByteIsAPictureFrame)
{
    std::vector<uint8_t> b = SheetLayoutBytes(SampleLayout());
    const size_t frameKind = b.size() - 29 - 17;
    ASSERT_EQ(b[frameKind], 'P');
    b[frameKind] = 0x01;
    const SheetLayout read = ReadSheetLayout(b);
    ASSERT_EQ(read.Items.size(), 3u);
    ASSERT_TRUE(std::holds_alternative<SheetPictureFrame>(read.Items[1]));
    EXPECT_EQ(std::get<SheetPictureFrame>(read.Items[1]).Box, (SheetLayoutBox{79, 14, 483, 520}));
}

TEST(SheetLayout, ACountBeyondTheDataStopsAtTheLastWholeItem)
{
    std::vector<uint8_t> b = SheetLayoutBytes(SampleLayout());
    bytes::PutInt32(b.data() + 4 + 5, 263);
    EXPECT_EQ(ReadSheetLayout(b).Items.size(), 3u);
    // and a smaller count reads only that many
    bytes::PutInt32(b.data() + 4 + 5, 1);
    EXPECT_EQ(ReadSheetLayout(b).Items.size(), 1u);
}

TEST(SheetLayout, ABlockCutInsideAnItemKeepsTheWholeItemsBeforeIt)
{
    const SheetLayout layout = SampleLayout();
    const std::vector<uint8_t> full = SheetLayoutBytes(layout);
    // Where each item ends: a block cut there or inside the next item holds the items before it.
    const size_t labelEnd = 4 + 5 + 4 + 46 + 4; // a label takes 46 bytes with "Arial", plus its text
    const std::vector<size_t> itemEnds = {4 + 5 + 4, labelEnd, labelEnd + 17, labelEnd + 17 + 29};
    ASSERT_EQ(itemEnds.back(), full.size());
    for (size_t length = 0; length < full.size(); ++length) {
        const std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        if (length < itemEnds.front()) {
            EXPECT_THROW(ReadSheetLayout(cut), StreamError) << "cut at " << length << ", before the item count";
            continue;
        }
        const size_t whole =
            static_cast<size_t>(std::upper_bound(itemEnds.begin(), itemEnds.end(), length) - itemEnds.begin() - 1);
        const SheetLayout read = ReadSheetLayout(cut);
        ASSERT_EQ(read.Items.size(), whole) << "cut at " << length;
        EXPECT_TRUE(std::equal(read.Items.begin(), read.Items.end(), layout.Items.begin()));
    }
}

TEST(SheetLayout, LengthsThatClaimMoreThanRemainsAreRefusedBeforeReading)
{
    std::vector<uint8_t> b = SheetLayoutBytes(SampleLayout());
    std::vector<uint8_t> huge = b;
    bytes::PutInt32(huge.data(), 0x7FFFFFFF); // background length
    EXPECT_THROW(ReadSheetLayout(huge), StreamError);
    std::vector<uint8_t> negative = b;
    bytes::PutInt32(negative.data(), -5);
    EXPECT_THROW(ReadSheetLayout(negative), StreamError);
    // a label whose text or font name cannot be read ends the items
    std::vector<uint8_t> text = b;
    bytes::PutInt32(text.data() + 4 + 5 + 4 + 1, 0x7FFFFFF0); // label text length
    EXPECT_TRUE(ReadSheetLayout(text).Items.empty());
    std::vector<uint8_t> font = b;
    bytes::PutInt32(font.data() + 4 + 5 + 4 + 1 + 4 + 4 + 1 + 4 + 4 + 1, -1); // font-name length
    EXPECT_TRUE(ReadSheetLayout(font).Items.empty());
}

} // namespace aw
