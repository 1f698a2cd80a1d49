#include "tools/datagen/LibraryData.h"

#include "base/Files.h"
#include "tools/datagen/AmmoProfiles.h"
#include "tools/datagen/DataGenError.h"
#include "tools/datagen/DropDownText.h"
#include "tools/datagen/MovementTable.h"
#include "tools/datagen/PerkTable.h"
#include "tools/datagen/WeaponTable.h"

namespace aw {

namespace {

std::string ReadText(const std::string &dataDir, const std::string &name)
{
    const std::vector<uint8_t> bytes = ReadWholeFile(dataDir + "/" + name);
    return std::string(bytes.begin(), bytes.end());
}

// Stores records back to back through their fixed-image writer.
template <typename Record, typename Writer>
std::vector<uint8_t> Pack(const std::vector<Record> &records, size_t size, Writer write)
{
    std::vector<uint8_t> block(records.size() * size, 0);
    for (size_t i = 0; i < records.size(); ++i)
        write(records[i], block.data() + i * size);
    return block;
}

std::vector<PerkRecord> ReadKind(const std::string &dataDir, const std::string &name, bool flaws)
{
    std::vector<PerkRecord> records = ReadPerkTable(ReadText(dataDir, name), name);
    for (const PerkRecord &r : records) {
        if (r.IsFlaw != flaws)
            throw DataGenError(name, 0, "\"" + r.PFDName + "\" must " + (flaws ? "" : "not ") + "be a flaw");
    }
    return records;
}

} // namespace

LibraryData ReadLibraryData(const std::string &dataDir)
{
    LibraryData data;
    const AmmoProfiles profiles(ReadText(dataDir, "ammo-profiles.txt"), "ammo-profiles.txt");
    data.Weapons = ReadWeaponTable(ReadText(dataDir, "weapons.txt"), "weapons.txt", profiles);

    data.PerksAndFlaws = ReadKind(dataDir, "perks.txt", false);
    for (PerkRecord &flaw : ReadKind(dataDir, "flaws.txt", true))
        data.PerksAndFlaws.push_back(std::move(flaw));
    int32_t id = 0;
    for (PerkRecord &r : data.PerksAndFlaws)
        r.EntryId = ++id;

    data.Movement = ReadMovementTable(ReadText(dataDir, "movement.txt"), "movement.txt");
    data.DropDown = BuildDropDownText(ReadText(dataDir, "dropdown.txt"));
    return data;
}

std::vector<uint8_t> WeaponsBlock(const std::vector<WeaponRecord> &records)
{
    return Pack(records, kWeaponRecordSize, WriteWeaponRecord);
}

std::vector<uint8_t> PerksBlock(const std::vector<PerkRecord> &records)
{
    return Pack(records, PerkRecord::Size, WritePerkRecord);
}

std::vector<uint8_t> MovementBlock(const std::vector<MovementRecord> &records)
{
    return Pack(records, MovementRecord::Size, WriteMovementRecord);
}

void WriteLibraryBlocks(const LibraryData &data, const std::string &outDir)
{
    WriteFileAtomically(outDir + "/WEAPONS.bin", WeaponsBlock(data.Weapons));
    WriteFileAtomically(outDir + "/PFD.bin", PerksBlock(data.PerksAndFlaws));
    WriteFileAtomically(outDir + "/MOVEMENT.bin", MovementBlock(data.Movement));
    WriteFileAtomically(outDir + "/DROPDOWN.bin", data.DropDown);
}

} // namespace aw
