#include "CliTestSupport.h"

#include "engine/DesignFile.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/base/Files.h"
#include "engine/base/Stream.h"
#include "storage/codec/LzhCompressor.h"
#include "weapons/WeaponList.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

TCliRun RunCli(const std::vector<std::string> &args, const std::string &input, const std::string &executable,
               const std::string &outputPath)
{
    const TTempFolder io;
    const std::string in = io / "in", out = outputPath.empty() ? io / "out" : outputPath, err = io / "err";
    WriteFileAtomically(in, input);
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int fin = open(in.c_str(), O_RDONLY);
        const int fout = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int ferr = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fin < 0 || fout < 0 || ferr < 0)
            _exit(126);
        dup2(fin, 0);
        dup2(fout, 1);
        dup2(ferr, 2);
        std::vector<char *> argv;
        argv.push_back(const_cast<char *>(executable.c_str()));
        for (const std::string &a : args)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        execv(executable.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    TCliRun run;
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (outputPath.empty())
        run.Out = ReadText(out);
    run.Err = ReadText(err);
    return run;
}

TTempFolder::TTempFolder()
{
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("aw-cli-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TTempFolder::~TTempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string ReadText(const std::string &path)
{
    const std::vector<uint8_t> bytes = ReadWholeFile(path);
    return std::string(bytes.begin(), bytes.end());
}

std::vector<uint8_t> DesignBody(const std::string &path)
{
    return DecompressBytes(ReadWholeFile(path));
}

std::vector<uint8_t> BodyOf(const TBaseVehicle &vehicle)
{
    TStream stream;
    SaveToStream(vehicle, stream);
    return stream.TakeBytes();
}

std::vector<uint8_t> TinyBitmap(int width, int height, uint8_t shade)
{
    const int rowSize = (width * 3 + 3) / 4 * 4;
    std::vector<uint8_t> bmp(static_cast<size_t>(54 + rowSize * height), 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    bytes::PutUInt32(bmp.data() + 2, static_cast<uint32_t>(bmp.size()));
    bytes::PutUInt32(bmp.data() + 10, 54);
    bytes::PutUInt32(bmp.data() + 14, 40);
    bytes::PutInt32(bmp.data() + 18, width);
    bytes::PutInt32(bmp.data() + 22, height);
    bytes::PutInt16(bmp.data() + 26, 1);
    bytes::PutInt16(bmp.data() + 28, 24);
    bytes::PutUInt32(bmp.data() + 34, static_cast<uint32_t>(rowSize * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width * 3; ++x)
            bmp[static_cast<size_t>(54 + y * rowSize + x)] = static_cast<uint8_t>(shade + x);
    return bmp;
}

namespace {

TMovementRecord movement(const std::string &name, double top, double stall, int32_t maneuver, bool flight,
                         int32_t libraryIndex)
{
    TMovementRecord r;
    r.ModeName = name;
    r.TopSpeed = top;
    r.StallSpeed = stall;
    r.HasStall = stall > 0;
    r.Maneuver = maneuver;
    r.Flight = flight;
    r.CanFly = flight;
    r.LibraryIndex = libraryIndex;
    return r;
}

TAmmoSection section(int32_t amount, std::initializer_list<int> selected, std::initializer_list<int> free = {})
{
    TAmmoSection s = ClearAmmoSection();
    s.Amount = amount;
    for (int k : selected)
        s.Selected[static_cast<size_t>(k)] = s.Allowed[static_cast<size_t>(k)] = true;
    for (int k : free)
        s.Free[static_cast<size_t>(k)] = true;
    return s;
}

TWeaponRecord weapon(const std::string &name, const std::string &code, int32_t rating, int32_t damage, int32_t items)
{
    TWeaponRecord r = DefaultWeaponRecord();
    r.Name = name;
    r.Code = code;
    r.Rating = rating;
    r.Damage = damage;
    r.Accuracy = 1;
    r.BaseRange = 3;
    r.MediumBonus = 1;
    r.LongBonus = 2;
    r.ExtremeBonus = 3;
    r.ROF = 2;
    r.MinSize = 2;
    r.NumberOfItems = items;
    r.AmmoBaseCost = 0.5;
    r.Arc = 1;
    r.WeaponType = 1;
    return r;
}

} // namespace

std::unique_ptr<TVehicle> FullDesign()
{
    auto v = std::make_unique<TVehicle>();
    v->Name = "Sch\xFCtze \x80 \"Mk II\"";
    v->VehicleType = "Tank";
    v->VehicleUse = "Assualt";
    v->Height = "3.2";
    v->Length = "7,5";
    v->Width = "3";
    v->CombatMass = "42000";
    v->EngineType = "Diesel";
    v->EngineOutput = "1500 hp";
    v->ArmorMaterial = "Chobam";
    v->ArmorThickness = std::string(250, 'x'); // a text at its full width
    v->NumberOnField = "12";
    v->Manufacturer = "Ga\xDF & S\xF6hne";
    v->Affiliation = "<Other>";
    v->Availability = 7;
    v->Crew = 3;
    v->Armor = 12;
    v->SensorRating = -2;
    v->CommRating = 1;
    v->FireControl = 2;
    v->Deployment = 300;
    v->FinalSize = 6;
    v->SizeType = SizeTypeNormal;
    v->Maneuver = -1;
    v->ProductionType = 7;
    v->CustomProduction.CustomName = "Field Refit";
    v->CustomProduction.CustomDefinition = "Rebuilt in the field";
    v->CustomProduction.CustomModelDice = 2;
    v->CustomProduction.CustomIndivDice = 4;
    v->CustomProduction.CustomCostMultiplier = 0.75;
    v->Picture = TinyBitmap(5, 3);
    v->SensorRange = 12.5;
    v->CommRange = 0.1; // not exact in binary: must come back to the last bit
    v->CurrencyMultiplier = 1.5;
    v->CurrencyName = "Cr\xE9" "dits";
    v->Description = "Line one\r\nLine \"two\"\twith a tab";
    v->History = "Built in \x85 some year";
    v->Extra = "";

    v->Movement->Add(movement("Ground", 60, 0, 0, false, 2));
    v->Movement->Add(movement("Flight", 300, 60, -1, true, 7));
    v->Movement->Add(movement("Sky Sled", 90.5, 12, -2, false, 0));

    TPerkRecord perk;
    perk.PFDName = "Ammo Storage";
    perk.RoundMode = 1;
    perk.WorthFormula = 3;
    perk.Y = 35;
    perk.Z = 0.1;
    perk.HasAmount = true;
    perk.Amount = 2;
    perk.EffectText = "Holds |Y| rounds at |LOC|";
    perk.HasLocation = 1;
    perk.Location = 2;
    perk.EntryId = 7;
    v->Perks->Add(perk);
    TPerkRecord punch;
    punch.PFDName = "Battle Arm";
    punch.OTVFormula = 8;
    punch.RatingValue = 4;
    punch.ShowRating = true;
    punch.OffersInside = true;
    punch.InsideOTV = true;
    punch.InsideLabel = "Can Punch";
    punch.CostValue = 2500;
    punch.ManeuverMod = -1;
    punch.SpeedMod = 2;
    punch.Arc = 5;
    punch.HasArc = true;
    v->Perks->Add(punch);
    TPerkRecord flaw;
    flaw.PFDName = "Annoyance";
    flaw.IsFlaw = true;
    flaw.WorthFormula = 2;
    v->Flaws->Add(flaw);
    TPerkRecord defect;
    defect.PFDName = "Minor Flaw";
    defect.WorthFormula = -2;
    defect.Variant = 3;
    defect.IsFlaw = true;
    v->Defects->Add(defect);

    TWeapon gun(weapon("Autocannon", "AC", 20, 4, 2));
    gun.Data.BaseAmmo = section(30, {0, 4}, {4});
    gun.Clips.Mutable(0)->SetSection(0, section(20, {0}));
    gun.Clips.Mutable(0)->AddSection(section(10, {4, 21}));
    TClip spare;
    spare.ClipCount = 3;
    spare.AddSection(section(15, {4}));
    gun.Clips.Add(spare);
    v->Weapons->Add(gun);
    v->Weapons->AddLink();
    v->Weapons->AddRecord(weapon("Rocket Pod", "RP", 15, 6, 1));
    v->Weapons->AddLink();
    TWeapon laser(weapon("Pulse Laser \x96 L", "PL", 25, 5, 1));
    laser.Data.Guided = true;
    laser.Data.Stabilized = true;
    laser.Data.AccMod = 1;
    laser.Data.PoorWorkmanship = 1;
    laser.Clips.Mutable(0)->AddSection(section(8, {2}));
    v->Weapons->Add(laser);
    v->Weapons->Get(0).Links.Set(0, true);
    v->Weapons->Get(2).Links.Set(0, true);
    v->Weapons->Get(1).Links.Set(1, true);
    return v;
}

std::unique_ptr<TVehicle> SmallDesign(const std::string &name, int32_t armor)
{
    auto v = std::make_unique<TVehicle>();
    v->Name = name;
    v->Armor = armor;
    v->Crew = 2;
    v->FinalSize = 4;
    v->FireControl = 1;
    v->ProductionType = 3;
    v->CurrencyName = "Cr";
    v->Movement->Add(movement("Ground", 72, 0, 0, false, 2));
    v->Weapons->AddRecord(weapon("Heavy MG", "HMG", 12, 3, 1));
    return v;
}
