// Damaged design files: every prefix of the body and of the file, every single-bit flip in the
// file's first 4 KB and random mutations, for every sample design. The loader must report an
// error or yield a design that passes the checks on accepted designs (it saves and loads back
// to itself, the editor can settle it and the sheets can be made), never crash, never throw
// anything else and never run away (a processor-time bound per case). Each sweep runs
// once per sample, a ctest entry each. The single-bit flips, tens of thousands,
// check accepted designs for the round trip only; the other sweeps check them fully.
#include "HardeningSupport.h"

#include "base/AsciiCase.h"
#include "base/Files.h"
#include "codec/LzhCompressor.h"
#include "engine/DesignFile.h"
#include "fuzz/entries/DesignChecks.h"
#include "storage/CustomWeaponFile.h"
#include "tests/support/SampleDesigns.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"
#include "weapons/WeaponTexts.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

constexpr int kMutations = 10000; // per design, of the file and of the body each
constexpr size_t kFlippedBytes = 4096;
constexpr size_t kParts = 4; // the long sweeps of each design run in this many parts

struct Form {
    std::string Name;
    std::vector<uint8_t> Body;
    std::vector<uint8_t> File;
};

std::vector<Form> SampleForms()
{
    std::vector<Form> Forms;
    for (const samples::SampleDesign &design : samples::SampleDesigns()) {
        std::vector<uint8_t> body = BodyOf(*design.Design);
        Forms.push_back({design.Name, body, CompressBytes(body)});
    }
    const std::vector<uint8_t> old = samples::Version6Body();
    Forms.push_back({"version-6", old, CompressBytes(old)});
    return Forms;
}

const std::vector<Form> &Forms()
{
    static const std::vector<Form> all = SampleForms();
    return all;
}

// Tallies the outcomes of one sweep.
struct Tally {
    int Errors = 0;
    int Designs = 0;

    // Runs one case; returns true when a design was read.
    bool Run(const std::function<std::string()> &load, const std::string &what)
    {
        const hardening::CpuTimer timer;
        std::string error;
        try {
            error = load();
        } catch (const std::exception &e) {
            ADD_FAILURE() << what << ": unexpected " << e.what();
            return false;
        }
        EXPECT_LT(timer.Elapsed(), hardening::kCaseCpuLimit) << what;
        (error.empty() ? Designs : Errors)++;
        return error.empty();
    }
};

std::string FromBody(std::span<const uint8_t> bytes) { return fuzzcheck::LoadDesignBody(bytes); }
std::string FromFile(std::span<const uint8_t> bytes) { return fuzzcheck::OpenDesignBytes(bytes); }

TEST(CorruptionSweep, SamplesCoverEveryKindOfContent)
{
    ASSERT_GE(Forms().size(), 10u);
    for (const Form &form : Forms()) {
        EXPECT_EQ(FromBody(form.Body), "") << form.Name;
        EXPECT_EQ(FromFile(form.File), "") << form.Name;
    }
}

// The sweeps over one sample form each.
class CorruptionSweepOf : public testing::TestWithParam<size_t> {
protected:
    const Form &CurrentForm() const { return Forms()[GetParam()]; }
};

TEST_P(CorruptionSweepOf, EveryShorterBodyIsReportedAsDamaged)
{
    const Form &form = this->CurrentForm();
    Tally tally;
    for (size_t n = 0; n < form.Body.size(); ++n) {
        const std::span<const uint8_t> prefix(form.Body.data(), n);
        EXPECT_FALSE(tally.Run([&] { return FromBody(prefix); }, form.Name + " body prefix " + std::to_string(n)))
            << "a body cut to " << n << " of " << form.Body.size() << " bytes was read as a design";
    }
    EXPECT_EQ(tally.Errors, static_cast<int>(form.Body.size())) << form.Name;
}

TEST_P(CorruptionSweepOf, EveryShorterFileIsReportedAsDamaged)
{
    // The codec reads missing bits as zeros; a design file cut short anywhere must still not
    // open as some other design.
    const Form &form = this->CurrentForm();
    Tally tally;
    for (size_t n = 0; n < form.File.size(); ++n) {
        const std::span<const uint8_t> prefix(form.File.data(), n);
        EXPECT_FALSE(tally.Run([&] { return FromFile(prefix); }, form.Name + " file prefix " + std::to_string(n)))
            << form.Name << ": a file cut to " << n << " of " << form.File.size() << " bytes opened";
    }
}

TEST(CorruptionSweep, CutOffFilesOnDiskAreReportedAsDamaged)
{
    TempFolder folder;
    const std::vector<samples::SampleDesign> designs = samples::SampleDesigns();
    const std::string path = folder / "cut.vkd";
    for (const samples::SampleDesign &design : designs) {
        SaveDesignFile(*design.Design, path);
        const std::vector<uint8_t> whole = ReadWholeFile(path);
        for (size_t cut : {size_t{1}, size_t{2}, size_t{8}, size_t{40}}) {
            if (cut >= whole.size())
                continue;
            hardening::PutFile(path,
                               std::vector<uint8_t>(whole.begin(), whole.end() - static_cast<std::ptrdiff_t>(cut)));
            try {
                LoadDesignFile(path);
                ADD_FAILURE() << design.Name << " cut by " << cut << " bytes opened";
            } catch (const DesignFileError &e) {
                EXPECT_EQ(e.Reason(), DesignFileError::Failure::Damaged) << design.Name;
                EXPECT_NE(std::string(e.what()).find("cut.vkd"), std::string::npos) << e.what();
            }
        }
    }
}

