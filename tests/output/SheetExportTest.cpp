#include "tests/support/SampleSheetJobs.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"

#include "base/Files.h"
#include "output/ConvertError.h"
#include "output/SafeFileName.h"
#include "output/SheetExport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace aw {

using namespace sheettest;

namespace {

class SheetExportTest : public ::testing::Test {
protected:
    void TearDown() override { SetWriteFaultInjector({}); }
    std::string Path(const std::string &name) const { return m_folder / name; }

    TempFolder m_folder;
};

} // namespace

TEST(SafeFileName, RemovesTheCharactersAFileNameCannotHold)
{
    EXPECT_EQ(SafeFileName("A<B>: \"C\" | D/E\\F*G?"), "AB C  DEFG");
    EXPECT_EQ(SafeFileName("Rhino Mk. II (2)"), "Rhino Mk. II (2)");
    EXPECT_EQ(SafeFileName("|||"), "");
    EXPECT_EQ(SafeFileName(std::string("Nul\0Tank\r\nII\t\x7F", 14)), "NulTankII");
}

TEST(SafeFileName, FitsTheFileNameLimitWithoutSplittingACharacter)
{
    EXPECT_EQ(FittedFileName("Tiger Mk.II", ".vkd"), "Tiger Mk.II.vkd");
    std::string accents;
    for (int i = 0; i < 200; ++i)
        accents += "\u00E9";
    // 251 bytes are left beside ".vkd": the 126th "é" would end past them
    EXPECT_EQ(FittedFileName(accents, ".vkd"), accents.substr(0, 250) + ".vkd");
    EXPECT_EQ(FittedFileName(std::string(300, 'a'), ".txt"), std::string(251, 'a') + ".txt");
}

TEST_F(SheetExportTest, WritesTheWholeSheetReplacingAnOldFile)
{
    const std::string target = Path("Rhino.txt");
    WriteFileAtomically(target, std::string("an older, longer sheet that must disappear completely"));
    SaveSheet(SheetKind::Text, target, "Name: |NAME|\r\n", FullSheetJob());
    EXPECT_EQ(ReadText(target), "Name: Rhino Mk II\r\n");

    const std::string page = Path("Rhino.html");
    PrintJob job = FullSheetJob();
    job.Name = "A&B";
    SaveSheet(SheetKind::Html, page, "<p>|NAME|</p>", job);
    EXPECT_EQ(ReadText(page), "<p>A&amp;B</p>");
}

TEST_F(SheetExportTest, TemplateErrorLeavesNoFileAndKeepsAnOldOne)
{
    const std::string fresh = Path("new.txt");
    EXPECT_THROW(SaveSheet(SheetKind::Text, fresh, "|NAME| |TVx|", FullSheetJob()), ConvertError);
    EXPECT_FALSE(FileExists(fresh));

    const std::string old = Path("old.html");
    WriteFileAtomically(old, std::string("old sheet"));
    EXPECT_THROW(SaveSheet(SheetKind::Html, old, "|NAME| |COSTabc|", FullSheetJob()), ConvertError);
    EXPECT_EQ(ReadText(old), "old sheet");
    EXPECT_EQ(m_folder.EntryCount(), 1u) << "no temporary file is left";
}

TEST_F(SheetExportTest, FailedWriteKeepsTheOldFile)
{
    const std::string old = Path("old.txt");
    WriteFileAtomically(old, std::string("old sheet"));
    SetWriteFaultInjector([] { return false; });
    EXPECT_THROW(SaveSheet(SheetKind::Text, old, TextTemplate(), FullSheetJob()), FileError);
    SetWriteFaultInjector({});
    EXPECT_EQ(ReadText(old), "old sheet");
    EXPECT_EQ(m_folder.EntryCount(), 1u);
}

} // namespace aw
