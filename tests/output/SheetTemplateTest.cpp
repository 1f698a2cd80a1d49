#include "tests/support/SampleSheetJobs.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"

#include "base/Stream.h"
#include "codec/LzhCompressor.h"
#include "output/SheetTemplate.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace aw {

using namespace sheettest;

namespace {

class SheetTemplateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_savedFolder = ProgramFolder();
        SetProgramFolder(m_folder);
    }
    void TearDown() override { SetProgramFolder(m_savedFolder); }
    void WriteOverride(const std::string &name, const std::string &content)
    {
        WriteFileAtomically(m_folder + name, CompressBytes(std::span(reinterpret_cast<const uint8_t *>(content.data()),
                                                                     content.size())));
    }

    TempFolder m_temp;
    const std::string m_folder = m_temp.Path().string() + "/";
    std::string m_savedFolder;
};

std::string StreamText(const Stream &stream) { return std::string(stream.Bytes().begin(), stream.Bytes().end()); }

} // namespace

TEST_F(SheetTemplateTest, BuiltInTemplatesAreTheTemplateFiles)
{
    EXPECT_EQ(SheetTemplate(SheetKind::Text), TextTemplate());
    EXPECT_EQ(SheetTemplate(SheetKind::Html), HtmlTemplate());
    const Stream text = BuildTextSheet(FullSheetJob());
    EXPECT_EQ(text.Position(), 0);
    EXPECT_EQ(StreamText(text), ReadText(AW_TEST_DATA_DIR "/sheets/full-design.txt"));
}

TEST_F(SheetTemplateTest, OverrideFileTakesEffectAtTheNextExportAndRemovingItRestoresTheBuiltIn)
{
    WriteOverride("Text.zel", "Only |NAME|");
    WriteOverride("html.zel", "<b>|NAME|</b>");
    PrintJob job = FullSheetJob();
    job.Name = "R&D";
    EXPECT_EQ(StreamText(BuildTextSheet(job)), "Only R&D");
    EXPECT_EQ(StreamText(BuildHtmlSheet(job)), "<b>R&amp;D</b>");

    std::filesystem::remove(m_folder + "Text.zel");
    EXPECT_EQ(SheetTemplate(SheetKind::Text), TextTemplate());
}

TEST_F(SheetTemplateTest, DamagedOverrideEndsTheExportWithoutWriting)
{
    WriteFileAtomically(m_folder + "Text.zel", std::string("not a container"));
    const std::string target = m_folder + "sheet.txt";
    WriteFileAtomically(target, std::string("old sheet"));
    EXPECT_THROW(SaveSheet(SheetKind::Text, target, FullSheetJob()), FileError);
    EXPECT_EQ(ReadText(target), "old sheet");
}

} // namespace aw
