#pragma once

#include "ColorRef.h"

#include <optional>
#include <string_view>

// A colour line of a theme file: red, green and blue as decimal numbers
// separated by single spaces, e.g. "255 0 255". Returns the colour as
// 0x00BBGGRR, or nothing when the line is invalid (fewer than three fields,
// an empty or non-numeric field, a negative value, or one outside 16 bits).
// Fractions round half to even; values above 255 count as 255; fields after
// the third are ignored.
std::optional<ColorRef> ParseColorLine(std::string_view line);
