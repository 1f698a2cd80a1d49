#include "storage/Libraries.h"

#include "base/Utf8Path.h"
#include "codec/LzhCompressor.h"
#include "engine/PerkTemplates.h"
#include "storage/CustomWeaponFile.h"
#include "storage/DataBlock.h"
#include "storage/RecordStream.h"

#include <algorithm>
#include <functional>
#include <iterator>
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

// Runs the loading steps one after another: a step that fails is reported and the next one
// runs all the same. The report at the end names every file that failed.
class LoadSteps {
public:
    // Returns whether the step succeeded. `damaged` words the codec's message about a
    // damaged file so that it names the file; a file that cannot be read is named already.
    template <class Step> bool Run(Step &&step, const std::function<ErrorText(const std::string &)> &damaged = {})
    {
        try {
            step();
            return true;
        } catch (const LZHException &e) {
            Report(damaged ? damaged(e.Utf8()) : ErrorText().SystemText(e.Utf8()));
        } catch (const ArmorwrightError &e) {
            Report(ErrorText().SystemText(e.Utf8()));
        }
        return false;
    }

    void ThrowIfAnyFailed() const
    {
        if (m_failed)
            throw LibraryLoadError(m_report);
    }

private:
    void Report(const ErrorText &failure)
    {
        if (m_failed)
            m_report.SystemText("\n" + failure.Utf8());
        else
            m_report = failure;
        m_failed = true;
    }

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
    LoadSteps steps;

    pump();
    steps.Run([&] {
        const std::filesystem::path screenFile = PathFromUtf8(folders.Settings + kScreenFile);
        if (FileExists(screenFile))
            libraries.Positions.ReadFrom(ReadWholeFile(screenFile));
    });
    const std::string customFile = folders.Settings + kCustomWeaponFile;
    libraries.CustomFileUnreadable = !steps.Run(
        [&] {
            const std::vector<WeaponRecord> records = ReadCustomWeaponFile(folders.Settings);
            for (const WeaponRecord &record : records)
                libraries.AddWeapon(record);
            // Records of the other tabs are not written back: then the file differs from the list.
            if (std::all_of(records.begin(), records.end(),
                            [](const WeaponRecord &r) { return r.WeaponType == kCustomWeaponType; }))
                libraries.CustomFileHolds = records;
        },
        [&](const std::string &message) {
            return ErrorText("The custom weapon file ").File(customFile).SystemText(" is damaged: " + message);
        });

    pump();
    steps.Run([&] {
        Stream weapons = OpenDataBlock("Weapons.zel", "WEAPONS", folders.Data);
        ForEachRecord(weapons, kWeaponRecordSize,
                      [&](const uint8_t *p, int) { libraries.AddWeapon(ReadWeaponRecord(p)); });
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
    steps.ThrowIfAnyFailed();
}

namespace {

std::vector<WeaponRecord> RecordsOf(const BaseWeaponList &list)
{
    std::vector<WeaponRecord> records;
    for (int i = 0; i < list.Count(); ++i)
        records.push_back(list.Get(i));
    return records;
}

// Takes out the first record equal to `record`; false when there is none.
bool RemoveOne(std::vector<WeaponRecord> &records, const WeaponRecord &record)
{
    const auto it = std::find(records.begin(), records.end(), record);
    if (it == records.end())
        return false;
    records.erase(it);
    return true;
}

// The custom records in the file now, with the changes made here since the file held
// `known` on top: the records added here go at the end, the ones removed here come out.
std::vector<WeaponRecord> WithOurChangesOnTop(const std::vector<WeaponRecord> &inFile,
                                              const std::vector<WeaponRecord> &known,
                                              const std::vector<WeaponRecord> &ours)
{
    std::vector<WeaponRecord> merged;
    std::copy_if(inFile.begin(), inFile.end(), std::back_inserter(merged),
                 [](const WeaponRecord &r) { return r.WeaponType == kCustomWeaponType; });
    std::vector<WeaponRecord> added = ours;
    for (const WeaponRecord &record : known)
        if (!RemoveOne(added, record))
            RemoveOne(merged, record);
    merged.insert(merged.end(), added.begin(), added.end());
    return merged;
}

} // namespace

void SaveCustomWeapons(Libraries &libraries, const std::string &folder)
{
    BaseWeaponList &custom = libraries.CustomWeapons();
    std::vector<WeaponRecord> records = RecordsOf(custom);
    if (libraries.CustomFileHolds == records)
        return;
    if (libraries.CustomFileUnreadable) {
        // A file the program could not read may still be repaired: it is never replaced or deleted.
        if (records.empty())
            return;
        SetAsideCustomWeaponFile(folder);
        libraries.CustomFileUnreadable = false;
    } else if (libraries.CustomFileHolds) {
        // Another window of the program may have saved its own changes since: they stay.
        std::vector<WeaponRecord> inFile;
        try {
            inFile = ReadCustomWeaponFile(folder);
        } catch (const ArmorwrightError &) {
            SetAsideCustomWeaponFile(folder); // damaged meanwhile: kept, as one damaged at start-up
            inFile = *libraries.CustomFileHolds;
        }
        if (inFile != *libraries.CustomFileHolds) {
            records = WithOurChangesOnTop(inFile, *libraries.CustomFileHolds, records);
            custom.Clear();
            for (const WeaponRecord &record : records)
                custom.Add(record);
        }
    }
    SaveCustomWeaponFile(custom, folder);
    libraries.CustomFileHolds = std::move(records);
}

void SaveSettings(Libraries &libraries, const std::string &folder)
{
    WriteFileAtomically(PathFromUtf8(folder + kScreenFile), libraries.Positions.FileBytes());
    SaveCustomWeapons(libraries, folder);
    libraries.Clear();
}

} // namespace aw
