#include "fuzz/entries/FuzzEntries.h"

#include "engine/DesignResults.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "output/PrintJob.h"
#include "storage/CustomWeaponFile.h"
#include "storage/DropDownLists.h"
#include "storage/Libraries.h"
#include "storage/RecordStream.h"
#include "codec/LzhCompressor.h"
#include "tests/support/TempFolder.h"
#include "weapons/WeaponList.h"

#include <fstream>

namespace {

// Library entries reach a design when the user picks them: the first few of a file are put
// into one design, whose results and sheet values are then computed.
constexpr int kMountedEntries = 8;

void useDesign(TVehicle &vehicle)
{
    ComputeResults(vehicle);
    MakePrintJob(vehicle);
}

void weapons(TStream &content)
{
    TLibraries libraries;
    TVehicle vehicle;
    vehicle.FinalSize = 10;
    ForEachRecord(content, kWeaponRecordSize, [&](const uint8_t *p, int n) {
        const TWeaponRecord record = ReadWeaponRecord(p);
        libraries.AddWeapon(record);
        if (n < kMountedEntries)
            vehicle.Weapons->AddRecord(record);
    });
    for (int type = 0; type < kWeaponTypeCount; ++type)
        libraries.WeaponList(type).Sort(1 + type);
    useDesign(vehicle);
}

void perks(TStream &content)
{
    TLibraries libraries;
    TVehicle vehicle;
    ForEachRecord(content, TPerkRecord::Size, [&](const uint8_t *p, int n) {
        const TPerkRecord record = ReadPerkRecord(p);
        (record.IsFlaw ? libraries.Flaws : libraries.Perks).Add(record);
        if (n < kMountedEntries)
            (n % 3 == 0 ? *vehicle.Perks : n % 3 == 1 ? *vehicle.Flaws : *vehicle.Defects).Add(record);
    });
    useDesign(vehicle);
}

void movement(TStream &content)
{
    TVehicle vehicle;
    ForEachRecord(content, TMovementRecord::Size, [&](const uint8_t *p, int n) {
        TMovementRecord record = ReadMovementRecord(p);
        record.LibraryIndex = n;
        if (n < kMountedEntries)
            vehicle.Movement->Add(record);
    });
    useDesign(vehicle);
}

void dropDown(std::span<const uint8_t> content)
{
    const std::string text(content.begin(), content.end());
    const TDropDownLists lists = SplitDropDownLists(text);
    size_t characters = 0;
    for (const auto &list : lists)
        for (const std::string &entry : list)
            characters += entry.size();
    if (characters > text.size())
        throw EFuzzFinding("drop-down entries hold more characters than the text");
}

void screen(std::span<const uint8_t> content)
{
    TWindowPositionStore store;
    store.ReadFrom(std::vector<uint8_t>(content.begin(), content.end()));
    const std::vector<uint8_t> written = store.FileBytes();
    if (written.size() != TWindowPositionStore::kFileSize)
        throw EFuzzFinding("the settings file is not of its fixed size");
    const size_t common = std::min(written.size(), content.size() / 4 * 4);
    if (!std::equal(written.begin(), written.begin() + static_cast<std::ptrdiff_t>(common), content.begin()))
        throw EFuzzFinding("the settings read are not the settings written");
    for (int slot = -1; slot <= TWindowPositionStore::kSlots; ++slot) {
        TWindowRect rect;
        store.RestoreWindowPosition(slot, rect);
    }
    TLayoutValues values{};
    store.GetLayoutValues(values);
}

// "Custom.zel" is read from a folder: one per process, the file rewritten for each input.
const std::string &customFolder()
{
    static const TTempFolder folder;
    static const std::string path = folder.Folder();
    return path;
}

void custom(std::span<const uint8_t> content)
{
    {
        std::ofstream out(customFolder() + kCustomWeaponFile, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(content.data()), static_cast<std::streamsize>(content.size()));
    }
    std::vector<TWeaponRecord> records;
    try {
        records = ReadCustomWeaponFile(customFolder());
    } catch (const ELZHException &) {
        return;
    }
    TLibraries libraries;
    for (const TWeaponRecord &record : records)
        libraries.AddWeapon(record);
    // The custom tab saved and read again is the same list.
    const TBaseWeaponList &saved = libraries.CustomWeapons();
    SaveCustomWeaponFile(saved, customFolder());
    const std::vector<TWeaponRecord> reread = ReadCustomWeaponFile(customFolder());
    bool same = static_cast<int>(reread.size()) == saved.Count();
    for (size_t i = 0; same && i < reread.size(); ++i)
        same = reread[i] == saved.Get(static_cast<int>(i));
    if (!same)
        throw EFuzzFinding("custom weapons saved and read again differ");
}

} // namespace

void FuzzOverrideFile(std::span<const uint8_t> data)
{
    if (data.empty())
        return;
    const auto which = static_cast<TOverrideFile>(data[0] % static_cast<uint8_t>(TOverrideFile::Count));
    const std::span<const uint8_t> content = data.subspan(1);
    TStream stream(std::vector<uint8_t>(content.begin(), content.end()));
    switch (which) {
    case TOverrideFile::Weapons:
        return weapons(stream);
    case TOverrideFile::Perks:
        return perks(stream);
    case TOverrideFile::Movement:
        return movement(stream);
    case TOverrideFile::DropDown:
        return dropDown(content);
    case TOverrideFile::Screen:
        return screen(content);
    case TOverrideFile::Custom:
    case TOverrideFile::Count:
        return custom(content);
    }
}
