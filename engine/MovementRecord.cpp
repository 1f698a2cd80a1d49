#include "engine/MovementRecord.h"

#include "base/Stream.h"

namespace aw {

namespace {
// Offsets of the stored image.
constexpr int kModeName = 0;
constexpr int kCustomMode = 33;
constexpr int kFlight = 34;
constexpr int kCanFly = 35;
constexpr int kTopSpeed = 36;
constexpr int kStallSpeed = 44;
constexpr int kHasStall = 52;
constexpr int kManeuver = 53;
constexpr int kLibraryIndex = 57;
} // namespace

MovementRecord ReadMovementRecord(const uint8_t *p)
{
    MovementRecord r;
    r.ModeName = bytes::GetShortString(p + kModeName, MovementRecord::ModeNameCapacity);
    r.CustomMode = p[kCustomMode] != 0;
    r.Flight = p[kFlight] != 0;
    r.CanFly = p[kCanFly] != 0;
    r.TopSpeed = bytes::GetDouble(p + kTopSpeed);
    r.StallSpeed = bytes::GetDouble(p + kStallSpeed);
    r.HasStall = p[kHasStall] != 0;
    r.Maneuver = bytes::GetInt32(p + kManeuver);
    r.LibraryIndex = bytes::GetInt32(p + kLibraryIndex);
    return r;
}

void WriteMovementRecord(const MovementRecord &record, uint8_t *p)
{
    bytes::PutShortString(p + kModeName, MovementRecord::ModeNameCapacity, record.ModeName);
    p[kCustomMode] = record.CustomMode ? 1 : 0;
    p[kFlight] = record.Flight ? 1 : 0;
    p[kCanFly] = record.CanFly ? 1 : 0;
    bytes::PutDouble(p + kTopSpeed, record.TopSpeed);
    bytes::PutDouble(p + kStallSpeed, record.StallSpeed);
    p[kHasStall] = record.HasStall ? 1 : 0;
    bytes::PutInt32(p + kManeuver, record.Maneuver);
    bytes::PutInt32(p + kLibraryIndex, record.LibraryIndex);
}

} // namespace aw
