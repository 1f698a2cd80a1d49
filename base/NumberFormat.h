#pragma once

#include <cstdint>
#include <string>

namespace aw {

// The number formats shown across the program: in log lines, result labels and sheets.
// Separators are parameters so the sheets can follow a locale; the defaults are "," and ".".
struct NumberSeparators {
    char Thousands = ',';
    char Decimal = '.';
};

namespace number {

// Plain decimal integer, "-" before negative values.
std::string Integer(int64_t value);
// As Integer, with "+" before values above 0 (+2, 0, -1).
std::string Signed(int64_t value);
// Shortest text with at most `digits` significant digits: no trailing zeros, no decimal
// separator for whole values, scientific ("1E-6", "1.5E20") only below 0.00001 or with more
// integer digits than `digits`.
std::string General(double value, int digits = 15, NumberSeparators seps = {});
// As General, with the fewest significant digits (up to `digits`) that read back as the same
// double: 0.1 gives "0.1" where General(0.1, 18) gives "0.100000000000000006".
std::string Shortest(double value, int digits, NumberSeparators seps = {});
// Fixed with `decimals` decimals, no thousands separators; halves round away from zero.
std::string Fixed(double value, int decimals, NumberSeparators seps = {});
// Thousands separators and exactly `decimals` decimals (0 gives a whole number: 1,235).
std::string Grouped(double value, int decimals, NumberSeparators seps = {});

// Parses text as a decimal integer (optional sign, a leading "+" accepted). False when it does not parse.
bool ParseInteger(const std::string &text, int32_t &value);
// Parses text as a real number with the given decimal separator and optionally thousands
// separators where they group the integer digits by three. False when it does not parse.
bool ParseReal(const std::string &text, double &value, NumberSeparators seps = {}, bool allowThousands = false);

} // namespace number

} // namespace aw
