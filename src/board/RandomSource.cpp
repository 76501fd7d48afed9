#include "RandomSource.h"

#include "BrickColors.h"
#include "RoundHalfEven.h"

#include <chrono>
#include <cmath>

uint64_t ClockSeed()
{
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
           static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

std::string_view ColorForUnit(double r)
{
    static constexpr std::string_view colors[4] = {BrickColors::Red, BrickColors::Blue, BrickColors::Green,
                                                   BrickColors::Yellow};
    const double scaled = r * 4.0;
    if (!(scaled >= 0.0 && scaled < 4.0)) {
        // Only a scripted draw lands here, and it may be anything: a value
        // beyond any integer type, an infinity or NaN. The remainder is taken
        // in floating point, where it is exact; what has none draws red.
        const double remainder = std::fmod(RoundHalfEven(scaled), 4.0);
        if (std::isnan(remainder))
            return colors[0];
        return colors[static_cast<int>(remainder < 0.0 ? remainder + 4.0 : remainder)];
    }
    // Half to even by hand and without branches: generation draws a million
    // times, the draws are random, and a mispredicted branch costs more than
    // the arithmetic.
    const long whole = static_cast<long>(scaled);
    const double fraction = scaled - static_cast<double>(whole);
    const long up = (fraction > 0.5) | ((fraction == 0.5) & (whole & 1));
    return colors[(whole + up) & 3];
}

std::string_view DrawColor(RandomSource& random)
{
    return ColorForUnit(random.NextUnit());
}
