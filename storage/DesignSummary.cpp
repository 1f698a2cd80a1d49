#include "storage/DesignSummary.h"

#include "base/ArmorwrightError.h"
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
    std::error_code ignored;
    summary.FileSize = std::filesystem::file_size(file, ignored);
    if (ignored)
        summary.FileSize = 0;
    summary.LastChange = std::filesystem::last_write_time(file, ignored);
    try {
        OpenedDesignFile opened = OpenAsEditor(file.string());
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

} // namespace aw
