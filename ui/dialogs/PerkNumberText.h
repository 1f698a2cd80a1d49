#pragma once

#include <QString>

#include <cstdint>

namespace aw {

// The number texts of the perk editor: real numbers in the shortest general form, integers
// plain. Parsing an integer fails (false) on anything else, so a box with such text keeps its
// stored value.
namespace perktext {
QString Real(double value);
QString Integer(int64_t value);
bool ParseInteger(const QString &text, int32_t &value);
} // namespace perktext

} // namespace aw
