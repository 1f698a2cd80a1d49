// Every checked-in fuzz input (seeds and past findings) replayed through its target's entry
// function, so a fixed finding stays fixed without libFuzzer.
#include "HardeningSupport.h"

#include "base/Files.h"
#include "fuzz/entries/FuzzEntries.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace aw {

namespace {

namespace fs = std::filesystem;

TEST(CorpusReplay, EveryTargetHasACorpusAndEveryInputPasses)
{
    int replayed = 0;
    for (const FuzzTarget &target : FuzzTargets()) {
        const fs::path folder = fs::path(AW_FUZZ_CORPUS_DIR) / target.Name;
        ASSERT_TRUE(fs::is_directory(folder)) << "no corpus for " << target.Name;
        int files = 0;
        for (const fs::directory_entry &entry : fs::directory_iterator(folder)) {
            if (!entry.is_regular_file())
                continue;
            const std::vector<uint8_t> input = ReadWholeFile(entry.path().string());
            const hardening::CpuTimer timer;
            EXPECT_NO_THROW(target.Entry(input)) << target.Name << ": " << entry.path().filename();
            // The fuzzers count an input that runs 2 s as a finding; the replay counts processor
            // time only, with a wider bound, so a busy machine does not fail it.
            EXPECT_LT(timer.Elapsed(), hardening::kCaseCpuLimit) << target.Name << ": " << entry.path().filename();
            ++files;
        }
        EXPECT_GT(files, 0) << "empty corpus for " << target.Name;
        replayed += files;
    }
    std::printf("replayed %d corpus inputs\n", replayed);
}

// The entries must tell a finding from documented bad data, or a replay proves nothing.
TEST(CorpusReplay, EntriesAcceptDocumentedBadData)
{
    const std::vector<uint8_t> garbage = {'!', 'H', 'Z', 'L', 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3};
    for (const FuzzTarget &target : FuzzTargets())
        EXPECT_NO_THROW(target.Entry(garbage)) << target.Name;
    EXPECT_NO_THROW(FuzzContainer({}));
    EXPECT_NO_THROW(FuzzDesignBody({}));
    EXPECT_NO_THROW(FuzzSheetLayout({}));
}

} // namespace

} // namespace aw
