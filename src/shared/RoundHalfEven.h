#pragma once

#include <cmath>

// Whole numbers made from fractions go to the nearest, halves to the even
// neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2), whatever the floating-point
// rounding mode happens to be.
inline double RoundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) return below + 1;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}
