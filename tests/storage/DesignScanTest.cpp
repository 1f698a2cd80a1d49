#include "tests/support/SampleDesigns.h"
#include "tests/support/TempFolder.h"

#include "base/CalculationLog.h"
#include "base/Files.h"
#include "engine/DesignFile.h"
#include "engine/OpenedDesign.h"
#include "storage/DesignScan.h"

#include <gtest/gtest.h>

#include <thread>

namespace aw {

namespace {

namespace fs = std::filesystem;

// A folder of designs: two good ones (one two folders down, its extension in capitals), a
// damaged one and a file that is no design.
class DesignScan : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(m_folder.Path() / "sub" / "deeper");
        SaveDesignFile(*SmallDesign("Alpha"), m_alpha);
        SaveDesignFile(*SmallDesign("Bravo", 9), m_bravo);
        const std::vector<uint8_t> whole = ReadWholeFile(m_alpha);
        WriteFileAtomically(m_broken, std::vector<uint8_t>(whole.begin(), whole.begin() + whole.size() / 2));
        WriteFileAtomically(m_folder / "notes.txt", std::string("not a design"));
    }
    DesignScanResult scan() { return SummarizeDesignFiles(FindDesignFiles({m_folder.Path()}), m_cache); }

    TempFolder m_folder;
    const std::string m_alpha = m_folder / "alpha.vkd";
    const std::string m_broken = m_folder / "sub/broken.vkd";
    const std::string m_bravo = m_folder / "sub/deeper/Bravo.VKD";
    DesignSummaryCache m_cache;
};

} // namespace

TEST_F(DesignScan, ListsDesignsAtAnyDepthWithDamagedFilesAsRows)
{
    const DesignScanResult result = scan();
    EXPECT_FALSE(result.Cancelled);
    EXPECT_EQ(result.FilesRead, 3u);
    ASSERT_EQ(result.Summaries.size(), 3u);
    EXPECT_EQ(result.Summaries[0].File, m_alpha);
    EXPECT_EQ(result.Summaries[1].File, m_broken);
    EXPECT_EQ(result.Summaries[2].File, m_bravo);

    const DesignSummary &bravo = result.Summaries[2];
    std::unique_ptr<Vehicle> opened = LoadDesignFile(m_bravo).Design;
    const DesignResults settled = SettleOpenedDesign(*opened);
    EXPECT_EQ(bravo.Error, "");
    EXPECT_EQ(bravo.Name, "Bravo");
    EXPECT_EQ(bravo.Outcome.Results.ThreatValue, settled.ThreatValue);
    EXPECT_EQ(bravo.Outcome.Results.FinalCost, settled.FinalCost);
    EXPECT_EQ(bravo.MovementModes, "Ground");
    EXPECT_EQ(bravo.WeaponCount, 1);
    EXPECT_EQ(bravo.FileSize, fs::file_size(m_bravo));

    const DesignSummary &broken = result.Summaries[1];
    EXPECT_NE(broken.Error.find("broken.vkd"), std::string::npos) << broken.Error;
    EXPECT_EQ(broken.Name, "");
    EXPECT_EQ(broken.FileSize, fs::file_size(m_broken));

    const DesignSummary missing = SummarizeDesignFile(m_folder / "gone.vkd");
    EXPECT_NE(missing.Error, "");
    EXPECT_EQ(missing.FileSize, 0u);

#if defined(__unix__)
    // A link whose design is gone is a row too; a link to a folder is not followed.
    fs::create_symlink(m_folder / "nowhere.vkd", m_folder / "sub/gone.vkd");
    fs::create_directory_symlink(m_folder.Path(), m_folder / "sub/loop");
    const std::vector<fs::path> files = FindDesignFiles({m_folder.Path()});
    EXPECT_EQ(files,
              (std::vector<fs::path>{m_alpha, m_broken, m_folder / "sub/deeper/Bravo.VKD", m_folder / "sub/gone.vkd"}));
#endif
}

TEST_F(DesignScan, ARescanReadsOnlyFilesWhoseSizeOrTimeChanged)
{
    scan();
    EXPECT_EQ(scan().FilesRead, 0u);

    // Same size, same time, other bytes: the cache still answers, so nothing was read.
    const fs::file_time_type time = fs::last_write_time(m_alpha);
    WriteFileAtomically(m_alpha, std::vector<uint8_t>(fs::file_size(m_alpha), 0));
    fs::last_write_time(m_alpha, time);
    DesignScanResult result = scan();
    EXPECT_EQ(result.FilesRead, 0u);
    EXPECT_EQ(result.Summaries[0].Name, "Alpha");

    fs::last_write_time(m_alpha, time + std::chrono::seconds(2));
    SaveDesignFile(*SmallDesign("Bravo the second"), m_bravo);
    result = scan();
    EXPECT_EQ(result.FilesRead, 2u);
    EXPECT_NE(result.Summaries[0].Error, "");
    EXPECT_EQ(result.Summaries[2].Name, "Bravo the second");

    m_cache.KeepOnly({m_alpha}); // the others as if they had gone
    EXPECT_EQ(scan().FilesRead, 2u);
}

TEST_F(DesignScan, ReportsProgressAndStopsWhenCancelled)
{
    const std::vector<fs::path> files = FindDesignFiles({m_folder.Path()});
    std::vector<std::size_t> done;
    DesignScanControl control;
    control.Progress = [&](std::size_t count, std::size_t total) {
        EXPECT_EQ(total, 3u);
        done.push_back(count);
    };
    EXPECT_EQ(SummarizeDesignFiles(files, m_cache, control).Summaries.size(), 3u);
    EXPECT_EQ(done, (std::vector<std::size_t>{1, 2, 3}));

    const std::atomic<bool> cancel = true;
    control.Cancel = &cancel;
    const DesignScanResult cancelled = SummarizeDesignFiles(files, m_cache, control);
    EXPECT_TRUE(cancelled.Cancelled);
    EXPECT_TRUE(cancelled.Summaries.empty());
}

// The editor's log window collects on the UI thread while the library scans on others.
TEST_F(DesignScan, DesignsSummarizedOnOtherThreadsWriteNothingIntoThisThreadsLog)
{
    LogLines lines;
    const ScopedCalculationLog log(lines);
    std::thread([this] { EXPECT_EQ(scan().Summaries.size(), 3u); }).join();
    EXPECT_TRUE(lines.empty()) << lines.size() << " lines, the first: " << lines.front();
}

} // namespace aw
