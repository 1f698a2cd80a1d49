#include "engine/DesignFile.h"
#include "tests/support/SampleDesigns.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"

#include "base/Files.h"
#include "base/Stream.h"
#include "codec/LzhCompressor.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "weapons/WeaponList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace aw {

namespace {

LoadedDesign Load(const std::vector<uint8_t> &body)
{
    Stream stream(body);
    return LoadFromStream(stream, "test.vkd");
}

// Makes a 2 x 2 24-bit bitmap one of 1 bit, its pixels at pixelOffset, colourCount colours.
std::vector<uint8_t> OneBit(std::vector<uint8_t> bitmap, uint32_t pixelOffset, uint32_t colourCount)
{
    bytes::PutInt16(bitmap.data() + 28, 1);
    bytes::PutUInt32(bitmap.data() + 10, pixelOffset);
    bytes::PutUInt32(bitmap.data() + 46, colourCount);
    return bitmap;
}

// Offsets in the fixed part of the body.
constexpr size_t kCustomProduction = 3562;
constexpr size_t kPictureFlag = 3627;

} // namespace

TEST(DesignFileBody, FixedPartLayout)
{
    const auto v = GrizzlyDesign();
    const std::vector<uint8_t> body = BodyOf(*v);
    const uint8_t *p = body.data();
    EXPECT_EQ(bytes::GetInt32(p), 7);
    EXPECT_EQ(bytes::GetShortString(p + 4, 250), "Grizzly Mk II");
    EXPECT_EQ(bytes::GetShortString(p + 4 + 251, 250), "Tank");
    EXPECT_EQ(bytes::GetShortString(p + 4 + 11 * 251, 250), "Ursine Works");
    EXPECT_EQ(bytes::GetShortString(p + 4 + 12 * 251, 250), std::string(250, 'A'));
    EXPECT_EQ(bytes::GetInt32(p + 3267), 3);
    EXPECT_EQ(bytes::GetShortString(p + 3271, 250), "12");
    const int32_t ratings[] = {3, 24, -1, 2, 1, 500, 9, 1, -2, 7};
    for (size_t i = 0; i < 10; ++i)
        EXPECT_EQ(bytes::GetInt32(p + 3522 + 4 * i), ratings[i]) << "rating " << i;
    EXPECT_EQ(bytes::GetInt32(p + kCustomProduction), 0);
    EXPECT_EQ(bytes::GetInt32(p + kCustomProduction + 4), 0);
    EXPECT_EQ(bytes::GetInt32(p + kCustomProduction + 8), -1);
    EXPECT_EQ(bytes::GetInt32(p + kCustomProduction + 12), 4);
    EXPECT_EQ(bytes::GetDouble(p + kCustomProduction + 16), 2.5);
    EXPECT_EQ(bytes::GetShortString(p + 3586, 16), "Crowns");
    EXPECT_EQ(bytes::GetDouble(p + 3603), 4.5);
    EXPECT_EQ(bytes::GetDouble(p + 3611), 20.0);
    EXPECT_EQ(bytes::GetDouble(p + 3619), 0.75);
    EXPECT_EQ(p[kPictureFlag], 1);
    EXPECT_EQ(bytes::GetInt32(p + 3628), 70);
    EXPECT_EQ(std::vector<uint8_t>(p + 3632, p + 3632 + 70), TinyBitmap(2, 2));
    EXPECT_EQ(bytes::GetInt32(p + 3702), 3); // movement count right behind the picture
}

TEST(DesignFileBody, WithoutPictureNoLengthFollowsAndEmptyTextsHaveNoBytes)
{
    Vehicle v;
    const std::vector<uint8_t> body = BodyOf(v);
    EXPECT_EQ(body[kPictureFlag], 0);
    // flag, movement count, three empty texts, three empty perk lists, no weapons.
    ASSERT_EQ(body.size(), kPictureFlag + 1 + 4 + 3 * 4 + 3 * 4 + 4);
    for (size_t i = kPictureFlag + 1; i < body.size(); ++i)
        EXPECT_EQ(body[i], 0) << i;
    EXPECT_EQ(bytes::GetDouble(body.data() + 3619), 1.0); // a new design's currency multiplier
}

