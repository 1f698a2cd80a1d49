#include "storage/DesignSummary.h"

#include "base/ArmorwrightError.h"
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

} // namespace

DesignSummary SummarizeDesignFile(const std::filesystem::path &file)
{
    DesignSummary summary;
    summary.File = file;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error)
        summary.FileSize = size;
    const std::filesystem::file_time_type lastChange = std::filesystem::last_write_time(file, error);
    if (!error)
        summary.LastChange = lastChange;
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

std::int64_t LastChangeSeconds(const DesignSummary &summary)
{
    using namespace std::chrono;
    return duration_cast<seconds>(file_clock::to_sys(summary.LastChange).time_since_epoch()).count();
}

} // namespace aw
