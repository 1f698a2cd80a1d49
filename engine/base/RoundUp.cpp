#include "engine/base/RoundUp.h"

#include <cmath>

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
