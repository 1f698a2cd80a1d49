#include "fuzz/entries/FuzzEntries.h"

#include "codec/LzhCompressor.h"
#include "engine/DesignResults.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "output/PrintJob.h"
#include "storage/CustomWeaponFile.h"
#include "storage/DropDownLists.h"
#include "storage/Libraries.h"
#include "storage/RecordStream.h"
#include "tests/support/TempFolder.h"
#include "weapons/WeaponList.h"

#include <fstream>

namespace aw {

namespace {

// Library entries reach a design when the user picks them: the first few of a file are put
// into one design, whose results and sheet values are then computed.
constexpr int kMountedEntries = 8;

void UseDesign(Vehicle &vehicle)
{
    ComputeResults(vehicle);
    MakePrintJob(vehicle);
}

void ReadWeapons(Stream &content)
{
    Libraries libraries;
    Vehicle vehicle;
    vehicle.FinalSize = 10;
    ForEachRecord(content, kWeaponRecordSize, [&](const uint8_t *p, int n) {
        const WeaponRecord record = ReadWeaponRecord(p);
        libraries.AddWeapon(record);
        if (n < kMountedEntries)
            vehicle.Weapons->AddRecord(record);
    });
    for (int type = 0; type < kWeaponTypeCount; ++type)
        libraries.WeaponList(type).Sort(1 + type);
    UseDesign(vehicle);
}

void ReadPerks(Stream &content)
{
    Libraries libraries;
    Vehicle vehicle;
    ForEachRecord(content, PerkRecord::Size, [&](const uint8_t *p, int n) {
        const PerkRecord record = ReadPerkRecord(p);
        (record.IsFlaw ? libraries.Flaws : libraries.Perks).Add(record);
        if (n < kMountedEntries)
            (n % 3 == 0 ? *vehicle.Perks : n % 3 == 1 ? *vehicle.Flaws : *vehicle.Defects).Add(record);
    });
    UseDesign(vehicle);
}

void ReadMovement(Stream &content)
{
    Vehicle vehicle;
    ForEachRecord(content, MovementRecord::Size, [&](const uint8_t *p, int n) {
        MovementRecord record = ReadMovementRecord(p);
        record.LibraryIndex = n;
        if (n < kMountedEntries)
            vehicle.Movement->Add(record);
    });
    UseDesign(vehicle);
}

void ReadDropDown(std::span<const uint8_t> content)
{
    const std::string text(content.begin(), content.end());
    const DropDownLists lists = SplitDropDownLists(text);
    size_t characters = 0;
    for (const auto &list : lists)
        for (const std::string &entry : list)
            characters += entry.size();
    if (characters > text.size())
        throw FuzzFinding("drop-down entries hold more characters than the text");
}

void ReadScreen(std::span<const uint8_t> content)
{
    WindowPositionStore store;
    store.ReadFrom(std::vector<uint8_t>(content.begin(), content.end()));
    const std::vector<uint8_t> written = store.FileBytes();
    if (written.size() != WindowPositionStore::kFileSize)
        throw FuzzFinding("the settings file is not of its fixed size");
    const size_t common = std::min(written.size(), content.size() / 4 * 4);
    if (!std::equal(written.begin(), written.begin() + static_cast<std::ptrdiff_t>(common), content.begin()))
        throw FuzzFinding("the settings read are not the settings written");
    for (int slot = -1; slot <= WindowPositionStore::kSlots; ++slot) {
        WindowRect rect;
        store.RestoreWindowPosition(slot, rect);
    }
    LayoutValues values{};
    store.GetLayoutValues(values);
}

// "Custom.zel" is read from a folder: one per process, the file rewritten for each input.
const std::string &CustomFolder()
{
    static const TempFolder folder;
    static const std::string path = folder.Folder();
    return path;
}

void ReadCustom(std::span<const uint8_t> content)
{
    {
        std::ofstream out(CustomFolder() + kCustomWeaponFile, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(content.data()), static_cast<std::streamsize>(content.size()));
    }
    std::vector<WeaponRecord> records;
    try {
        records = ReadCustomWeaponFile(CustomFolder());
    } catch (const LZHException &) {
        return;
    }
    Libraries libraries;
    for (const WeaponRecord &record : records)
        libraries.AddWeapon(record);
    // The custom tab saved and read again is the same list.
    const BaseWeaponList &saved = libraries.CustomWeapons();
    SaveCustomWeaponFile(saved, CustomFolder());
    const std::vector<WeaponRecord> reread = ReadCustomWeaponFile(CustomFolder());
    bool same = static_cast<int>(reread.size()) == saved.Count();
    for (size_t i = 0; same && i < reread.size(); ++i)
        same = reread[i] == saved.Get(static_cast<int>(i));
    if (!same)
        throw FuzzFinding("custom weapons saved and read again differ");
}

} // namespace

void FuzzOverrideFile(std::span<const uint8_t> data)
{
    if (data.empty())
        return;
    const auto which = static_cast<OverrideFile>(data[0] % static_cast<uint8_t>(OverrideFile::Count));
    const std::span<const uint8_t> content = data.subspan(1);
    Stream stream(std::vector<uint8_t>(content.begin(), content.end()));
    switch (which) {
    case OverrideFile::Weapons:
        return ReadWeapons(stream);
    case OverrideFile::Perks:
        return ReadPerks(stream);
    case OverrideFile::Movement:
        return ReadMovement(stream);
    case OverrideFile::DropDown:
        return ReadDropDown(content);
    case OverrideFile::Screen:
        return ReadScreen(content);
    case OverrideFile::Custom:
    case OverrideFile::Count:
        return ReadCustom(content);
    }
}

} // namespace aw
