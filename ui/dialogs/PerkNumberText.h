#pragma once

#include <QString>

#include <cstdint>

namespace aw {

// The number texts of the perk editor: real numbers in the shortest general form with
// the user's decimal separator, integers plain. Parsing fails (false) on anything else,
// so a box with such text keeps its stored value.
namespace perktext {
QString Real(double value);
QString Integer(int64_t value);
bool ParseReal(const QString &text, double &value);
bool ParseInteger(const QString &text, int32_t &value);
} // namespace perktext

} // namespace aw
