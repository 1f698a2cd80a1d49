#pragma once

#include <cstdint>
#include <string>

namespace aw {

// One movement system: the element of the vehicle's movement list, of the movement
// library and of the design file, stored as a fixed 61-byte image.
struct MovementRecord {
    static constexpr int Size = 61;
    static constexpr int ModeNameCapacity = 32;

    std::string ModeName;      // e.g. "Walker"
    bool CustomMode = false;   // the mode name is typed by the user
    bool Flight = false;       // speed points are 30 km/h instead of 6
    bool CanFly = false;       // the editor offers the flight check box
    double TopSpeed = 0.0;     // km/h
    double StallSpeed = 0.0;   // km/h
    bool HasStall = false;     // the stall speed can be edited
    int32_t Maneuver = 0;      // kept <= 0 by the editors
    int32_t LibraryIndex = -1; // position in the movement library; no calculation reads it

    bool operator==(const MovementRecord &) const = default;
};

// Reads a record from its byte image (MovementRecord::Size bytes at p).
MovementRecord ReadMovementRecord(const uint8_t *p);
// Writes the record's byte image (MovementRecord::Size bytes at p); unused text bytes are 0.
void WriteMovementRecord(const MovementRecord &record, uint8_t *p);

} // namespace aw
