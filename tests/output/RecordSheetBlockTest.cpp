#include "RecordSheetTestSupport.h"
#include "tests/support/TempFolder.h"

#include "base/Files.h"
#include "base/Stream.h"
#include "codec/LzhCompressor.h"
#include "output/ConvertError.h"
#include "output/PrintJob.h"
#include "output/RecordSheet.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace aw {

using namespace sheettest;

namespace {

// A program folder of its own, with override files written as compressed containers.
class RecordSheetBlock : public ::testing::Test {
protected:
    void SetUp() override { EnsureSheetRendering(); }

    void WriteOverride(const std::string &name, const SheetLayout &layout)
    {
        WriteFileAtomically(m_folder + name, CompressBytes(SheetLayoutBytes(layout)));
    }

    // A small layout whose size tells it apart from the built-in one.
    static SheetLayout Small(QColor colour) { return PlainLayout(colour, 40, 20); }

    TempFolder m_temp;
    const std::string m_folder = m_temp.Path().string() + "/";
};

PrintJob Job()
{
    PrintJob job;
    job.Name = "Hunter";
    job.Armor = 10;
    return job;
}

} // namespace

#ifdef AW_SHEET_LAYOUT_BLOCK
TEST_F(RecordSheetBlock, BothBuiltInLayoutsHoldTheGeneratedBlock)
{
    const std::vector<uint8_t> generated = ReadWholeFile(AW_SHEET_LAYOUT_BLOCK);
    EXPECT_EQ(SheetLayoutBlock(0, m_folder), generated);
    EXPECT_EQ(SheetLayoutBlock(1, m_folder), generated);
    EXPECT_EQ(BuildSheetImage(Job(), 1, SheetFormats(), m_folder).size(), QSize(1200, 1572));
}
#endif

TEST_F(RecordSheetBlock, LayoutZeroIsThePrintLayoutAndEveryOtherValueTheImageLayout)
{
    WriteOverride("Print.zel", Small(Qt::red));
    WriteOverride("Jpeg.zel", Small(Qt::blue));
    const QImage print = BuildSheetImage(Job(), 0, SheetFormats(), m_folder);
    ASSERT_EQ(print.size(), QSize(40, 20));
    EXPECT_EQ(RgbAt(print, 5, 5), 0xFF0000u);
    for (const int layout : {1, 2, -1}) {
        const QImage image = BuildSheetImage(Job(), layout, SheetFormats(), m_folder);
        ASSERT_EQ(image.size(), QSize(40, 20)) << layout;
        EXPECT_EQ(RgbAt(image, 5, 5), 0x0000FFu) << layout;
    }
}

TEST_F(RecordSheetBlock, AnOverrideTakesEffectAtTheNextExportAndRemovingItRestoresTheBuiltIn)
{
    const QSize builtIn = BuildSheetImage(Job(), 1, SheetFormats(), m_folder).size();
    WriteOverride("Jpeg.zel", Small(Qt::green));
    EXPECT_EQ(BuildSheetImage(Job(), 1, SheetFormats(), m_folder).size(), QSize(40, 20));
    std::filesystem::remove(m_folder + "Jpeg.zel");
    EXPECT_EQ(BuildSheetImage(Job(), 1, SheetFormats(), m_folder).size(), builtIn);
}

TEST_F(RecordSheetBlock, TheJpegExportWritesTheImageLayoutSheet)
{
    SheetLayout layout = Small(Qt::white);
    layout.Items.push_back(SheetArmourBox{11, 0xFFFFFF, 0x000000, {0, 0, 20, 20}});
    WriteOverride("Jpeg.zel", layout);
    WriteOverride("Print.zel", Small(Qt::red));
    const std::string file = m_folder + "sheet.jpg";
    SaveSheetJpeg(Job(), file, SheetFormats(), m_folder);
    DecodedJpeg decoded;
    ASSERT_TRUE(DecodeJpeg(ReadWholeFile(file), decoded));
    EXPECT_EQ(decoded.Width, 40);
    EXPECT_EQ(decoded.Height, 20);
    EXPECT_LT(decoded.At(5, 10) & 0xFF, 0x30u) << "armour 10 is below the box's threshold 11";
    EXPECT_GT(decoded.At(30, 10) & 0xFF, 0xD0u);
}

TEST_F(RecordSheetBlock, AFailedExportWritesNothingAndKeepsAnExistingFile)
{
    const std::string file = m_folder + "sheet.jpg";
    // an override that is not a container
    WriteFileAtomically(m_folder + "Jpeg.zel", std::string("not a container"));
    EXPECT_THROW(SaveSheetJpeg(Job(), file, SheetFormats(), m_folder), FileError);
    EXPECT_FALSE(std::filesystem::exists(file));

    // a label whose row number is not a number
    SheetLayout layout = Small(Qt::white);
    layout.Items.push_back(Label("|WEPNAMEone|", SheetAlignment::Left, 8, false, {0, 0, 20, 40}));
    WriteOverride("Jpeg.zel", layout);
    WriteFileAtomically(file, std::string("previous"));
    EXPECT_THROW(SaveSheetJpeg(Job(), file, SheetFormats(), m_folder), FileError);
    const std::vector<uint8_t> kept = ReadWholeFile(file);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "previous");

    // a layout cut inside its background
    std::vector<uint8_t> cut = SheetLayoutBytes(Small(Qt::white));
    cut.resize(30);
    WriteFileAtomically(m_folder + "Jpeg.zel", CompressBytes(cut));
    EXPECT_THROW(SaveSheetJpeg(Job(), file, SheetFormats(), m_folder), FileError);
    EXPECT_EQ(ReadWholeFile(file), kept);
}

TEST_F(RecordSheetBlock, AFaultOfAnOverrideLayoutNamesTheFileAndOneOfTheDesignDoesNot)
{
    const std::string override = "The override file \"" + m_folder + "Jpeg.zel\": ";
    const auto failure = [&](const PrintJob &job) -> std::string {
        try {
            BuildSheetImage(job, 1, SheetFormats(), m_folder);
        } catch (const FileError &e) {
            return e.Utf8();
        }
        return "drawn";
    };
    SheetLayout notBitmap = Small(Qt::white);
    notBitmap.Background = {'P', 'K', 3, 4};
    WriteOverride("Jpeg.zel", notBitmap);
    EXPECT_EQ(failure(Job()), override + "Not a usable bitmap: it is not a bitmap");

    SheetLayout badToken = Small(Qt::white);
    badToken.Items.push_back(Label("|WEPNAMEx|", SheetAlignment::Left, 8, false, {0, 0, 20, 40}));
    WriteOverride("Jpeg.zel", badToken);
    EXPECT_EQ(failure(Job()), override + "'x' is not a valid integer value");

    // the same token brought in by the design's name is the design's
    SheetLayout name = Small(Qt::white);
    name.Items.push_back(Label("|NAME|", SheetAlignment::Left, 8, false, {0, 0, 20, 40}));
    WriteOverride("Jpeg.zel", name);
    PrintJob job = Job();
    job.Name = "|WEPNAMEx|";
    EXPECT_THROW(BuildSheetImage(job, 1, SheetFormats(), m_folder), ConvertError);
}

} // namespace aw
