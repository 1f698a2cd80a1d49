#pragma once

#include <cstdint>

namespace aw {

// The integer part of x plus 1 when x has a fractional part, capped at 2147483646.
// For negative x with a fraction this is one more than the truncation (-0.5 gives 1).
int32_t RoundUp(double x);

// The nearest whole number, halves to the even neighbour (0.5 gives 0, 2.5 gives 2, 3.5
// gives 4, -2.5 gives -2): the rules' "round" for speeds, sizes, the threat value sum and
// ammunition cents. NaN and infinities pass through. Does not depend on the floating-point
// rounding mode.
double RoundHalfEven(double x);
long double RoundHalfEven(long double x);

} // namespace aw