TEST(DesignFileBody, RoundTripKeepsEverything)
{
    const auto original = GrizzlyDesign();
    const std::vector<uint8_t> body = BodyOf(*original);
    const LoadedDesign loaded = Load(body);
    ASSERT_TRUE(loaded.Design);
    EXPECT_EQ(loaded.Warning, "");
    const Vehicle &v = *loaded.Design;
    EXPECT_EQ(v.Name, original->Name);
    EXPECT_EQ(v.Affiliation, original->Affiliation);
    EXPECT_EQ(v.ArmorThickness, "120 mm");
    EXPECT_EQ(v.SizeType, SizeTypeCarriage);
    EXPECT_EQ(v.CustomProduction.CustomIndivDice, 4);
    EXPECT_EQ(v.Picture, TinyBitmap(2, 2));
    EXPECT_EQ(*v.Movement, *original->Movement);
    EXPECT_EQ(v.Description, original->Description);
    EXPECT_EQ(v.Extra, original->Extra);
    EXPECT_EQ(*v.Perks, *original->Perks);
    EXPECT_EQ(*v.Flaws, *original->Flaws);
    EXPECT_EQ(*v.Defects, *original->Defects);
    ASSERT_EQ(v.Weapons->Count(), 2);
    EXPECT_EQ(v.Weapons->Get(0), original->Weapons->Get(0));
    EXPECT_EQ(v.Weapons->Get(1), original->Weapons->Get(1));
    EXPECT_EQ(v.Weapons->Get(0).Clips.Get(1).ClipCount, 3);
    EXPECT_EQ(v.FileVersion, 7);
    EXPECT_EQ(BodyOf(v), body);
    // The loaded lists are bound to the new design, not to the one that was saved.
    EXPECT_EQ(v.Perks->VehicleData().ArmorValue, 24);
}

TEST(DesignFileBody, BytesWithoutMeaningAreRewrittenAsZeros)
{
    const auto original = GrizzlyDesign();
    const std::vector<uint8_t> clean = BodyOf(*original);
    std::vector<uint8_t> dirty = clean;
    // Junk after the text of Name, in the custom production slots and after the currency name.
    for (size_t i = 4 + 1 + 13; i < 4 + 251; ++i)
        dirty[i] = 0xEE;
    for (size_t i = kCustomProduction; i < kCustomProduction + 8; ++i)
        dirty[i] = 0x5A;
    dirty[3586 + 1 + 6] = 'Q';
    const LoadedDesign loaded = Load(dirty);
    EXPECT_EQ(loaded.Design->CustomProduction.CustomName, "");
    EXPECT_EQ(loaded.Design->CurrencyName, "Crowns");
    EXPECT_EQ(BodyOf(*loaded.Design), clean);
}

TEST(DesignFileBody, EveryTruncationIsReportedAsDamage)
{
    const std::vector<uint8_t> body = BodyOf(*GrizzlyDesign());
    for (size_t length = 0; length < body.size(); ++length) {
        Stream stream(std::vector<uint8_t>(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(length)));
        try {
            LoadFromStream(stream, "cut.vkd");
            ADD_FAILURE() << "a body cut to " << length << " bytes was accepted";
            return;
        } catch (const DesignFileError &e) {
            ASSERT_EQ(e.Reason(), DesignFileError::Failure::Damaged) << length;
            ASSERT_EQ(std::string(e.what()).rfind("\"cut.vkd\" is damaged: ", 0), 0u) << e.what();
        }
    }
}

TEST(DesignFileBody, CountsAndLengthsBeyondTheDataAreDamage)
{
    const std::vector<uint8_t> body = BodyOf(*GrizzlyDesign());
    const size_t pictureLength = kPictureFlag + 1;
    const size_t movementCount = pictureLength + 4 + 70;
    const size_t descriptionLength = movementCount + 4 + 3 * 61;
    for (size_t at : {pictureLength, movementCount, descriptionLength}) {
        for (int32_t claim : {0x7fffffff, 1 << 24}) {
            std::vector<uint8_t> damaged = body;
            bytes::PutInt32(damaged.data() + at, claim);
            try {
                Load(damaged);
                ADD_FAILURE() << "a count of " << claim << " at " << at << " was accepted";
            } catch (const DesignFileError &e) {
                EXPECT_EQ(e.Reason(), DesignFileError::Failure::Damaged);
            }
        }
    }
    std::vector<uint8_t> negativePicture = body;
    bytes::PutInt32(negativePicture.data() + pictureLength, -5);
    try {
        Load(negativePicture);
        ADD_FAILURE() << "a negative picture length was accepted";
    } catch (const DesignFileError &e) {
        EXPECT_NE(std::string(e.what()).find("the picture length is negative"), std::string::npos) << e.what();
    }
}

