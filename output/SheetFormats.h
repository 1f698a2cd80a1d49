#pragma once

#include "base/NumberFormat.h"

#include <cstdint>
#include <string>

namespace aw {

// The number formats of the text and HTML sheets, with the thousands and decimal separators
// of a chosen locale.
class SheetFormats {
public:
    explicit SheetFormats(NumberSeparators separators = {}) : m_separators(separators) {}

    NumberSeparators Separators() const { return m_separators; }

    // Plain decimal, "-" before negative values.
    std::string Integer(int64_t value) const;
    // As Integer with "+" before values above 0.
    std::string Signed(int64_t value) const;
    // Shortest text with at most 15 significant digits.
    std::string General(double value) const;
    // Thousands separators, rounded to a whole number (1,235).
    std::string Grouped0(double value) const;
    // Thousands separators and exactly two decimals (1,234.50).
    std::string Grouped2(double value) const;

    // The texts of the weapons and perk blocks.
    // A damage multiplier: "x" before the number ("x12").
    std::string Damage(int64_t damage) const;
    // The count before a weapon name when a line holds two or more ("3 x"); empty otherwise.
    std::string QuantityPrefix(int64_t quantity) const;
    // "AUX" for an auxiliary perk, flaw or defect (aux non-zero); empty otherwise.
    std::string AuxMark(int32_t aux) const;

private:
    NumberSeparators m_separators;
};

} // namespace aw