TEST(CorruptionSweep, CutOffCustomWeaponFileIsRefused)
{
    TempFolder folder;
    BaseWeaponList custom;
    for (int i = 0; i < 5; ++i) {
        WeaponRecord record = DefaultWeaponRecord();
        record.Name = "Custom " + std::to_string(i);
        record.WeaponType = kCustomWeaponType;
        record.Rating = 10 + i;
        custom.Add(record);
    }
    SaveCustomWeaponFile(custom, folder.Folder());
    const std::string path = folder / kCustomWeaponFile;
    const std::vector<uint8_t> whole = ReadWholeFile(path);
    ASSERT_EQ(ReadCustomWeaponFile(folder.Folder()).size(), 5u);
    hardening::PutFile(path, std::vector<uint8_t>(whole.begin(), whole.end() - 1));
    EXPECT_THROW(ReadCustomWeaponFile(folder.Folder()), LZHException);
}

// The long sweeps over one part of one sample form each.
class CorruptionSweepPart : public testing::TestWithParam<size_t> {
protected:
    const Form &CurrentForm() const { return Forms()[GetParam() / kParts]; }
    size_t Part() const { return GetParam() % kParts; }
    // This part's share of 0 .. count.
    size_t PartBegin(size_t count) const { return count * Part() / kParts; }
    size_t PartEnd(size_t count) const { return count * (Part() + 1) / kParts; }
};

TEST_P(CorruptionSweepPart, EveryBitFlipInTheFirst4KBIsReportedOrReadable)
{
    const Form &form = this->CurrentForm();
    Tally tally;
    std::vector<uint8_t> file = form.File;
    const size_t flipped = std::min(file.size(), kFlippedBytes);
    for (size_t i = PartBegin(flipped); i < PartEnd(flipped); ++i)
        for (int bit = 0; bit < 8; ++bit) {
            file[i] ^= static_cast<uint8_t>(1u << bit);
            tally.Run([&] { return fuzzcheck::OpenDesignBytes(file, fuzzcheck::DesignCheck::RoundTrip); },
                      form.Name + " flip " + std::to_string(i) + "." + std::to_string(bit));
            file[i] ^= static_cast<uint8_t>(1u << bit);
        }
    // A flip in the magic or the size is always caught.
    if (Part() == 0) {
        EXPECT_GE(tally.Errors, 8 * 8) << form.Name;
    }
    RecordProperty(form.Name + "_flip_designs", tally.Designs);
}

TEST_P(CorruptionSweepPart, RandomMutationsAreReportedOrReadable)
{
    const Form &form = this->CurrentForm();
    hardening::Mutator mutator(std::hash<std::string>()(form.Name) + Part());
    Tally fileTally, bodyTally;
    for (size_t i = PartBegin(kMutations); i < PartEnd(kMutations); ++i) {
        const std::vector<uint8_t> file = mutator.Mutate(form.File);
        fileTally.Run([&] { return FromFile(file); }, form.Name + " file mutation " + std::to_string(i));
        const std::vector<uint8_t> body = mutator.Mutate(form.Body);
        bodyTally.Run([&] { return FromBody(body); }, form.Name + " body mutation " + std::to_string(i));
    }
    EXPECT_GT(fileTally.Errors, 0) << form.Name;
    EXPECT_GT(bodyTally.Errors, 0) << form.Name;
}

// A sample's name as a test name ("custom-weapons" gives "custom_weapons").
std::string TestName(std::string name)
{
    for (char &c : name)
        if (!(ascii::IsUpper(c) || ascii::IsLower(c) || (c >= '0' && c <= '9')))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Samples, CorruptionSweepOf, testing::Range(size_t{0}, Forms().size()),
                         [](const testing::TestParamInfo<size_t> &info) { return TestName(Forms()[info.param].Name); });
INSTANTIATE_TEST_SUITE_P(Samples, CorruptionSweepPart, testing::Range(size_t{0}, Forms().size() * kParts),
                         [](const testing::TestParamInfo<size_t> &info) {
                             return TestName(Forms()[info.param / kParts].Name) + "_part" +
                                    std::to_string(info.param % kParts + 1);
                         });

} // namespace

namespace {

TEST(CutOffStream, LenientDecodingCompletesWithZerosWholeDecodingRefuses)
{
    // Ten "a": the literal, then a match of 9 at distance 1; the last two coded bytes are zero.
    const std::vector<uint8_t> whole = CompressBytes(std::vector<uint8_t>(10, 'a'));
    ASSERT_EQ(whole.size(), 12u);
    const std::vector<uint8_t> cut(whole.begin(), whole.end() - 2);
    EXPECT_EQ(DecompressBytes(cut), std::vector<uint8_t>(10, 'a'));
    EXPECT_EQ(DecompressWholeBytes(whole), std::vector<uint8_t>(10, 'a'));
    try {
        DecompressWholeBytes(cut);
        ADD_FAILURE() << "a cut-off stream was completed";
    } catch (const LZHException &e) {
        EXPECT_STREQ(e.what(), lzhmsg::kSizeMismatch);
    }
    // Nothing coded at all is still fine when nothing is to be produced.
    EXPECT_TRUE(DecompressWholeBytes(CompressBytes(std::vector<uint8_t>{})).empty());
}

} // namespace

} // namespace aw
