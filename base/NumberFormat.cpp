#include "base/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace aw {

namespace number {

namespace {

// The exact decimal expansion of |value| rounded half away from zero to `decimals`
// decimals, as integer digits and fraction digits.
struct DecimalParts {
    bool Negative = false;
    std::string IntegerDigits;
    std::string FractionDigits;
};

DecimalParts RoundToDecimals(double value, int decimals)
{
    DecimalParts parts;
    parts.Negative = std::signbit(value);
    // 60 decimals hold the exact expansion far beyond any rounding position we use. to_chars,
    // unlike printf, never follows the process locale's decimal point.
    char buffer[512];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, 60);
    const std::string text(buffer, written.ptr);
    const size_t point = text.find('.');
    std::string digits = text.substr(0, point) + text.substr(point + 1);
    size_t integerCount = point;
    size_t keep = integerCount + static_cast<size_t>(decimals);
    bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        int i = static_cast<int>(keep) - 1;
        while (i >= 0 && digits[static_cast<size_t>(i)] == '9') {
            digits[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0)
            ++digits[static_cast<size_t>(i)];
        else {
            digits.insert(digits.begin(), '1');
            ++integerCount;
        }
    }
    parts.IntegerDigits = digits.substr(0, integerCount);
    size_t firstNonZero = parts.IntegerDigits.find_first_not_of('0');
    parts.IntegerDigits = firstNonZero == std::string::npos ? "0" : parts.IntegerDigits.substr(firstNonZero);
    parts.FractionDigits = digits.substr(integerCount);
    if (parts.IntegerDigits == "0" && parts.FractionDigits.find_first_not_of('0') == std::string::npos)
        parts.Negative = false; // no "-0"
    return parts;
}

std::string GroupDigits(const std::string &digits, char separator)
{
    std::string out;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

std::string JoinParts(const DecimalParts &parts, const std::string &integerText, char decimal)
{
    std::string out = parts.Negative ? "-" : "";
    out += integerText;
    if (!parts.FractionDigits.empty()) {
        out += decimal;
        out += parts.FractionDigits;
    }
    return out;
}

// Lays out to_chars' scientific text ([-]d.dddde[+-]xx) as General does.
std::string LayoutGeneral(std::string text, int digits, NumberSeparators seps)
{
    const bool negative = text[0] == '-';
    if (negative)
        text.erase(0, 1);
    const size_t e = text.find('e');
    const size_t exponentStart = e + (text[e + 1] == '+' ? 2 : 1);
    int exponent = 0;
    std::from_chars(text.data() + exponentStart, text.data() + text.size(), exponent);
    std::string mantissa = text.substr(0, 1) + (e > 1 ? text.substr(2, e - 2) : std::string());
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent < -5 || exponent >= digits) {
        out += mantissa[0];
        if (mantissa.size() > 1) {
            out += seps.Decimal;
            out += mantissa.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent);
        return out;
    }
    if (exponent < 0) {
        out += '0';
        out += seps.Decimal;
        out += std::string(static_cast<size_t>(-exponent - 1), '0');
        out += mantissa;
        return out;
    }
    const size_t integerCount = static_cast<size_t>(exponent) + 1;
    if (mantissa.size() <= integerCount)
        return out + mantissa + std::string(integerCount - mantissa.size(), '0');
    return out + mantissa.substr(0, integerCount) + seps.Decimal + mantissa.substr(integerCount);
}

// NAN, INF and 0, which General and Shortest write alike; empty for other values.
std::string SpecialValue(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0.0)
        return "0";
    return {};
}

} // namespace

std::string Integer(int64_t value) { return std::to_string(value); }

std::string Signed(int64_t value) { return value > 0 ? "+" + std::to_string(value) : std::to_string(value); }

std::string General(double value, int digits, NumberSeparators seps)
{
    if (std::string special = SpecialValue(value); !special.empty())
        return special;
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1);
    return LayoutGeneral(std::string(buffer, written.ptr), digits, seps);
}

std::string Shortest(double value, int digits, NumberSeparators seps)
{
    if (std::string special = SpecialValue(value); !special.empty())
        return special;
    // Without a precision to_chars writes the shortest digits that read back exactly.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string text(buffer, written.ptr);
    const auto significant = std::count_if(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(text.find('e')),
                                           [](char c) { return c >= '0' && c <= '9'; });
    if (significant > digits)
        return General(value, digits, seps);
    return LayoutGeneral(std::move(text), digits, seps);
}

std::string Fixed(double value, int decimals, NumberSeparators seps)
{
    if (!std::isfinite(value))
        return General(value);
    const DecimalParts parts = RoundToDecimals(value, decimals);
    return JoinParts(parts, parts.IntegerDigits, seps.Decimal);
}

std::string Grouped(double value, int decimals, NumberSeparators seps)
{
    if (!std::isfinite(value))
        return General(value);
    const DecimalParts parts = RoundToDecimals(value, decimals);
    return JoinParts(parts, GroupDigits(parts.IntegerDigits, seps.Thousands), seps.Decimal);
}

namespace {

// Reads the whole text as a number with from_chars, which follows no locale but takes no
// leading "+" (accepted here) and no white space (refused).
template <typename Number> bool ParseWhole(const std::string &text, Number &value)
{
    const size_t start = text.size() > 1 && text[0] == '+' && text[1] != '-' ? 1 : 0;
    Number v{};
    const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), v);
    if (text.size() == start || error != std::errc() || end != text.data() + text.size())
        return false;
    value = v;
    return true;
}

// True when the integer part has no thousands separator, or has them where Grouped writes
// them: "1,250" and "12,345,678" but not "3,5" (a decimal comma that would read as 35).
bool ThousandsInGroupsOfThree(const std::string &integerPart, char thousands)
{
    const size_t first = integerPart.find(thousands);
    if (first == std::string::npos)
        return true;
    const size_t signLength = integerPart[0] == '+' || integerPart[0] == '-' ? 1 : 0;
    auto digits = [&](size_t from, size_t to) {
        return std::all_of(integerPart.begin() + static_cast<std::ptrdiff_t>(from),
                           integerPart.begin() + static_cast<std::ptrdiff_t>(to),
                           [](char c) { return c >= '0' && c <= '9'; });
    };
    if (first <= signLength || first - signLength > 3 || !digits(signLength, first))
        return false;
    for (size_t at = first; at < integerPart.size(); at += 4)
        if (integerPart[at] != thousands || integerPart.size() - at < 4 || !digits(at + 1, at + 4))
            return false;
    return true;
}

} // namespace

bool ParseInteger(const std::string &text, int32_t &value) { return ParseWhole(text, value); }

bool ParseReal(const std::string &text, double &value, NumberSeparators seps, bool allowThousands)
{
    if (allowThousands && !ThousandsInGroupsOfThree(text.substr(0, text.find(seps.Decimal)), seps.Thousands))
        return false;
    std::string plain;
    bool seenDecimal = false;
    for (char c : text) {
        if (allowThousands && c == seps.Thousands && !seenDecimal)
            continue;
        if (c == seps.Decimal) {
            seenDecimal = true;
            plain += '.';
        } else if (c == '.' || c == ',' || c == ' ' || c == '\t') {
            return false;
        } else {
            plain += c;
        }
    }
    double v = 0;
    if (!ParseWhole(plain, v) || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

} // namespace number

} // namespace aw
