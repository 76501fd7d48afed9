#pragma once

#include <cstdint>

// Colours as the game stores them, in themes and on the side panel:
// 0x00BBGGRR, red in the low byte. The rules never look at them.
using ColorRef = uint32_t;
inline constexpr ColorRef kColorBlack = 0x000000;
inline constexpr ColorRef kColorRed = 0x0000FF;
inline constexpr ColorRef kColorGreen = 0x00FF00;
inline constexpr ColorRef kColorWhite = 0xFFFFFF;
