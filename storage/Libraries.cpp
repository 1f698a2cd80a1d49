#include "storage/Libraries.h"

#include "engine/PerkTemplates.h"
#include "storage/CustomWeaponFile.h"
#include "storage/DataBlock.h"
#include "storage/RecordStream.h"

#include <stdexcept>

TBaseWeaponList &TLibraries::WeaponList(int weaponType)
{
    if (weaponType < 0 || weaponType >= kWeaponTypeCount)
        throw std::out_of_range("weapon type " + std::to_string(weaponType));
    return m_weapons[static_cast<size_t>(weaponType)];
}

const TBaseWeaponList &TLibraries::WeaponList(int weaponType) const
{
    return const_cast<TLibraries *>(this)->WeaponList(weaponType);
}

int TLibraries::WeaponCount() const
{
    int count = 0;
    for (const TBaseWeaponList &list : m_weapons)
        count += list.Count();
    return count;
}

void TLibraries::Clear()
{
    for (TBaseWeaponList &list : m_weapons)
        list.Clear();
    Perks.Clear();
    Flaws.Clear();
    Defects.Clear();
    Movement.Clear();
    Positions.Reset();
}

void TLibraries::AddWeapon(const TWeaponRecord &record)
{
    if (record.WeaponType >= 0 && record.WeaponType < kWeaponTypeCount)
        m_weapons[static_cast<size_t>(record.WeaponType)].Add(record);
}

TLibraries &Libraries()
{
    static TLibraries libraries;
    return libraries;
}

void LoadLibraries(TLibraries &libraries, const std::string &folder, const std::function<void()> &processMessages)
{
    LoadLibraries(libraries, TLibraryFolders{folder, folder}, processMessages);
}

void LoadLibraries(TLibraries &libraries, const TLibraryFolders &folders, const std::function<void()> &processMessages)
{
    const auto pump = [&] {
        if (processMessages)
            processMessages();
    };
    libraries.Clear();

    pump();
    const std::string screenFile = folders.Settings + kScreenFile;
    if (FileExists(screenFile))
        libraries.Positions.ReadFrom(ReadWholeFile(screenFile));

    for (const TWeaponRecord &record : ReadCustomWeaponFile(folders.Settings))
        libraries.AddWeapon(record);

    pump();
    TStream weapons = OpenDataBlock("Weapons.zel", "WEAPONS", folders.Data);
    ForEachRecord(weapons, kWeaponRecordSize, [&](const uint8_t *p, int) { libraries.AddWeapon(ReadWeaponRecord(p)); });

    pump();
    TStream perks = OpenDataBlock("pfd.zel", "PFD", folders.Data);
    ForEachRecord(perks, TPerkRecord::Size, [&](const uint8_t *p, int) {
        const TPerkRecord record = ReadPerkRecord(p);
        (record.IsFlaw ? libraries.Flaws : libraries.Perks).Add(record);
    });

    pump();
    TStream movement = OpenDataBlock("Movement.zel", "MOVEMENT", folders.Data);
    ForEachRecord(movement, TMovementRecord::Size, [&](const uint8_t *p, int index) {
        TMovementRecord record = ReadMovementRecord(p);
        record.LibraryIndex = index;
        libraries.Movement.Add(record);
    });

    libraries.Defects.Clear();
    for (const TPerkRecord &defect : DefectTemplates())
        libraries.Defects.Add(defect);
}

void SaveSettings(TLibraries &libraries, const std::string &folder)
{
    WriteFileAtomically(folder + kScreenFile, libraries.Positions.FileBytes());
    SaveCustomWeaponFile(libraries.CustomWeapons(), folder);
    libraries.Clear();
}
