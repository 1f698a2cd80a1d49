#pragma once

#include "base/FileTime.h"
#include "engine/DesignOutcome.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace aw {

// What one design file shows at a glance, as the editor would show it right after opening
// it: the library's row and a roster's entry.
struct DesignSummary {
    std::filesystem::path File;
    std::string Error;   // UTF-8 reason the file could not be read; the design's fields are empty then
    std::string Warning; // UTF-8, what was left out while reading (an unreadable picture), or empty
    // Windows-1252 as in the design.
    std::string Name;
    std::string VehicleType;
    std::string CurrencyName;
    std::string MovementModes; // the mode names of the movement systems, ", " between them
    DesignOutcome Outcome;
    int WeaponCount = 0;
    // The file as it was just before it was read; a later change of either means a new read.
    std::uintmax_t FileSize = 0;
    FileTime LastChange;
};

// Opens the file as the editor does and summarizes it. Never throws for a missing or damaged
// file: Error tells why, and FileSize and LastChange are still filled where the file exists.
DesignSummary SummarizeDesignFile(const std::filesystem::path &file);

// Whether the file now has another size or modification time than when the summary was read
// (one that came or went counts as changed).
bool FileChangedSince(const DesignSummary &summary);

// When the file last changed, in seconds since 1970-01-01 UTC.
std::int64_t LastChangeSeconds(const DesignSummary &summary);

} // namespace aw
