#pragma once

#include "storage/DesignJsonError.h"

#include <memory>
#include <string>

namespace aw {

class BaseVehicle;
class Vehicle;

// The JSON form of a whole design (docs/design-json.md): every field, list, weapon, clip,
// section and link, the picture as base64. Texts are UTF-8 in the JSON and Windows-1252 in
// the design. Reading the written form back gives a design whose body is the same, byte
// for byte.
constexpr const char *kDesignJsonFormat = "armorwright-design";
constexpr int kDesignJsonVersion = 1;

// The design as JSON text: indented by two blanks, keys in the design's field order,
// ended by a line break.
std::string DesignToJson(const BaseVehicle &vehicle);

// Reads a design from JSON text. Fields left out keep the values of a new design (or of a
// cleared record); unknown fields, fields given twice, wrong types, numbers out of range, texts longer than
// their field or with characters Windows-1252 cannot hold, and a picture that is not a
// readable bitmap are refused. Throws DesignJsonError naming the first bad value.
std::unique_ptr<Vehicle> DesignFromJson(const std::string &json);

} // namespace aw
