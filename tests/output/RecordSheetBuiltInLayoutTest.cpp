#include "RecordSheetTestSupport.h"

#include "base/Files.h"
#include "base/Stream.h"
#include "output/JpegWriter.h"
#include "output/PrintJob.h"
#include "output/RecordSheet.h"
#include "output/RecordSheetBitmap.h"
#include "output/SheetLayout.h"

#include <gtest/gtest.h>

#ifdef AW_SHEET_LAYOUT_BLOCK

namespace aw {

using namespace sheettest;

namespace {

std::vector<uint8_t> BuiltInBlock() { return ReadWholeFile(AW_SHEET_LAYOUT_BLOCK); }

const SheetLabel &LabelAt(const SheetLayout &layout, size_t index)
{
    return std::get<SheetLabel>(layout.Items.at(index));
}

} // namespace

TEST(RecordSheetBuiltInLayout, BlockAndBackgroundSizes)
{
    const std::vector<uint8_t> block = BuiltInBlock();
    EXPECT_EQ(block.size(), 1901107u);
    EXPECT_EQ(bytes::GetInt32(block.data()), 1887478);
    const SheetLayout layout = ReadSheetLayout(block);
    ASSERT_EQ(layout.Background.size(), 1887478u);
    EXPECT_EQ(layout.Background[0], 'B');
    EXPECT_EQ(layout.Background[1], 'M');
    EXPECT_EQ(bytes::GetInt32(layout.Background.data() + 18), 1200);
    EXPECT_EQ(bytes::GetInt32(layout.Background.data() + 22), 1572);
    EXPECT_EQ(layout.Background[28], 8); // bits per pixel
    EXPECT_EQ(bytes::GetInt32(block.data() + 4 + 1887478), 263);
    EXPECT_EQ(layout.Items.size(), 263u);
}

TEST(RecordSheetBuiltInLayout, ItemsInStoredOrder)
{
    const SheetLayout layout = ReadSheetLayout(BuiltInBlock());
    ASSERT_EQ(layout.Items.size(), 263u);
    const SheetLabel &name = LabelAt(layout, 0);
    EXPECT_EQ(name.Text, "|NAME|");
    EXPECT_EQ(name.Box, (SheetLayoutBox{22, 20, 36, 600}));
    EXPECT_EQ(name.PointSize, 16);
    EXPECT_EQ(name.Style, sheetstyle::Bold);
    EXPECT_EQ(std::get<SheetPictureFrame>(layout.Items[1]).Box, (SheetLayoutBox{79, 14, 483, 520}));

    const int tops[10] = {153, 176, 242, 265, 326, 349, 414, 437, 507, 530};
    const int heights[10] = {18, 18, 17, 18, 17, 17, 18, 18, 18, 18};
    const int lefts[5] = {554, 577, 601, 624, 647};
    const int widths[5] = {18, 18, 17, 17, 18};
    for (int k = 1; k <= 50; ++k) {
        const auto &box = std::get<SheetArmourBox>(layout.Items.at(static_cast<size_t>(k + 1)));
        const int row = (k - 1) / 5, column = (k - 1) % 5;
        EXPECT_EQ(box.Threshold, k);
        EXPECT_EQ(box.ColourReached, 0xFFFFFFu);
        EXPECT_EQ(box.ColourBelow, 0x000000u);
        EXPECT_EQ(box.Box, (SheetLayoutBox{tops[row], lefts[column], heights[row], widths[column]})) << "box " << k;
    }

    EXPECT_EQ(LabelAt(layout, 52).Text, "|CREW|");
    EXPECT_EQ(LabelAt(layout, 54).Text, "|MOVNAME1| COMBAT");
    EXPECT_EQ(LabelAt(layout, 54).PointSize, 12);
    EXPECT_EQ(LabelAt(layout, 74).Text, "|COST|");
    EXPECT_EQ(LabelAt(layout, 74).Box, (SheetLayoutBox{693, 427, 18, 238}));
    // weapons: 12 cells a row from item 75; row 3 holds "3" in each token
    EXPECT_EQ(LabelAt(layout, 75).Text, "|WEPSQTY1| |WEPNAME1|");
    EXPECT_EQ(LabelAt(layout, 75 + 2 * 12 + 10).Text, "|WEPSROF3| |WEPSTR3|");
    EXPECT_EQ(LabelAt(layout, 75 + 2 * 12 + 10).Box, (SheetLayoutBox{824, 591, 17, 186}));
    EXPECT_EQ(LabelAt(layout, 75 + 9 * 12 + 1).Text, "|WEPCODE10|");
    // perks from item 195, flaws from 239, defects from 254
    EXPECT_EQ(LabelAt(layout, 195 + 10 * 4 + 3).Text, "|PERKAUX11|");
    EXPECT_EQ(LabelAt(layout, 195 + 10 * 4 + 3).Box, (SheetLayoutBox{1224, 880, 18, 46}));
    EXPECT_EQ(LabelAt(layout, 239).Text, "|FLAWNAME1|");
    EXPECT_EQ(LabelAt(layout, 262).Text, "|DEFECTEFFECT3|");
    EXPECT_EQ(LabelAt(layout, 262).Box, (SheetLayoutBox{1504, 342, 17, 584}));
    for (size_t i = 52; i < layout.Items.size(); ++i) {
        const SheetLabel &label = LabelAt(layout, i);
        EXPECT_EQ(label.FontName, "Arial");
        EXPECT_EQ(label.Colour, 0x80000008u);
    }
}

TEST(RecordSheetBuiltInLayout, EveryLabelBoxLiesOnBlankFormWithinItsField)
{
    // Each value is written on white paper: no line of the form crosses a label's box.
    EnsureSheetRendering();
    const SheetLayout layout = ReadSheetLayout(BuiltInBlock());
    const QImage form = LoadSheetBitmap(layout.Background);
    for (const SheetItem &item : layout.Items) {
        if (!std::holds_alternative<SheetLabel>(item))
            continue;
        const SheetLayoutBox b = std::get<SheetLabel>(item).Box;
        EXPECT_EQ(InkCount(form, QRect(b.Left, b.Top, b.Width, b.Height)), 0) << std::get<SheetLabel>(item).Text;
    }
}

TEST(RecordSheetBuiltInLayout, AFullDesignFillsItsFields)
{
    EnsureSheetRendering();
    PrintJob job;
    job.Name = "Hunter";
    job.Armor = 37;
    job.Crew = 3;
    job.Cost = "1,234.50 Mark";
    job.Movement.Add({"Ground", 6, 3, 0, -2, 90, 45, 0});
    for (int i = 0; i < 12; ++i) {
        PrintWeaponRow w;
        w.Name = "Rifle";
        w.Quantity = 1;
        job.Weapons.Add(w);
    }
    const QImage sheet = BuildSheetImageFromLayout(job, BuiltInBlock());
    ASSERT_EQ(sheet.size(), QSize(1200, 1572));
    EXPECT_GT(InkCount(sheet, QRect(20, 22, 600, 36)), 50) << "name";
    EXPECT_GT(InkCount(sheet, QRect(880, 265, 36, 18)), 5) << "crew";
    EXPECT_GT(InkCount(sheet, QRect(16, 954, 229, 18)), 5) << "weapon row 10";
    // box 37 (row 7, column 1) white, box 38 (column 2) black
    EXPECT_EQ(RgbAt(sheet, 577 + 8, 437 + 9), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(sheet, 601 + 8, 437 + 9), 0x000000u);

    DecodedJpeg decoded;
    ASSERT_TRUE(DecodeJpeg(EncodeJpeg(sheet), decoded));
    EXPECT_EQ(decoded.Width, 1200);
    EXPECT_EQ(decoded.Height, 1572);
    EXPECT_EQ(decoded.Components, 3);
    EXPECT_LT(decoded.At(601 + 8, 437 + 9) & 0xFF, 0x30u);
    EXPECT_GT(decoded.At(577 + 8, 437 + 9) & 0xFF, 0xD0u);
}

#endif

} // namespace aw
