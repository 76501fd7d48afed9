#include "ColorLine.h"

#include "DecimalText.h"

#include <algorithm>
#include <array>
#include <cstdint>

std::optional<ColorRef> ParseColorLine(std::string_view line)
{
    std::array<int32_t, 3> values{};
    bool fieldsLeft = true;
    for (int32_t& value : values) {
        if (!fieldsLeft)
            return std::nullopt;
        const size_t space = line.find(' ');
        const std::string_view field = line.substr(0, space);
        fieldsLeft = space != std::string_view::npos;
        if (fieldsLeft)
            line.remove_prefix(space + 1);

        // Each field is a 16-bit whole number; "-0.4" rounds to zero, not below it.
        const auto parsed = ParseRounded(field, kColourField, INT16_MIN, INT16_MAX);
        if (!parsed || *parsed < 0)
            return std::nullopt;
        value = static_cast<int32_t>(std::min<int64_t>(*parsed, 255));
    }
    return static_cast<ColorRef>(values[0]) | static_cast<ColorRef>(values[1]) << 8 |
           static_cast<ColorRef>(values[2]) << 16;
}
