#include "storage/Libraries.h"

#include "base/Utf8Path.h"
#include "engine/PerkTemplates.h"
#include "storage/CustomWeaponFile.h"
#include "storage/DataBlock.h"
#include "storage/RecordStream.h"

#include <filesystem>
#include <functional>
#include <stdexcept>

namespace aw {

BaseWeaponList &Libraries::WeaponList(int weaponType)
{
    if (weaponType < 0 || weaponType >= kWeaponTypeCount)
        throw std::out_of_range("weapon type " + std::to_string(weaponType));
    return m_weapons[static_cast<size_t>(weaponType)];
}

const BaseWeaponList &Libraries::WeaponList(int weaponType) const
{
    return const_cast<Libraries *>(this)->WeaponList(weaponType);
}

int Libraries::WeaponCount() const
{
    int count = 0;
    for (const BaseWeaponList &list : m_weapons)
        count += list.Count();
    return count;
}

void Libraries::Clear()
{
    for (BaseWeaponList &list : m_weapons)
        list.Clear();
    Perks.Clear();
    Flaws.Clear();
    Defects.Clear();
    Movement.Clear();
    Positions.Reset();
    CustomFileUnreadable = false;
    CustomFileHolds.reset();
    CustomFallbackFolder.clear();
    CustomFromWeaponsFile.clear();
}

void Libraries::AddWeapon(const WeaponRecord &record)
{
    if (record.WeaponType >= 0 && record.WeaponType < kWeaponTypeCount)
        m_weapons[static_cast<size_t>(record.WeaponType)].Add(record);
}

Libraries &SharedLibraries()
{
    static Libraries libraries;
    return libraries;
}

void LoadLibraries(Libraries &libraries, const std::string &folder, const std::function<void()> &processMessages)
{
    LoadLibraries(libraries, LibraryFolders{folder, folder}, processMessages);
}

namespace {

bool PathExists(const std::string &path)
{
    std::error_code error;
    return std::filesystem::exists(PathFromUtf8(path), error);
}

// Runs the loading or saving steps one after another: a step that fails is reported and the
// next one runs all the same. The report at the end has the message of every failed step,
// each naming its file.
class FileSteps {
public:
    // Returns whether the step succeeded.
    template <class Step> bool Run(Step &&step)
    {
        try {
            step();
            return true;
        } catch (const ArmorwrightError &e) {
            m_report.SystemText((m_failed ? "\n" : "") + e.Utf8());
            m_failed = true;
        }
        return false;
    }

