#pragma once

#include "engine/DesignFileError.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace aw {

class BaseVehicle;
class Stream;
class Vehicle;

// The version mark written at the start of every design body; 6 is read as well.
constexpr int32_t kDesignBodyVersion = 7;

// A design read from a body or a file.
struct LoadedDesign {
    std::unique_ptr<Vehicle> Design;
    // Empty, or what was left out while reading (a picture that cannot be shown). UTF-8: it
    // names the file; its other texts are ASCII.
    std::string Warning;
};

// What a design body holds: the whole design, or all but its large fields (the picture and
// the long texts), which then read back empty. The latter is for holders that keep those
// fields apart (the undo history).
enum class BodyContent { Whole, WithoutLargeFields };

// The long texts in their stored order.
std::array<std::string BaseVehicle::*, 3> LongTextFields();

// Writes the design body at the stream's position: the version mark, the fixed part, the
// picture, the movement systems, the three long texts, the perks, flaws and defects and the
// weapons. Unused bytes of text fields are written as zeros.
void SaveToStream(const BaseVehicle &vehicle, Stream &stream, BodyContent content = BodyContent::Whole);

// Reads a design body from the stream's position into a fresh design, so a body that
// cannot be read never leaves a design half replaced. `fileName` names the file in messages.
// Throws DesignFileError for an unknown version mark and for a body that ends early or
// whose counts and lengths claim more bytes than remain. An unreadable picture is left
// out and reported in Warning.
LoadedDesign LoadFromStream(Stream &stream, const std::string &fileName);

// Writes the design body, compressed, to path. The file is replaced atomically: on failure
// (FileError) the previous file stays as it was.
void SaveDesignFile(const BaseVehicle &vehicle, const std::string &path);

// Reads the design file at path. The design comes back with FileName set to path and
// Modified cleared. Throws FileError when the file cannot be read and DesignFileError
// when it is not a design file or is damaged.
LoadedDesign LoadDesignFile(const std::string &path);

} // namespace aw
