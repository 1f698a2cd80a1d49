#include "storage/DesignSummary.h"

#include "base/ArmorwrightError.h"
#include "base/Files.h"
#include "base/Utf8Path.h"
#include "engine/MovementList.h"
#include "engine/OpenedDesignFile.h"
#include "weapons/WeaponList.h"

namespace aw {

namespace {

std::string MovementModesOf(const MovementList &movement)
{
    std::string modes;
    for (int i = 0; i < movement.Count(); ++i)
        modes += (i ? ", " : "") + movement.ModeName(i);
    return modes;
}

// The file's size and modification time, each left as it is where it cannot be had.
void ReadFileStamp(const std::filesystem::path &file, std::uintmax_t &size, FileTime &lastChange)
{
    std::error_code error;
    const std::uintmax_t readSize = std::filesystem::file_size(file, error);
    if (!error)
        size = readSize;
    if (const std::optional<FileTime> readTime = LastWriteTime(file))
        lastChange = *readTime;
}

} // namespace

DesignSummary SummarizeDesignFile(const std::filesystem::path &file)
{
    DesignSummary summary;
    summary.File = file;
    ReadFileStamp(file, summary.FileSize, summary.LastChange);
    try {
        OpenedDesignFile opened = OpenAsEditor(Utf8FromPath(file));
        const Vehicle &vehicle = *opened.Design;
        summary.Warning = std::move(opened.Warning);
        summary.Name = vehicle.Name;
        summary.VehicleType = vehicle.VehicleType;
        summary.CurrencyName = vehicle.CurrencyName;
        summary.MovementModes = MovementModesOf(*vehicle.Movement);
        summary.Outcome = DesignOutcomeOf(vehicle, opened.Results);
        summary.WeaponCount = vehicle.Weapons->Count();
    } catch (const std::exception &e) {
        DesignSummary failed;
        failed.File = file;
        failed.Error = ErrorUtf8(e);
        failed.FileSize = summary.FileSize;
        failed.LastChange = summary.LastChange;
        return failed;
    }
    return summary;
}

bool FileChangedSince(const DesignSummary &summary)
{
    std::uintmax_t size = 0;
    FileTime lastChange;
    ReadFileStamp(summary.File, size, lastChange);
    return size != summary.FileSize || lastChange != summary.LastChange;
}

std::int64_t LastChangeSeconds(const DesignSummary &summary) { return summary.LastChange.Seconds; }

} // namespace aw
