#pragma once

#include "RoundHalfEven.h"

#include <cstdint>
#include <optional>
#include <string_view>

// Numbers typed by the player or stored in "Settings.log". Accepted: blanks
// (spaces, tabs) around an optionally signed decimal number with an optional
// fraction and an optional exponent ("12", " 12 ", "-3", "2.5", ".5", "1e3").
// Not accepted: empty text, thousands separators, hexadecimal, "inf", "nan",
// anything else around the number, and values beyond a double's range.
std::optional<double> ParseNumber(std::string_view text);

// A number as a 32-bit whole number: rounded to the nearest, halves to the
// even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2); a result outside the
// 32-bit range does not convert.
std::optional<int32_t> ParseWholeNumber(std::string_view text);
std::optional<int32_t> RoundToInt32(double value);
