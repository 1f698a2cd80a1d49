#include "RecordSheetTestSupport.h"
#include "tests/support/TempFolder.h"

#include "base/Files.h"
#include "output/JpegWriter.h"
#include "output/PrintPlacement.h"
#include "output/RecordSheetFiles.h"

#include <QPageSize>
#include <QPainter>

#include <gtest/gtest.h>

#include <filesystem>

namespace aw {

using namespace sheettest;

namespace {

bool Near(uint32_t a, uint32_t b, int tolerance)
{
    for (int shift = 0; shift <= 16; shift += 8)
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

// A sheet-sized image: white, a red block at the top left, a blue block at the bottom right.
QImage ColourTestImage()
{
    QImage image(1200, 1572, QImage::Format_RGB888);
    image.fill(Qt::white);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            image.setPixelColor(x, y, QColor(255, 0, 0));
            image.setPixelColor(1199 - x, 1571 - y, QColor(0, 0, 255));
        }
    return image;
}

} // namespace

TEST(RecordSheetJpeg, DecodesToTheSheetSizeInColour)
{
    DecodedJpeg decoded;
    ASSERT_TRUE(DecodeJpeg(EncodeJpeg(ColourTestImage()), decoded));
    EXPECT_EQ(decoded.Width, 1200);
    EXPECT_EQ(decoded.Height, 1572);
    EXPECT_EQ(decoded.Components, 3);
    EXPECT_TRUE(Near(decoded.At(20, 20), 0xFF0000, 12)) << std::hex << decoded.At(20, 20);
    EXPECT_TRUE(Near(decoded.At(1180, 1550), 0x0000FF, 12)) << std::hex << decoded.At(1180, 1550);
    EXPECT_TRUE(Near(decoded.At(600, 800), 0xFFFFFF, 4));
}

TEST(RecordSheetJpeg, AcceptsAnyImageFormat)
{
    QImage indexed(33, 17, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 128, 0)});
    indexed.fill(0);
    DecodedJpeg decoded;
    ASSERT_TRUE(DecodeJpeg(EncodeJpeg(indexed), decoded));
    EXPECT_EQ(decoded.Width, 33);
    EXPECT_EQ(decoded.Height, 17);
    EXPECT_TRUE(Near(decoded.At(16, 8), 0x008000, 8));
}

TEST(RecordSheetJpeg, QualityEightyFiveLiesBetweenLowerAndHigherQualities)
{
    QImage noisy(256, 256, QImage::Format_RGB888);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            noisy.setPixelColor(x, y, QColor((x * 7 + y * 13) & 0xFF, (x * y) & 0xFF, (x ^ y) & 0xFF));
    const size_t standard = EncodeJpeg(noisy).size();
    EXPECT_LT(EncodeJpeg(noisy, 50).size(), standard);
    EXPECT_GT(EncodeJpeg(noisy, 95).size(), standard);
    EXPECT_EQ(EncodeJpeg(noisy, kSheetJpegQuality).size(), standard);
}

TEST(RecordSheetJpeg, AnEmptyImageIsRefusedAndNothingIsWritten)
{
    TempFolder dir;
    const std::string file = dir / "empty.jpg";
    EXPECT_THROW(SaveJpeg(QImage(), file), JpegError);
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(RecordSheetJpeg, ALibraryErrorBecomesAnExceptionNotAnExit)
{
    // libjpeg refuses images wider than 65500 pixels.
    QImage wide(65501, 1, QImage::Format_RGB888);
    wide.fill(Qt::white);
    EXPECT_THROW(EncodeJpeg(wide), JpegError);
}

TEST(RecordSheetJpeg, AFailedWriteKeepsThePreviousFile)
{
    TempFolder dir;
    const std::string file = dir / "sheet.jpg";
    WriteFileAtomically(file, std::string("previous"));
    SetWriteFaultInjector([] { return false; });
    EXPECT_THROW(SaveJpeg(ColourTestImage(), file), FileError);
    SetWriteFaultInjector({});
    const std::vector<uint8_t> kept = ReadWholeFile(file);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "previous");

    SaveJpeg(ColourTestImage(), file);
    DecodedJpeg decoded;
    ASSERT_TRUE(DecodeJpeg(ReadWholeFile(file), decoded));
    EXPECT_EQ(decoded.Width, 1200);
}

