#pragma once

#include <string_view>

// The colour vocabulary of the board. Colours are compared exactly (case
// included) by the flood fill and the painter; emptiness is tested
// case-insensitively, because removal writes "None" and gravity writes "none".
namespace BrickColors {
inline constexpr std::string_view Red = "Red";
inline constexpr std::string_view Blue = "Blue";
inline constexpr std::string_view Green = "Green";
inline constexpr std::string_view Yellow = "Yellow";
inline constexpr std::string_view RemovedMarker = "None";  // written by removal
inline constexpr std::string_view FallenMarker = "none";   // written by gravity

constexpr bool IsEmpty(std::string_view color)
{
    if (color.size() != 4)
        return false;
    constexpr std::string_view none = "none";
    for (size_t i = 0; i < 4; ++i) {
        char c = color[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != none[i])
            return false;
    }
    return true;
}
}  // namespace BrickColors