    template <class Error> void ThrowIfAnyFailed() const
    {
        if (m_failed)
            throw Error(m_report);
    }

private:
    ErrorText m_report; // a line for each failed step
    bool m_failed = false;
};

} // namespace

void LoadLibraries(Libraries &libraries, const LibraryFolders &folders, const std::function<void()> &processMessages)
{
    const auto pump = [&] {
        if (processMessages)
            processMessages();
    };
    libraries.Clear();
    FileSteps steps;

    // Settings kept apart from a program folder that cannot be written: until the user's own
    // copy of a file exists, the one left beside the program is read (and the user's copy
    // made from it at the first save).
    const auto readFrom = [&](const char *file) {
        const bool ownCopy = PathExists(folders.Settings + file);
        return ownCopy || folders.Data == folders.Settings ? folders.Settings : folders.Data;
    };

    pump();
    steps.Run([&] {
        const std::filesystem::path screenFile = PathFromUtf8(readFrom(kScreenFile) + kScreenFile);
        if (FileExists(screenFile))
            libraries.Positions.ReadFrom(ReadWholeFile(screenFile));
    });
    const std::string customFolder = readFrom(kCustomWeaponFile);
    if (folders.Data != folders.Settings)
        libraries.CustomFallbackFolder = folders.Data;
    libraries.CustomFileUnreadable = !steps.Run([&] {
        std::vector<WeaponRecord> records = ReadCustomWeaponFile(customFolder);
        for (const WeaponRecord &record : records)
            libraries.AddWeapon(record);
        // Records of the other tabs are not written back: then the file differs from the list.
        libraries.CustomFileHolds = std::move(records);
    });

    pump();
    steps.Run([&] {
        Stream weapons = OpenDataBlock("Weapons.zel", "WEAPONS", folders.Data);
        ForEachRecord(weapons, kWeaponRecordSize, [&](const uint8_t *p, int) {
            const WeaponRecord record = ReadWeaponRecord(p);
            libraries.AddWeapon(record);
            if (record.WeaponType == kCustomWeaponType)
                libraries.CustomFromWeaponsFile.push_back(record);
        });
    });
    pump();
    steps.Run([&] {
        Stream perks = OpenDataBlock("pfd.zel", "PFD", folders.Data);
        ForEachRecord(perks, PerkRecord::Size, [&](const uint8_t *p, int) {
            const PerkRecord record = ReadPerkRecord(p);
            (record.IsFlaw ? libraries.Flaws : libraries.Perks).Add(record);
        });
    });
    pump();
    steps.Run([&] {
        Stream movement = OpenDataBlock("Movement.zel", "MOVEMENT", folders.Data);
        ForEachRecord(movement, MovementRecord::Size, [&](const uint8_t *p, int index) {
            MovementRecord record = ReadMovementRecord(p);
            record.LibraryIndex = index;
            libraries.Movement.Add(record);
        });
    });

    libraries.Defects.Clear();
    for (const PerkRecord &defect : DefectTemplates())
        libraries.Defects.Add(defect);
    steps.ThrowIfAnyFailed<LibraryLoadError>();
}

namespace {

// The user's own custom weapons: the list less the entries from "Weapons.zel". Those the user
// deleted are forgotten, so a merge does not bring them back.
std::vector<WeaponRecord> OwnCustomWeapons(Libraries &libraries)
{
    const BaseWeaponList &custom = libraries.CustomWeapons();
    std::vector<WeaponRecord> records;
    for (int i = 0; i < custom.Count(); ++i)
        records.push_back(custom.Get(i));
    libraries.CustomFromWeaponsFile = TakeOutWeapons(records, libraries.CustomFromWeaponsFile);
    return records;
}

BaseWeaponList ListOf(const std::vector<WeaponRecord> &records)
{
    BaseWeaponList list;
    for (const WeaponRecord &record : records)
        list.Add(record);
    return list;
}

// The program folder whose "Custom.zel" a start reads while `folder` has none of its own, or
// "" when there is no such file.
std::string FallbackCustomFolder(const Libraries &libraries, const std::string &folder)
{
    const std::string &fallback = libraries.CustomFallbackFolder;
    if (fallback.empty() || fallback == folder || !PathExists(fallback + kCustomWeaponFile))
        return {};
    return fallback;
}

// Where the weapons of a custom weapon file that could not be read have gone.
std::string SetAsideNote(const std::string &file, const std::string &aside)
{
    return ErrorText("The custom weapon file ")
        .File(file)
        .Text(" could not be read and was kept as ")
        .File(aside)
        .Text("; the custom weapons listed now are saved in a new ")
        .File(file)
        .Text(".")
        .Utf8();
}

} // namespace

std::string SaveCustomWeapons(Libraries &libraries, const std::string &folder)
{
    std::vector<WeaponRecord> records = OwnCustomWeapons(libraries);
    const std::string fallback = FallbackCustomFolder(libraries, folder);
    const bool ownFile = fallback.empty() || PathExists(folder + kCustomWeaponFile);
    // Unchanged, and the next start reads the same: nothing to write. The first save of a list
    // read from beside the program makes the user's own copy of it.
    if (libraries.CustomFileHolds == records && (ownFile || records.empty()))
        return {};
    // A file the program could not read may still be repaired: it is never replaced or deleted.
    if (libraries.CustomFileUnreadable && records.empty())
        return {};
    std::string note;
    if (libraries.CustomFileHolds || libraries.CustomFileUnreadable) {
        // Another window of the program may have saved its own changes since, or mended the
        // file that could not be read: they stay.
        const std::vector<WeaponRecord> known = libraries.CustomFileHolds.value_or(std::vector<WeaponRecord>{});
        std::vector<WeaponRecord> inFile = known;
        try {
            inFile = ReadCustomWeaponFile(ownFile ? folder : fallback);
        } catch (const ArmorwrightError &) {
            // Still or newly damaged: kept under another name, which the player is told.
            const std::string aside = SetAsideCustomWeaponFile(folder);
            if (!aside.empty())
                note = SetAsideNote(folder + kCustomWeaponFile, aside);
        }
        if (inFile != known) {
            records = MergeCustomWeapons(inFile, known, records);
            BaseWeaponList &custom = libraries.CustomWeapons();
            custom.Clear();
            for (const WeaponRecord &record : records)
                custom.Add(record);
            for (const WeaponRecord &record : libraries.CustomFromWeaponsFile)
                custom.Add(record);
        }
    }
    // Deleting the user's file would let the one beside the program be read again at the next
    // start, bringing back the weapons the user deleted.
    if (records.empty() && !fallback.empty())
        WriteCustomWeaponFile(ListOf(records), folder);
    else
        SaveCustomWeaponFile(ListOf(records), folder);
    libraries.CustomFileUnreadable = false;
    libraries.CustomFileHolds = std::move(records);
    return note;
}

std::string SaveSettings(Libraries &libraries, const std::string &folder)
{
    // A settings file that cannot be written does not keep the custom weapons from being saved.
    FileSteps steps;
    std::string note;
    steps.Run([&] { WriteFileAtomically(PathFromUtf8(folder + kScreenFile), libraries.Positions.FileBytes()); });
    steps.Run([&] { note = SaveCustomWeapons(libraries, folder); });
    steps.ThrowIfAnyFailed<FileError>();
    libraries.Clear();
    return note;
}

} // namespace aw