TEST(DesignFileBody, UnknownVersionMarksAreRefused)
{
    std::vector<uint8_t> body = BodyOf(*GrizzlyDesign());
    for (int32_t version : {0, 5, 8, -7}) {
        bytes::PutInt32(body.data(), version);
        try {
            Load(body);
            ADD_FAILURE() << "version " << version << " was accepted";
        } catch (const DesignFileError &e) {
            EXPECT_EQ(e.Reason(), DesignFileError::Failure::NotADesign);
            EXPECT_EQ(std::string(e.what()).rfind("\"test.vkd\" is not a design file this program can read", 0), 0u);
        }
    }
}

TEST(DesignFileBody, VersionSixClipsHaveNoCountAndLoadAsOne)
{
    const auto design = GrizzlyDesign();
    // The body up to the weapons is the same in both versions.
    auto unarmed = GrizzlyDesign();
    unarmed->Weapons->Clear();
    std::vector<uint8_t> v6 = BodyOf(*unarmed);
    v6.resize(v6.size() - 4);
    bytes::PutInt32(v6.data(), 6);
    Stream weapons(v6);
    weapons.Seek(weapons.Size());
    weapons.WriteInt32(design->Weapons->Count());
    for (int w = 0; w < design->Weapons->Count(); ++w) {
        const Weapon &weapon = design->Weapons->Get(w);
        SaveWeaponRecord(weapons, weapon.Data);
        weapons.WriteInt32(weapon.Clips.Count());
        for (int c = 0; c < weapon.Clips.Count(); ++c) {
            const Clip &clip = weapon.Clips.Get(c);
            weapons.WriteInt32(clip.SectionCount()); // no ClipCount before it
            for (int s = 0; s < clip.SectionCount(); ++s)
                SaveAmmoSection(weapons, clip.GetSection(s));
        }
        weapon.Links.SaveToStream(weapons);
    }

    const LoadedDesign loaded = Load(weapons.Bytes());
    const Vehicle &v = *loaded.Design;
    EXPECT_EQ(v.FileVersion, 6);
    ASSERT_EQ(v.Weapons->Count(), 2);
    const ClipList &clips = v.Weapons->Get(0).Clips;
    ASSERT_EQ(clips.Count(), 2);
    EXPECT_EQ(clips.Get(1).ClipCount, 1);
    EXPECT_EQ(clips.Get(1).GetSection(0), design->Weapons->Get(0).Clips.Get(1).GetSection(0));
    EXPECT_EQ(v.Weapons->Get(1).Links, design->Weapons->Get(1).Links);

    const std::vector<uint8_t> resaved = BodyOf(v);
    EXPECT_EQ(bytes::GetInt32(resaved.data()), 7);
    design->Weapons->Get(0).Clips.Mutable(1)->ClipCount = 1;
    EXPECT_EQ(resaved, BodyOf(*design));
}

