#pragma once

#include "engine/DesignFields.h"

namespace aw {

// The keys of the JSON form besides the design's own names (engine/DesignFields.h), and
// the texts that stand for the real numbers JSON has no number for. Shared by the writer
// and the reader.
namespace designjson {

using namespace designfields;

inline constexpr const char *kFormat = "format";
inline constexpr const char *kVersion = "version";

inline constexpr const char *kNaN = "NaN";
inline constexpr const char *kInfinity = "Infinity";
inline constexpr const char *kMinusInfinity = "-Infinity";

} // namespace designjson

} // namespace aw
