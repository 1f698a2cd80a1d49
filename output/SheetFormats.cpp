#include "output/SheetFormats.h"

namespace aw {

std::string SheetFormats::Integer(int64_t value) const { return number::Integer(value); }

std::string SheetFormats::Signed(int64_t value) const { return number::Signed(value); }

std::string SheetFormats::General(double value) const { return number::General(value, 15, m_separators); }

std::string SheetFormats::Grouped0(double value) const { return number::Grouped(value, 0, m_separators); }

std::string SheetFormats::Grouped2(double value) const { return number::Grouped(value, 2, m_separators); }

std::string SheetFormats::Damage(int64_t damage) const { return "x" + Integer(damage); }

std::string SheetFormats::QuantityPrefix(int64_t quantity) const
{
    return quantity >= 2 ? Integer(quantity) + " x" : "";
}

std::string SheetFormats::AuxMark(int32_t aux) const { return aux != 0 ? "AUX" : ""; }

} // namespace aw