TEST(DesignFilePicture, UnreadablePictureIsLeftOutWithAWarning)
{
    const auto design = GrizzlyDesign();
    struct Case {
        const char *What;
        std::function<void(std::vector<uint8_t> &)> spoil;
    };
    const Case cases[] = {
        {"no signature", [](std::vector<uint8_t> &b) { b[0] = 'X'; }},
        {"too wide", [](std::vector<uint8_t> &b) { bytes::PutInt32(b.data() + 18, 16385); }},
        {"too tall top-down", [](std::vector<uint8_t> &b) { bytes::PutInt32(b.data() + 22, -20000); }},
        {"zero width", [](std::vector<uint8_t> &b) { bytes::PutInt32(b.data() + 18, 0); }},
        {"bit count 7", [](std::vector<uint8_t> &b) { bytes::PutInt16(b.data() + 28, 7); }},
        {"pixels past the end", [](std::vector<uint8_t> &b) { bytes::PutInt32(b.data() + 22, 3); }},
        {"pixel offset past the end", [](std::vector<uint8_t> &b) { bytes::PutUInt32(b.data() + 10, 500); }},
        {"unknown header size", [](std::vector<uint8_t> &b) { bytes::PutUInt32(b.data() + 14, 20); }},
        {"header beyond the bytes", [](std::vector<uint8_t> &b) { bytes::PutUInt32(b.data() + 14, 124); }},
        {"only a file header", [](std::vector<uint8_t> &b) { b.resize(14); }},
        {"a header size no reader knows",
         [](std::vector<uint8_t> &b) {
             b.insert(b.begin() + 54, 12, 0);
             bytes::PutUInt32(b.data() + 14, 52);
             bytes::PutUInt32(b.data() + 10, 66);
         }},
        // 2 x 2 pixels of 1 bit: two colours, then two rows of 4 bytes end the 70 bytes
        {"more colours than a table holds", [](std::vector<uint8_t> &b) { b = OneBit(b, 62, 16777215); }},
        {"colours running into the pixels", [](std::vector<uint8_t> &b) { b = OneBit(b, 58, 2); }},
        {"a colour mask of all bits",
         [](std::vector<uint8_t> &b) {
             // 1 x 2 pixels of 32 bits after the red, green and blue masks
             bytes::PutInt32(b.data() + 18, 1);
             bytes::PutInt16(b.data() + 28, 32);
             bytes::PutUInt32(b.data() + 30, 3);
             bytes::PutUInt32(b.data() + 10, 66);
             b.resize(74);
             const uint32_t masks[] = {0xFFFFFFFFu, 0xFF00u, 0xFFu}; // red, green, blue
             for (size_t i = 0; i < 3; ++i)
                 bytes::PutUInt32(b.data() + 54 + 4 * i, masks[i]);
         }},
    };
    for (const Case &c : cases) {
        auto v = GrizzlyDesign();
        std::vector<uint8_t> picture = v->Picture;
        c.spoil(picture);
        v->Picture = std::move(picture);
        const LoadedDesign loaded = Load(BodyOf(*v));
        EXPECT_TRUE(loaded.Design->Picture.empty()) << c.What;
        EXPECT_NE(loaded.Warning.find("\"test.vkd\""), std::string::npos) << c.What << ": " << loaded.Warning;
        // Everything after the picture is still read.
        EXPECT_EQ(*loaded.Design->Movement, *design->Movement) << c.What;
        EXPECT_EQ(loaded.Design->Weapons->Count(), 2) << c.What;
    }

    auto largest = GrizzlyDesign();
    std::vector<uint8_t> row = largest->Picture;
    bytes::PutInt32(row.data() + 18, 16384);
    bytes::PutInt32(row.data() + 22, 1);
    row.resize(54 + 16384 * 3); // one row of 16384 pixels fits exactly
    largest->Picture = std::move(row);
    const LoadedDesign loaded = Load(BodyOf(*largest));
    EXPECT_EQ(loaded.Warning, "");
    EXPECT_EQ(loaded.Design->Picture.size(), 54u + 16384 * 3);

    // A colour more than 1-bit pixels can index: bitmap readers show it all the same.
    auto threeColours = GrizzlyDesign();
    std::vector<uint8_t> threeColourPicture = OneBit(threeColours->Picture, 66, 3);
    threeColourPicture.resize(74);
    threeColours->Picture = threeColourPicture;
    EXPECT_EQ(Load(BodyOf(*threeColours)).Warning, "");
}

TEST(DesignFile, SaveAndOpenThroughTheCompressedFile)
{
    TempFolder folder;
    const std::string path = folder / "grizzly.vkd";
    const auto design = GrizzlyDesign();
    SaveDesignFile(*design, path);
    const std::vector<uint8_t> file = ReadWholeFile(path);
    ASSERT_GE(file.size(), 8u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "!HZL");
    EXPECT_EQ(DecompressBytes(file), BodyOf(*design));

    const LoadedDesign loaded = LoadDesignFile(path);
    EXPECT_EQ(loaded.Design->FileName, path);
    EXPECT_FALSE(loaded.Design->Modified);
    EXPECT_EQ(BodyOf(*loaded.Design), BodyOf(*design));
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(DesignFile, SaveAndOpenInAFolderNamedOutsideAscii)
{
    // Letters of Windows-1252 and two it lacks (dotless i, g with breve): a name that passes
    // through a narrow (code page) system call comes out changed or not at all.
    TempFolder folder;
    const std::filesystem::path named = folder.Path() / u8"Entwürfe" / u8"Çelik ığdır";
    std::filesystem::create_directories(named);
    const std::string path = folder / "Entwürfe/Çelik ığdır/Kaplan çöl.vkd";
    const auto design = GrizzlyDesign();
    SaveDesignFile(*design, path);
    EXPECT_TRUE(std::filesystem::is_regular_file(named / u8"Kaplan çöl.vkd")) << "saved under another name";

    const LoadedDesign loaded = LoadDesignFile(path);
    EXPECT_EQ(loaded.Design->FileName, path);
    EXPECT_EQ(BodyOf(*loaded.Design), BodyOf(*design));
    SaveDesignFile(*loaded.Design, path);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(named), {}), 1) << "a temporary file was left";

    try {
        LoadDesignFile(folder / "Entwürfe/ı.vkd");
        ADD_FAILURE() << "a missing file was opened";
    } catch (const FileError &e) {
        EXPECT_NE(std::string(e.what()).find("Entwürfe/ı.vkd\""), std::string::npos) << e.what();
    }
}

