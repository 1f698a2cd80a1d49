#include "engine/DesignFile.h"

#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/PerkTemplates.h"
#include "engine/Vehicle.h"
#include "engine/base/Files.h"
#include "engine/base/Stream.h"
#include "storage/codec/LzhCompressor.h"
#include "weapons/WeaponList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <unistd.h>

namespace {

// A 2 x 2 bitmap of 24 bits per pixel: file header, info header, two rows of 8 bytes.
std::vector<uint8_t> smallBitmap()
{
    std::vector<uint8_t> bmp(14 + 40 + 16, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    bytes::PutUInt32(bmp.data() + 2, static_cast<uint32_t>(bmp.size()));
    bytes::PutUInt32(bmp.data() + 10, 54);
    bytes::PutUInt32(bmp.data() + 14, 40);
    bytes::PutInt32(bmp.data() + 18, 2);
    bytes::PutInt32(bmp.data() + 22, 2);
    bytes::PutInt16(bmp.data() + 26, 1);
    bytes::PutInt16(bmp.data() + 28, 24);
    for (size_t i = 54; i < bmp.size(); ++i)
        bmp[i] = static_cast<uint8_t>(i * 7);
    return bmp;
}

TMovementRecord movement(const std::string &name, double top, double stall, bool flight, int32_t maneuver)
{
    TMovementRecord r;
    r.ModeName = name;
    r.TopSpeed = top;
    r.StallSpeed = stall;
    r.Flight = flight;
    r.HasStall = stall > 0;
    r.Maneuver = maneuver;
    r.LibraryIndex = 2;
    return r;
}

TPerkRecord perk(const std::string &name, int32_t formula, double x)
{
    TPerkRecord r;
    r.PFDName = name;
    r.WorthFormula = formula;
    r.X = x;
    r.EffectText = name + " effect |X|";
    return r;
}

TAmmoSection section(int32_t amount, int type)
{
    TAmmoSection s = ClearAmmoSection();
    s.Amount = amount;
    s.Selected[static_cast<size_t>(type)] = true;
    s.Allowed[static_cast<size_t>(type)] = true;
    return s;
}

// A design with something in every part of the body.
std::unique_ptr<TVehicle> fullDesign()
{
    auto v = std::make_unique<TVehicle>();
    v->Name = "Grizzly Mk II";
    v->VehicleType = "Tank";
    v->VehicleUse = "Assault";
    v->Height = "3.1";
    v->Length = "7.5";
    v->Width = "3.3";
    v->CombatMass = "42000";
    v->EngineType = "Diesel";
    v->EngineOutput = "1100 kW";
    v->ArmorMaterial = "Ceramic composite";
    v->ArmorThickness = "120 mm";
    v->NumberOnField = "12";
    v->Manufacturer = "Ursine Works";
    v->Affiliation = std::string(250, 'A');
    v->Availability = 3;
    v->Crew = 3;
    v->Armor = 24;
    v->SensorRating = -1;
    v->CommRating = 2;
    v->FireControl = 1;
    v->Deployment = 500;
    v->FinalSize = 9;
    v->SizeType = SizeTypeCarriage;
    v->Maneuver = -2;
    v->ProductionType = 7;
    v->CustomProduction.CustomModelDice = -1;
    v->CustomProduction.CustomIndivDice = 4;
    v->CustomProduction.CustomCostMultiplier = 2.5;
    v->Picture = smallBitmap();
    v->SensorRange = 4.5;
    v->CommRange = 20;
    v->CurrencyMultiplier = 0.75;
    v->CurrencyName = "Crowns";
    v->Movement->Add(movement("Ground", 72, 0, false, 0));
    v->Movement->Add(movement("Hover", 90, 0, false, -1));
    v->Movement->Add(movement("Flight", 600, 150, true, -2));
    v->Description = "First line\r\nSecond line";
    v->History = "";
    v->Extra = std::string("with \xE9 and \0 inside", 19);
    v->Perks->Add(perk("Ablative Armor", 3, 0.5));
    TPerkRecord arm = perk("Battle Arm", 0, 1);
    arm.Amount = 2;
    arm.InsideOTV = true;
    arm.OTVFormula = 8;
    v->Perks->Add(arm);
    v->Flaws->Add(perk("Weak Point", 0, -1));
    v->Defects->Add(DefectTemplates()[0]);
    TPerkRecord minor = DefectTemplates()[4];
    minor.Variant = 3;
    v->Defects->Add(minor);

    TWeaponRecord gun = DefaultWeaponRecord();
    gun.Name = "Heavy Gauss Cannon";
    gun.Code = "HGC";
    gun.Rating = 30;
    gun.AmmoBaseCost = 0.05;
    TWeaponRecord rockets = DefaultWeaponRecord();
    rockets.Name = "Light Rocket Pack/16";
    rockets.Code = "LRP/16";
    v->Weapons->AddRecord(gun);
    v->Weapons->AddRecord(rockets);
    TWeapon &first = v->Weapons->Get(0);
    first.Clips.Mutable(0)->AddSection(section(20, 1));
    first.Clips.Mutable(0)->AddSection(section(10, 3));
    TClip spare;
    spare.ClipCount = 3;
    spare.AddSection(section(30, 2));
    first.Clips.Add(spare);
    v->Weapons->AddLink();
    v->Weapons->AddLink();
    v->Weapons->Get(0).Links.Set(0, true);
    v->Weapons->Get(1).Links.Set(0, true);
    v->Weapons->Get(1).Links.Set(1, true);
    return v;
}

std::vector<uint8_t> bodyOf(const TBaseVehicle &v)
{
    TStream stream;
    SaveToStream(v, stream);
    return stream.Bytes();
}

TLoadedDesign load(const std::vector<uint8_t> &body)
{
    TStream stream(body);
    return LoadFromStream(stream, "test.vkd");
}

// Offsets in the fixed part of the body.
constexpr size_t kCustomProduction = 3562;
constexpr size_t kPictureFlag = 3627;

class TempFolder {
  public:
    TempFolder()
    {
        m_path = std::filesystem::temp_directory_path() / ("aw-designfile-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() { std::filesystem::remove_all(m_path); }
    std::string File(const std::string &name) const { return (m_path / name).string(); }
    size_t EntryCount() const
    {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(m_path), {}));
    }

  private:
    std::filesystem::path m_path;
};

} // namespace

TEST(DesignFileBody, FixedPartLayout)
{
    const auto v = fullDesign();
    const std::vector<uint8_t> body = bodyOf(*v);
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
    EXPECT_EQ(std::vector<uint8_t>(p + 3632, p + 3632 + 70), smallBitmap());
    EXPECT_EQ(bytes::GetInt32(p + 3702), 3); // movement count right behind the picture
}

TEST(DesignFileBody, WithoutPictureNoLengthFollowsAndEmptyTextsHaveNoBytes)
{
    TVehicle v;
    const std::vector<uint8_t> body = bodyOf(v);
    EXPECT_EQ(body[kPictureFlag], 0);
    // flag, movement count, three empty texts, three empty perk lists, no weapons.
    ASSERT_EQ(body.size(), kPictureFlag + 1 + 4 + 3 * 4 + 3 * 4 + 4);
    for (size_t i = kPictureFlag + 1; i < body.size(); ++i)
        EXPECT_EQ(body[i], 0) << i;
    EXPECT_EQ(bytes::GetDouble(body.data() + 3619), 1.0); // a new design's currency multiplier
}

TEST(DesignFileBody, RoundTripKeepsEverything)
{
    const auto original = fullDesign();
    const std::vector<uint8_t> body = bodyOf(*original);
    const TLoadedDesign loaded = load(body);
    ASSERT_TRUE(loaded.Vehicle);
    EXPECT_EQ(loaded.Warning, "");
    const TVehicle &v = *loaded.Vehicle;
    EXPECT_EQ(v.Name, original->Name);
    EXPECT_EQ(v.Affiliation, original->Affiliation);
    EXPECT_EQ(v.ArmorThickness, "120 mm");
    EXPECT_EQ(v.SizeType, SizeTypeCarriage);
    EXPECT_EQ(v.CustomProduction.CustomIndivDice, 4);
    EXPECT_EQ(v.Picture, smallBitmap());
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
    EXPECT_EQ(bodyOf(v), body);
    // The loaded lists are bound to the new design, not to the one that was saved.
    EXPECT_EQ(v.Perks->VehicleData().ArmorValue, 24);
}

TEST(DesignFileBody, BytesWithoutMeaningAreRewrittenAsZeros)
{
    const auto original = fullDesign();
    const std::vector<uint8_t> clean = bodyOf(*original);
    std::vector<uint8_t> dirty = clean;
    // Junk after the text of Name, in the custom production slots and after the currency name.
    for (size_t i = 4 + 1 + 13; i < 4 + 251; ++i)
        dirty[i] = 0xEE;
    for (size_t i = kCustomProduction; i < kCustomProduction + 8; ++i)
        dirty[i] = 0x5A;
    dirty[3586 + 1 + 6] = 'Q';
    const TLoadedDesign loaded = load(dirty);
    EXPECT_EQ(loaded.Vehicle->CustomProduction.CustomName, "");
    EXPECT_EQ(loaded.Vehicle->CurrencyName, "Crowns");
    EXPECT_EQ(bodyOf(*loaded.Vehicle), clean);
}

TEST(DesignFileBody, EveryTruncationIsReportedAsDamage)
{
    const std::vector<uint8_t> body = bodyOf(*fullDesign());
    for (size_t length = 0; length < body.size(); ++length) {
        TStream stream(std::vector<uint8_t>(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(length)));
        try {
            LoadFromStream(stream, "cut.vkd");
            ADD_FAILURE() << "a body cut to " << length << " bytes was accepted";
            return;
        } catch (const EDesignFileError &e) {
            ASSERT_EQ(e.Reason(), EDesignFileError::TReason::Damaged) << length;
            ASSERT_EQ(std::string(e.what()).rfind("\"cut.vkd\" is damaged: ", 0), 0u) << e.what();
        }
    }
}

TEST(DesignFileBody, CountsAndLengthsBeyondTheDataAreDamage)
{
    const std::vector<uint8_t> body = bodyOf(*fullDesign());
    const size_t pictureLength = kPictureFlag + 1;
    const size_t movementCount = pictureLength + 4 + 70;
    const size_t descriptionLength = movementCount + 4 + 3 * 61;
    for (size_t at : {pictureLength, movementCount, descriptionLength}) {
        for (int32_t claim : {0x7fffffff, 1 << 24}) {
            std::vector<uint8_t> damaged = body;
            bytes::PutInt32(damaged.data() + at, claim);
            try {
                load(damaged);
                ADD_FAILURE() << "a count of " << claim << " at " << at << " was accepted";
            } catch (const EDesignFileError &e) {
                EXPECT_EQ(e.Reason(), EDesignFileError::TReason::Damaged);
            }
        }
    }
    std::vector<uint8_t> negativePicture = body;
    bytes::PutInt32(negativePicture.data() + pictureLength, -5);
    EXPECT_THROW(load(negativePicture), EDesignFileError);
}

TEST(DesignFileBody, UnknownVersionMarksAreRefused)
{
    std::vector<uint8_t> body = bodyOf(*fullDesign());
    for (int32_t version : {0, 5, 8, -7}) {
        bytes::PutInt32(body.data(), version);
        try {
            load(body);
            ADD_FAILURE() << "version " << version << " was accepted";
        } catch (const EDesignFileError &e) {
            EXPECT_EQ(e.Reason(), EDesignFileError::TReason::NotADesign);
            EXPECT_EQ(std::string(e.what()).rfind("\"test.vkd\" is not a design file this program can read", 0), 0u);
        }
    }
}

TEST(DesignFileBody, VersionSixClipsHaveNoCountAndLoadAsOne)
{
    const auto design = fullDesign();
    // The body up to the weapons is the same in both versions.
    auto unarmed = fullDesign();
    unarmed->Weapons->Clear();
    std::vector<uint8_t> v6 = bodyOf(*unarmed);
    v6.resize(v6.size() - 4);
    bytes::PutInt32(v6.data(), 6);
    TStream weapons(v6);
    weapons.Seek(weapons.Size());
    weapons.WriteInt32(design->Weapons->Count());
    for (int w = 0; w < design->Weapons->Count(); ++w) {
        const TWeapon &weapon = design->Weapons->Get(w);
        SaveWeaponRecord(weapons, weapon.Data);
        weapons.WriteInt32(weapon.Clips.Count());
        for (int c = 0; c < weapon.Clips.Count(); ++c) {
            const TClip &clip = weapon.Clips.Get(c);
            weapons.WriteInt32(clip.SectionCount()); // no ClipCount before it
            for (int s = 0; s < clip.SectionCount(); ++s)
                SaveAmmoSection(weapons, clip.GetSection(s));
        }
        weapon.Links.SaveToStream(weapons);
    }

    const TLoadedDesign loaded = load(weapons.Bytes());
    const TVehicle &v = *loaded.Vehicle;
    EXPECT_EQ(v.FileVersion, 6);
    ASSERT_EQ(v.Weapons->Count(), 2);
    const TClipList &clips = v.Weapons->Get(0).Clips;
    ASSERT_EQ(clips.Count(), 2);
    EXPECT_EQ(clips.Get(1).ClipCount, 1);
    EXPECT_EQ(clips.Get(1).GetSection(0), design->Weapons->Get(0).Clips.Get(1).GetSection(0));
    EXPECT_EQ(v.Weapons->Get(1).Links, design->Weapons->Get(1).Links);

    const std::vector<uint8_t> resaved = bodyOf(v);
    EXPECT_EQ(bytes::GetInt32(resaved.data()), 7);
    design->Weapons->Get(0).Clips.Mutable(1)->ClipCount = 1;
    EXPECT_EQ(resaved, bodyOf(*design));
}

TEST(DesignFilePicture, UnreadablePictureIsLeftOutWithAWarning)
{
    const auto design = fullDesign();
    struct Case {
        const char *what;
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
    };
    for (const Case &c : cases) {
        auto v = fullDesign();
        c.spoil(v->Picture);
        const TLoadedDesign loaded = load(bodyOf(*v));
        EXPECT_TRUE(loaded.Vehicle->Picture.empty()) << c.what;
        EXPECT_NE(loaded.Warning.find("\"test.vkd\""), std::string::npos) << c.what << ": " << loaded.Warning;
        // Everything after the picture is still read.
        EXPECT_EQ(*loaded.Vehicle->Movement, *design->Movement) << c.what;
        EXPECT_EQ(loaded.Vehicle->Weapons->Count(), 2) << c.what;
    }

    auto largest = fullDesign();
    bytes::PutInt32(largest->Picture.data() + 18, 16384);
    bytes::PutInt32(largest->Picture.data() + 22, 1);
    largest->Picture.resize(54 + 16384 * 3); // one row of 16384 pixels fits exactly
    const TLoadedDesign loaded = load(bodyOf(*largest));
    EXPECT_EQ(loaded.Warning, "");
    EXPECT_EQ(loaded.Vehicle->Picture.size(), 54u + 16384 * 3);
}

TEST(DesignFile, SaveAndOpenThroughTheCompressedFile)
{
    TempFolder folder;
    const std::string path = folder.File("grizzly.vkd");
    const auto design = fullDesign();
    SaveDesignFile(*design, path);
    const std::vector<uint8_t> file = ReadWholeFile(path);
    ASSERT_GE(file.size(), 8u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "!HZL");
    EXPECT_EQ(DecompressBytes(file), bodyOf(*design));

    const TLoadedDesign loaded = LoadDesignFile(path);
    EXPECT_EQ(loaded.Vehicle->FileName, path);
    EXPECT_FALSE(loaded.Vehicle->Modified);
    EXPECT_EQ(bodyOf(*loaded.Vehicle), bodyOf(*design));
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(DesignFile, FilesThatAreNotDesignsOrDamagedNameTheFile)
{
    TempFolder folder;
    const std::string text = folder.File("notes.vkd");
    WriteFileAtomically(text, std::string("just some text, not a design"));
    try {
        LoadDesignFile(text);
        ADD_FAILURE() << "a text file was opened";
    } catch (const EDesignFileError &e) {
        EXPECT_EQ(e.Reason(), EDesignFileError::TReason::NotADesign);
        EXPECT_EQ(std::string(e.what()), "\"notes.vkd\" is not a design file this program can read");
    }

    const std::string empty = folder.File("empty.vkd");
    WriteFileAtomically(empty, std::vector<uint8_t>{});
    EXPECT_THROW(LoadDesignFile(empty), EDesignFileError);

    std::vector<uint8_t> body = bodyOf(*fullDesign());
    body.resize(body.size() / 2);
    const std::string half = folder.File("half.vkd");
    WriteFileAtomically(half, CompressBytes(body));
    try {
        LoadDesignFile(half);
        ADD_FAILURE() << "half a design was opened";
    } catch (const EDesignFileError &e) {
        EXPECT_EQ(e.Reason(), EDesignFileError::TReason::Damaged);
        EXPECT_EQ(std::string(e.what()).rfind("\"half.vkd\" is damaged: ", 0), 0u) << e.what();
    }

    EXPECT_THROW(LoadDesignFile(folder.File("missing.vkd")), EFileError);
}

TEST(DesignFile, InterruptedSaveLeavesThePreviousFile)
{
    TempFolder folder;
    const std::string path = folder.File("keep.vkd");
    TVehicle old;
    old.Name = "Old design";
    SaveDesignFile(old, path);
    const std::vector<uint8_t> before = ReadWholeFile(path);

    const auto design = fullDesign();
    int writes = 0;
    SetWriteFaultInjector([&writes] {
        ++writes;
        return false; // the disk is full
    });
    EXPECT_THROW(SaveDesignFile(*design, path), EFileError);
    SetWriteFaultInjector({});

    EXPECT_GE(writes, 1);
    EXPECT_EQ(ReadWholeFile(path), before);
    EXPECT_EQ(folder.EntryCount(), 1u); // no temporary file left behind
    EXPECT_EQ(LoadDesignFile(path).Vehicle->Name, "Old design");
}

TEST(DesignFileBody, SpoiledBytesGiveADesignOrTheDesignFileError)
{
    const std::vector<uint8_t> body = bodyOf(*fullDesign());
    std::mt19937 random(1234);
    std::uniform_int_distribution<size_t> position(0, body.size() - 1);
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> spoiled = body;
        const size_t at = position(random);
        for (size_t i = at; i < std::min(at + 4, spoiled.size()); ++i)
            spoiled[i] = static_cast<uint8_t>(random());
        try {
            load(spoiled);
        } catch (const EDesignFileError &) {
        } catch (const std::exception &e) {
            FAIL() << "bytes spoiled at " << at << " gave another error: " << e.what();
        }
    }
}
