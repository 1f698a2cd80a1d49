#pragma once

#include <cstdint>

// The integer part of x plus 1 when x has a fractional part, capped at 2147483646.
// For negative x with a fraction this is one more than the truncation (-0.5 gives 1).
int32_t RoundUp(double x);