TEST(DesignFile, FilesThatAreNotDesignsOrDamagedNameTheFile)
{
    TempFolder folder;
    const std::string text = folder / "notes.vkd";
    WriteFileAtomically(text, std::string("just some text, not a design"));
    try {
        LoadDesignFile(text);
        ADD_FAILURE() << "a text file was opened";
    } catch (const DesignFileError &e) {
        EXPECT_EQ(e.Reason(), DesignFileError::Failure::NotADesign);
        EXPECT_EQ(std::string(e.what()), "\"notes.vkd\" is not a design file this program can read");
    }

    const std::string empty = folder / "empty.vkd";
    WriteFileAtomically(empty, std::vector<uint8_t>{});
    EXPECT_THROW(LoadDesignFile(empty), DesignFileError);

    std::vector<uint8_t> body = BodyOf(*GrizzlyDesign());
    body.resize(body.size() / 2);
    const std::string half = folder / "half.vkd";
    WriteFileAtomically(half, CompressBytes(body));
    try {
        LoadDesignFile(half);
        ADD_FAILURE() << "half a design was opened";
    } catch (const DesignFileError &e) {
        EXPECT_EQ(e.Reason(), DesignFileError::Failure::Damaged);
        EXPECT_EQ(std::string(e.what()).rfind("\"half.vkd\" is damaged: ", 0), 0u) << e.what();
    }

    // A header claiming gigabytes is refused before anything is decoded.
    std::vector<uint8_t> claiming = CompressBytes(BodyOf(*GrizzlyDesign()));
    bytes::PutUInt32(claiming.data() + 4, 0x80000000u);
    const std::string huge = folder / "huge.vkd";
    WriteFileAtomically(huge, claiming);
    try {
        LoadDesignFile(huge);
        ADD_FAILURE() << "a design claiming 2 GB was opened";
    } catch (const DesignFileError &e) {
        EXPECT_EQ(std::string(e.what()),
                  "\"huge.vkd\" is damaged: it claims 2147483648 bytes of design data, more than a design holds");
    }

    EXPECT_THROW(LoadDesignFile(folder / "missing.vkd"), FileError);
}

TEST(DesignFile, InterruptedSaveLeavesThePreviousFile)
{
    TempFolder folder;
    const std::string path = folder / "keep.vkd";
    Vehicle old;
    old.Name = "Old design";
    SaveDesignFile(old, path);
    const std::vector<uint8_t> before = ReadWholeFile(path);

    const auto design = GrizzlyDesign();
    int writes = 0;
    SetWriteFaultInjector([&writes] {
        ++writes;
        return false; // the disk is full
    });
    EXPECT_THROW(SaveDesignFile(*design, path), FileError);
    SetWriteFaultInjector({});

    EXPECT_GE(writes, 1);
    EXPECT_EQ(ReadWholeFile(path), before);
    EXPECT_EQ(folder.EntryCount(), 1u); // no temporary file left behind
    EXPECT_EQ(LoadDesignFile(path).Design->Name, "Old design");
}

TEST(DesignFileBody, SpoiledBytesGiveADesignOrTheDesignFileError)
{
    const std::vector<uint8_t> body = BodyOf(*GrizzlyDesign());
    std::mt19937 random(1234);
    std::uniform_int_distribution<size_t> position(0, body.size() - 1);
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> spoiled = body;
        const size_t at = position(random);
        for (size_t i = at; i < std::min(at + 4, spoiled.size()); ++i)
            spoiled[i] = static_cast<uint8_t>(random());
        try {
            Load(spoiled);
        } catch (const DesignFileError &) {
        } catch (const std::exception &e) {
            FAIL() << "bytes spoiled at " << at << " gave another error: " << e.what();
        }
    }
}

} // namespace aw
