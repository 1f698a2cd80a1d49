#include "storage/Libraries.h"

#include "base/Utf8Path.h"
#include "engine/PerkTemplates.h"
#include "storage/CustomWeaponFile.h"
#include "storage/DataBlock.h"
#include "storage/RecordStream.h"

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

void LoadLibraries(Libraries &libraries, const LibraryFolders &folders, const std::function<void()> &processMessages)
{
    const auto pump = [&] {
        if (processMessages)
            processMessages();
    };
    libraries.Clear();

    pump();
    const std::filesystem::path screenFile = PathFromUtf8(folders.Settings + kScreenFile);
    if (FileExists(screenFile))
        libraries.Positions.ReadFrom(ReadWholeFile(screenFile));

    for (const WeaponRecord &record : ReadCustomWeaponFile(folders.Settings))
        libraries.AddWeapon(record);

    pump();
    Stream weapons = OpenDataBlock("Weapons.zel", "WEAPONS", folders.Data);
    ForEachRecord(weapons, kWeaponRecordSize, [&](const uint8_t *p, int) { libraries.AddWeapon(ReadWeaponRecord(p)); });

    pump();
    Stream perks = OpenDataBlock("pfd.zel", "PFD", folders.Data);
    ForEachRecord(perks, PerkRecord::Size, [&](const uint8_t *p, int) {
        const PerkRecord record = ReadPerkRecord(p);
        (record.IsFlaw ? libraries.Flaws : libraries.Perks).Add(record);
    });

    pump();
    Stream movement = OpenDataBlock("Movement.zel", "MOVEMENT", folders.Data);
    ForEachRecord(movement, MovementRecord::Size, [&](const uint8_t *p, int index) {
        MovementRecord record = ReadMovementRecord(p);
        record.LibraryIndex = index;
        libraries.Movement.Add(record);
    });

    libraries.Defects.Clear();
    for (const PerkRecord &defect : DefectTemplates())
        libraries.Defects.Add(defect);
}

void SaveSettings(Libraries &libraries, const std::string &folder)
{
    WriteFileAtomically(PathFromUtf8(folder + kScreenFile), libraries.Positions.FileBytes());
    SaveCustomWeaponFile(libraries.CustomWeapons(), folder);
    libraries.Clear();
}

} // namespace aw
