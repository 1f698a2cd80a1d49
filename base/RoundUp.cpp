#include "base/RoundUp.h"

#include <cmath>

namespace aw {

int32_t RoundUp(double x)
{
    constexpr int32_t cap = 2147483646;
    const double truncated = std::trunc(x);
    int32_t r;
    if (!(x <= cap) || truncated < -2147483648.0)
        r = cap; // too large, NaN, or below the 32-bit range
    else
        r = static_cast<int32_t>(truncated);
    if (x - truncated != 0.0 && r < 2147483647)
        r = r + 1;
    return r;
}

namespace {

template <typename Real> Real HalfEvenRounded(Real x)
{
    const Real away = std::round(x); // halves away from zero
    // The difference is exact (the two lie within a factor of two of each other), so a
    // tie is recognised reliably; x / 2 is exact too, and rounding it finds the even side.
    if (std::fabs(away - x) == Real(0.5))
        return 2 * std::round(x / 2);
    return away;
}

} // namespace

double RoundHalfEven(double x) { return HalfEvenRounded(x); }

long double RoundHalfEven(long double x) { return HalfEvenRounded(x); }

} // namespace aw