TEST(RecordSheetPng, IsLossless)
{
    EnsureSheetRendering();
    QImage image = ColourTestImage();
    image.setPixelColor(600, 700, QColor(1, 2, 3));
    TempFolder dir;
    const std::string file = dir / "sheet.png";
    SavePng(image, file);
    const QImage back(QString::fromStdString(file));
    ASSERT_EQ(back.size(), image.size());
    EXPECT_EQ(back.pixel(600, 700) & 0xFFFFFF, 0x010203u);
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB888), image);
}

TEST(RecordSheetPdf, WritesOnePdfDocument)
{
    EnsureSheetRendering();
    TempFolder dir;
    const std::string file = dir / "sheet.pdf";
    RenderSheetToPdf(ColourTestImage(), file, QPageSize(QPageSize::A4), "Panzer \xdf");
    const std::vector<uint8_t> pdf = ReadWholeFile(file);
    ASSERT_GT(pdf.size(), 1000u);
    EXPECT_EQ(std::string(pdf.begin(), pdf.begin() + 5), "%PDF-");
    const std::string text(pdf.begin(), pdf.end());
    EXPECT_NE(text.find("/Type /Page"), std::string::npos);
    EXPECT_NE(text.rfind("%%EOF"), std::string::npos);
}

TEST(PrintPlacement, ThePageGetsTheSheetInThePlacedRectangleOnly)
{
    EnsureSheetRendering();
    QImage page(700, 1000, QImage::Format_RGB32);
    page.fill(Qt::white);
    QImage sheet(120, 157, QImage::Format_RGB888);
    sheet.fill(QColor(0, 0, 255));
    {
        QPainter painter(&page);
        PaintSheetOnPage(painter, sheet, page.rect());
    }
    // area 600 x 900; 600 / 120 = 5 is the smaller scale: 600 x 785, spare 115, half 57
    const QRect placed(50, 107, 600, 786);
    ASSERT_EQ(PlaceSheetOnPage(sheet.size(), page.rect()), placed);
    EXPECT_EQ(RgbAt(page, placed.left(), placed.top() + 1), 0x0000FFu);
    EXPECT_EQ(RgbAt(page, placed.right(), placed.bottom() - 1), 0x0000FFu);
    EXPECT_EQ(RgbAt(page, placed.left() - 1, 500), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(page, placed.right() + 1, 500), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(page, 300, placed.top() - 1), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(page, 300, placed.bottom() + 1), 0xFFFFFFu);
}

TEST(PrintPlacement, PortraitPageFitsTheWidthAndCentresVertically)
{
    // area 4760 x 6812 less 100: 4660 x 6712; 4660 / 1200 is the smaller scale;
    // height 1572 * 4660 / 1200 = 6104.6, taken as 6104; spare 608, half 304
    EXPECT_EQ(PlaceSheetOnPage({1200, 1572}, {0, 0, 4760, 6812}), QRect(50, 354, 4660, 6104));
}

TEST(PrintPlacement, LandscapePageFitsTheHeightAndCentresHorizontally)
{
    // area 6812 x 4760 less 100: 6712 x 4660; 4660 / 1572 is the smaller scale;
    // width 1200 * 4660 / 1572 = 3557.2, taken as 3557; spare 3155, half 1577; the odd unit
    // stays in the rectangle
    EXPECT_EQ(PlaceSheetOnPage({1200, 1572}, {0, 0, 6812, 4760}), QRect(1627, 50, 3558, 4660));
}

TEST(PrintPlacement, TheAreaOriginMovesTheSheet)
{
    EXPECT_EQ(PlaceSheetOnPage({100, 100}, {10, 20, 300, 400}), QRect(60, 120, 200, 200));
}

TEST(PrintPlacement, NothingFitsInAnAreaWithinTheMargins)
{
    EXPECT_TRUE(PlaceSheetOnPage({1200, 1572}, {0, 0, 100, 5000}).isEmpty());
    EXPECT_TRUE(PlaceSheetOnPage({1200, 1572}, {0, 0, 5000, 99}).isEmpty());
    EXPECT_TRUE(PlaceSheetOnPage({0, 1572}, {0, 0, 5000, 5000}).isEmpty());
}

} // namespace aw
