#include "RandomSource.h"

#include "BrickColors.h"

#include <chrono>
#include <cmath>

uint64_t ClockSeed()
{
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
           static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

std::string_view ColorForUnit(double r)
{
    // nearbyint rounds in the default mode, to nearest with halves to even.
    const auto index = static_cast<long>(std::nearbyint(r * 4.0)) % 4;
    switch (index) {
    case 1: return BrickColors::Blue;
    case 2: return BrickColors::Green;
    case 3: return BrickColors::Yellow;
    default: return BrickColors::Red;
    }
}

std::string_view DrawColor(RandomSource& random)
{
    return ColorForUnit(random.NextUnit());
}
