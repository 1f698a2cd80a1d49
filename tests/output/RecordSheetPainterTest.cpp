#include "RecordSheetTestSupport.h"

#include "base/Stream.h"
#include "output/RecordSheetBitmap.h"
#include "output/RecordSheetColour.h"
#include "output/RecordSheetPainter.h"
#include "tests/support/SampleDesigns.h"

#include <QFont>

#include <gtest/gtest.h>

namespace aw {

using namespace sheettest;

namespace {

// The built-in sheet's armour grid and picture frame, as the layout documents them.
const int kRowTops[10] = {153, 176, 242, 265, 326, 349, 414, 437, 507, 530};
const int kRowHeights[10] = {18, 18, 17, 18, 17, 17, 18, 18, 18, 18};
const int kColumnLefts[5] = {554, 577, 601, 624, 647};
const int kColumnWidths[5] = {18, 18, 17, 17, 18};
const SheetLayoutBox kFrame{79, 14, 483, 520};

SheetLayoutBox ArmourBox(int k)
{
    const int row = (k - 1) / 5, column = (k - 1) % 5;
    return {kRowTops[row], kColumnLefts[column], kRowHeights[row], kColumnWidths[column]};
}

SheetLayout ArmourLayout()
{
    SheetLayout layout = PlainLayout(QColor(128, 128, 128));
    for (int k = 1; k <= 50; ++k)
        layout.Items.push_back(SheetArmourBox{k, 0xFFFFFF, 0x000000, ArmourBox(k)});
    return layout;
}

// The palette indexes of a samples::RunLengthBitmapFile as loaded, top row first.
std::vector<std::vector<int>> PaletteIndexes(const QImage &image)
{
    std::vector<std::vector<int>> rows(static_cast<size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            rows[static_cast<size_t>(y)].push_back((image.pixel(x, y) >> 16 & 0xFF) / 16);
    return rows;
}

// Which boxes come out white (by their corner pixels, which the fill includes).
std::vector<int> WhiteBoxes(const QImage &sheet)
{
    std::vector<int> white;
    for (int k = 1; k <= 50; ++k) {
        const SheetLayoutBox b = ArmourBox(k);
        const uint32_t topLeft = RgbAt(sheet, b.Left, b.Top);
        const uint32_t bottomRight = RgbAt(sheet, b.Right() - 1, b.Bottom() - 1);
        EXPECT_EQ(topLeft, bottomRight) << "box " << k;
        EXPECT_TRUE(topLeft == 0xFFFFFF || topLeft == 0x000000) << "box " << k;
        if (topLeft == 0xFFFFFF)
            white.push_back(k);
    }
    return white;
}

std::vector<int> Range(int first, int last)
{
    std::vector<int> r;
    for (int k = first; k <= last; ++k)
        r.push_back(k);
    return r;
}

QImage Solid(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class RecordSheetPainter : public ::testing::Test {
protected:
    void SetUp() override { EnsureSheetRendering(); }
};

} // namespace

TEST_F(RecordSheetPainter, ArmourBoxesUpToTheArmourAreWhiteAndTheRestBlack)
{
    const SheetLayout layout = ArmourLayout();
    EXPECT_EQ(WhiteBoxes(DrawRecordSheet(layout, {37, {}, {}})), Range(1, 37));
    EXPECT_EQ(WhiteBoxes(DrawRecordSheet(layout, {0, {}, {}})), Range(1, 0));
    EXPECT_EQ(WhiteBoxes(DrawRecordSheet(layout, {51, {}, {}})), Range(1, 50));
    EXPECT_EQ(WhiteBoxes(DrawRecordSheet(layout, {-3, {}, {}})), Range(1, 0));
}

TEST_F(RecordSheetPainter, ArmourBoxRightAndBottomEdgesAreExclusive)
{
    const QImage sheet = DrawRecordSheet(ArmourLayout(), {0, {}, {}});
    const SheetLayoutBox b = ArmourBox(1); // 554..571 x 153..170
    EXPECT_EQ(RgbAt(sheet, 571, 170), 0x000000u);
    EXPECT_EQ(RgbAt(sheet, 572, 160), 0x808080u);
    EXPECT_EQ(RgbAt(sheet, 560, 171), 0x808080u);
    EXPECT_EQ(RgbAt(sheet, 553, 160), 0x808080u);
    EXPECT_EQ(RgbAt(sheet, 560, 152), 0x808080u);
    EXPECT_EQ(b.Right(), 572);
}

TEST_F(RecordSheetPainter, ArmourBoxColoursAreStoredRedFirst)
{
    SheetLayout layout = PlainLayout(Qt::white);
    layout.Items.push_back(SheetArmourBox{5, 0x0000FF, 0xFF0000, {10, 10, 5, 5}});
    layout.Items.push_back(SheetArmourBox{6, 0x0000FF, 0xFF0000, {20, 10, 5, 5}});
    const QImage sheet = DrawRecordSheet(layout, {5, {}, {}});
    EXPECT_EQ(RgbAt(sheet, 12, 12), 0xFF0000u); // reached: 0x0000FF is red
    EXPECT_EQ(RgbAt(sheet, 12, 22), 0x0000FFu); // below: 0xFF0000 is blue
}

TEST(RecordSheetColours, SystemColoursUseTheStandardDesktop)
{
    EXPECT_EQ(SheetColour(0x80000008), QColor(0, 0, 0));       // window text
    EXPECT_EQ(SheetColour(0x80000005), QColor(255, 255, 255)); // window
    EXPECT_EQ(SheetColour(0x800000FF), QColor(0, 0, 0));       // unknown index
    EXPECT_EQ(SheetColour(0x00336699), QColor(0x99, 0x66, 0x33));
}

TEST(RecordSheetPicture, ATwoToOnePictureFillsTheFrameWidthAndIsCentredVertically)
{
    // 520 / 200 = 2.6 < 483 / 100: drawn height round(260) = 260, margin (483 - 260) / 2 = 111
    EXPECT_EQ(FitPictureInFrame(200, 100, kFrame), QRect(14, 190, 520, 261));
    // A tall picture: 483 / 966 = 0.5 is the smaller scale, drawn width 130, margin 195
    EXPECT_EQ(FitPictureInFrame(260, 966, kFrame), QRect(209, 79, 130, 483));
    // Same aspect as the frame: the whole frame
    EXPECT_EQ(FitPictureInFrame(1040, 966, kFrame), QRect(14, 79, 520, 483));
}

TEST(RecordSheetPicture, DrawnSizeRoundsHalvesToEven)
{
    // frame 10 x 10, picture 4 x 1: sx = 2.5, sy = 10, drawn height 1 * 2.5 = 2.5 rounds to 2,
    // margin (10 - 2) / 2 = 4
    EXPECT_EQ(FitPictureInFrame(4, 1, {0, 0, 10, 10}), QRect(0, 4, 10, 2));
    // picture 4 x 3: drawn height 7.5 rounds to 8, margin 1
    EXPECT_EQ(FitPictureInFrame(4, 3, {0, 0, 10, 10}), QRect(0, 1, 10, 8));
}

TEST_F(RecordSheetPainter, ThePictureIsStretchedIntoItsPlaceAndTheRestOfTheFrameIsLeftAlone)
{
    SheetLayout layout = PlainLayout(Qt::white);
    layout.Items.push_back(SheetPictureFrame{kFrame});
    const QImage sheet = DrawRecordSheet(layout, {0, Solid(200, 100, QColor(255, 0, 0)), {}});
    EXPECT_EQ(RgbAt(sheet, 14, 190), 0xFF0000u);
    EXPECT_EQ(RgbAt(sheet, 533, 450), 0xFF0000u);
    EXPECT_EQ(RgbAt(sheet, 274, 320), 0xFF0000u);
    EXPECT_EQ(RgbAt(sheet, 274, 189), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(sheet, 274, 451), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(sheet, 13, 320), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(sheet, 534, 320), 0xFFFFFFu);
}

TEST_F(RecordSheetPainter, AnEmptyPictureLeavesTheFrameAsTheBackgroundShowsIt)
{
    SheetLayout layout = PlainLayout(QColor(10, 200, 30));
    layout.Items.push_back(SheetPictureFrame{kFrame});
    const QImage sheet = DrawRecordSheet(layout, {0, QImage(), {}});
    EXPECT_EQ(RgbAt(sheet, 274, 320), 0x0AC81Eu);
}

TEST_F(RecordSheetPainter, TheSheetIs24BitColourOfTheBackgroundsSize)
{
    const QImage sheet = DrawRecordSheet(PlainLayout(Qt::white), {});
    EXPECT_EQ(sheet.format(), QImage::Format_RGB888);
    EXPECT_EQ(sheet.size(), QSize(1200, 1572));
}

TEST_F(RecordSheetPainter, AnIndexedBackgroundKeepsItsPaletteColours)
{
    QImage indexed(40, 30, QImage::Format_Indexed8);
    QList<QRgb> palette(256, qRgb(255, 255, 255));
    palette[0] = qRgb(0, 0, 0);
    palette[1] = qRgb(200, 100, 50);
    indexed.setColorTable(palette);
    indexed.fill(1);
    indexed.setPixel(3, 4, 0);
    SheetLayout layout;
    layout.Background = BitmapFileOf(indexed);
    ASSERT_EQ(layout.Background[28], 8); // stored with 8 bits per pixel
    const QImage sheet = DrawRecordSheet(layout, {});
    EXPECT_EQ(RgbAt(sheet, 0, 0), 0xC86432u);
    EXPECT_EQ(RgbAt(sheet, 3, 4), 0x000000u);
}

TEST_F(RecordSheetPainter, LabelTextLandsInsideItsBox)
{
    const SheetLayoutBox name{22, 20, 36, 600};
    SheetLayout layout = PlainLayout(Qt::white);
    layout.Items.push_back(Label("|NAME|", SheetAlignment::Left, 16, true, name));
    SheetValues values;
    values.ExpandText = [](const std::string &text) { return text == "|NAME|" ? std::string("Hunter Mk. II") : text; };
    const QImage sheet = DrawRecordSheet(layout, values);
    const QRect box(name.Left, name.Top, name.Width, name.Height);
    const QRect ink = InkBounds(sheet, sheet.rect());
    ASSERT_FALSE(ink.isNull());
    EXPECT_TRUE(box.contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    // left-aligned, vertically centred: the ink starts near the left edge and sits in the middle
    EXPECT_LE(ink.left() - box.left(), 3);
    EXPECT_NEAR(ink.center().y(), box.center().y(), 5);
    // a 16-point bold capital is about 15 pixels tall
    EXPECT_GE(ink.height(), 13);
}

TEST_F(RecordSheetPainter, CentredAndRightAlignedLabels)
{
    const SheetLayoutBox centred{100, 100, 18, 200};
    const SheetLayoutBox right{200, 100, 18, 200};
    SheetLayout layout = PlainLayout(Qt::white);
    layout.Items.push_back(Label("MMMM", SheetAlignment::Centre, 8, false, centred));
    layout.Items.push_back(Label("MMMM", SheetAlignment::Right, 8, false, right));
    const QImage sheet = DrawRecordSheet(layout, {});
    const QRect c = InkBounds(sheet, QRect(0, 90, 1200, 40));
    const QRect r = InkBounds(sheet, QRect(0, 190, 1200, 40));
    EXPECT_NEAR(c.center().x(), 200, 2);
    EXPECT_GE(r.right(), 296);
    EXPECT_LE(r.right(), 299);
    EXPECT_EQ(c.width(), r.width());
}

TEST_F(RecordSheetPainter, TextWiderThanItsBoxIsCutAtTheBoxEdgeNotWrapped)
{
    const SheetLayoutBox cost{693, 427, 18, 60};
    SheetLayout layout = PlainLayout(Qt::white);
    layout.Items.push_back(Label("1,234,567,890,123.45 Mark", SheetAlignment::Left, 8, false, cost));
    const QImage sheet = DrawRecordSheet(layout, {});
    const QRect ink = InkBounds(sheet, sheet.rect());
    EXPECT_EQ(ink.right(), cost.Right() - 1) << "the text runs to the edge and stops there";
    EXPECT_GE(ink.top(), cost.Top);
    EXPECT_LT(ink.bottom(), cost.Bottom()) << "no second line";
}

TEST_F(RecordSheetPainter, AnEmptyExpansionDrawsNothing)
{
    SheetLayout layout = PlainLayout(Qt::white);
    layout.Items.push_back(Label("|WEPNAME11|", SheetAlignment::Left, 8, false, {100, 100, 18, 200}));
    SheetValues values;
    values.ExpandText = [](const std::string &) { return std::string(); };
    EXPECT_EQ(InkCount(DrawRecordSheet(layout, values), QRect(0, 0, 1200, 1572)), 0);
}

TEST_F(RecordSheetPainter, BoxesThatAreEmptyOrFarOutsideDrawNothing)
{
    const int32_t far = 0x7FFFFFF0;
    SheetLayout layout = PlainLayout(Qt::white);
    layout.Items.push_back(Label("WWWW", SheetAlignment::Left, 8, false, {100, 100, 18, 0}));
    layout.Items.push_back(Label("WWWW", SheetAlignment::Right, 8, false, {100, far, 18, 100}));
    layout.Items.push_back(SheetArmourBox{1, 0, 0, {10, 10, -5, 20}});
    layout.Items.push_back(SheetArmourBox{1, 0, 0, {far, far, far, far}});
    layout.Items.push_back(SheetPictureFrame{{0, 0, far, far}});
    layout.Items.push_back(SheetPictureFrame{{0, 0, 100, 0}});
    const QImage sheet = DrawRecordSheet(layout, {0, Solid(20, 10, Qt::black), {}});
    EXPECT_EQ(InkCount(sheet, sheet.rect()), 0);
}

TEST_F(RecordSheetPainter, ItemsAreDrawnInStoredOrder)
{
    SheetLayout layout = PlainLayout(Qt::white);
    layout.Items.push_back(Label("WWWWWWWW", SheetAlignment::Left, 12, true, {100, 100, 20, 200}));
    layout.Items.push_back(SheetArmourBox{1, 0xFFFFFF, 0x000000, {100, 100, 20, 200}});
    EXPECT_EQ(InkCount(DrawRecordSheet(layout, {1, {}, {}}), QRect(100, 100, 200, 20)), 0);
}

TEST_F(RecordSheetPainter, PointSizeReplacesTheStoredFontHeight)
{
    SheetLabel label = Label("x", SheetAlignment::Left, 8, false, {});
    label.FontHeight = -40;
    EXPECT_EQ(SheetLabelFont(label).pixelSize(), 11); // 8 points at 96 per inch
    label.PointSize = 16;
    EXPECT_EQ(SheetLabelFont(label).pixelSize(), 21);
    label.PointSize = 12;
    EXPECT_EQ(SheetLabelFont(label).pixelSize(), 16);
    label.PointSize = 0;
    EXPECT_EQ(SheetLabelFont(label).pixelSize(), 40);
    label.PointSize = 0x7FFFFFFF;
    EXPECT_EQ(SheetLabelFont(label).pixelSize(), 4096) << "kept to a size a font can have";
    label.PointSize = 0;
    label.Style = sheetstyle::Italic | sheetstyle::StrikeOut;
    const QFont font = SheetLabelFont(label);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.strikeOut());
    EXPECT_FALSE(font.bold());
    EXPECT_FALSE(font.underline());
}

TEST(RecordSheetBitmap, DamagedOrHugeBitmapsAreRefusedBeforeDecoding)
{
    std::vector<uint8_t> good = BitmapFileOf(Solid(8, 4, Qt::white));
    ASSERT_NO_THROW(LoadSheetBitmap(good));

    std::vector<uint8_t> notBitmap = good;
    notBitmap[0] = 'P';
    EXPECT_THROW(LoadSheetBitmap(notBitmap), SheetBitmapError);

    std::vector<uint8_t> huge = good;
    huge[18] = 0xFF;
    huge[19] = 0xFF;
    huge[20] = 0x00;
    huge[21] = 0x00; // width 65535
    EXPECT_THROW(LoadSheetBitmap(huge), SheetBitmapError);

    std::vector<uint8_t> zeroHeight = good;
    std::fill(zeroHeight.begin() + 22, zeroHeight.begin() + 26, 0);
    EXPECT_THROW(LoadSheetBitmap(zeroHeight), SheetBitmapError);

    std::vector<uint8_t> shortPixels(good.begin(), good.end() - 1);
    EXPECT_THROW(LoadSheetBitmap(shortPixels), SheetBitmapError);

    std::vector<uint8_t> badDepth = good;
    badDepth[28] = 7;
    EXPECT_THROW(LoadSheetBitmap(badDepth), SheetBitmapError);

    EXPECT_THROW(LoadSheetBitmap(std::vector<uint8_t>{'B', 'M'}), SheetBitmapError);

    // run-length coded pixels can claim any size in a few bytes: 16000 x 16000 is refused
    QList<QRgb> palette(256, qRgb(0, 0, 0));
    QImage indexed(8, 4, QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    std::vector<uint8_t> claimed = BitmapFileOf(indexed);
    ASSERT_EQ(claimed[28], 8);
    bytes::PutInt32(claimed.data() + 18, 16000);
    bytes::PutInt32(claimed.data() + 22, 16000);
    bytes::PutUInt32(claimed.data() + 30, 1); // RLE8
    EXPECT_THROW(LoadSheetBitmap(claimed), SheetBitmapError);
}

TEST(RecordSheetBitmap, RunLengthPixelsTheDataLeavesOutAreIndexZeroAndRunsStopAtTheEdge)
{
    // 8 bits: a run past the right edge, a line ended early, a jump, literal pixels cut short
    const std::vector<uint8_t> rle8 = {9, 1, 0, 0, // bottom row: a run of nine 1s
                                       8, 3, 0, 0, // middle row: eight 3s
                                       2, 2,       // top row: two 2s
                                       0, 2, 2, 1, // a jump 2 right, 1 up: past the top
                                       5, 7, 0, 1};
    EXPECT_EQ(PaletteIndexes(LoadSheetBitmap(samples::RunLengthBitmapFile(6, 3, 8, rle8))),
              (std::vector<std::vector<int>>{{2, 2, 0, 0, 0, 0}, {3, 3, 3, 3, 3, 3}, {1, 1, 1, 1, 1, 1}}));
    const std::vector<uint8_t> cut = {0, 2, 1, 1, 0, 5, 4, 5, 6}; // a jump, then 3 of 5 literal pixels
    EXPECT_EQ(PaletteIndexes(LoadSheetBitmap(samples::RunLengthBitmapFile(6, 2, 8, cut))),
              (std::vector<std::vector<int>>{{0, 4, 5, 6, 0, 0}, {0, 0, 0, 0, 0, 0}}));

    // 4 bits: two pixels a byte, high half first; the bitmap ends early
    const std::vector<uint8_t> rle4 = {5, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 1};
    EXPECT_EQ(PaletteIndexes(LoadSheetBitmap(samples::RunLengthBitmapFile(5, 3, 4, rle4))),
              (std::vector<std::vector<int>>{{0, 0, 0, 0, 0}, {3, 4, 5, 0, 0}, {1, 2, 1, 2, 1}}));

    // a bitmap whose data sets every pixel reads as Qt's own reader gives it
    const std::vector<uint8_t> whole =
        samples::RunLengthBitmapFile(5, 2, 4, {5, 0x12, 0, 0, 0, 5, 0x34, 0x56, 0x70, 0, 0, 1});
    QImage direct;
    ASSERT_TRUE(direct.loadFromData(
        QByteArray(reinterpret_cast<const char *>(whole.data()), static_cast<qsizetype>(whole.size())), "BMP"));
    EXPECT_EQ(LoadSheetBitmap(whole), direct.convertToFormat(QImage::Format_RGB32));
}

} // namespace aw
