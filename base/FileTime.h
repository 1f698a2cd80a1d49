#pragma once

#include <cstdint>

namespace aw {

// When a file was last written, as the file system keeps it: whole seconds since 1970-01-01
// UTC (negative before) and the nanoseconds past them. Kept in these units rather than as one
// count of nanoseconds, so every date a file system can hold fits.
struct FileTime {
    std::int64_t Seconds = 0;
    std::int32_t Nanoseconds = 0;

    bool operator==(const FileTime &) const = default;
};

} // namespace aw
