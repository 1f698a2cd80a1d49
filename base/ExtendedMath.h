#pragma once

#include <cmath>
#include <cstdint>

namespace aw {

// Rule arithmetic: every product is formed in extended precision (80-bit on x86-64)
// and stored back as a 64-bit double after each step.
inline double MultiplyExtended(double value, long double factor)
{
    return static_cast<double>(static_cast<long double>(value) * factor);
}

// A 64-bit integer brought into the 32-bit range (saturating).
inline int32_t SaturateInt32(int64_t value)
{
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

// The integer part of a double, saturating at the 64-bit range (NaN gives 0).
inline int64_t TruncToInt64(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 9.2e18)
        return INT64_MAX;
    if (value <= -9.2e18)
        return INT64_MIN;
    return static_cast<int64_t>(value);
}

} // namespace aw
