#include "ColorLine.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// One field as a 16-bit whole number: an optional sign, digits, and an
// optional fraction after a point. The rounding is done on the decimal
// digits themselves, so "2.5" gives 2 and "2.50000000000000001" gives 3
// without any floating-point doubt.
std::optional<int32_t> ParseField(std::string_view field)
{
    bool negative = false;
    if (!field.empty() && (field.front() == '+' || field.front() == '-')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    const size_t point = field.find('.');
    const std::string_view whole = field.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : field.substr(point + 1);
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    if (!std::all_of(whole.begin(), whole.end(), IsDigit) || !std::all_of(fraction.begin(), fraction.end(), IsDigit))
        return std::nullopt;

    int64_t magnitude = 0;
    for (char c : whole) {
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 100000)  // far outside 16 bits; stop before it can overflow
            return std::nullopt;
    }
    if (!fraction.empty()) {
        const bool beyondHalf = std::any_of(fraction.begin() + 1, fraction.end(), [](char c) { return c != '0'; });
        const char first = fraction.front();
        if (first > '5' || (first == '5' && (beyondHalf || magnitude % 2 == 1)))
            ++magnitude;
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < INT16_MIN || value > INT16_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace

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

        auto parsed = ParseField(field);
        // A value that rounds to zero from below ("-0.4") is zero, not negative.
        if (!parsed || *parsed < 0)
            return std::nullopt;
        value = std::min<int32_t>(*parsed, 255);
    }
    return static_cast<ColorRef>(values[0]) | static_cast<ColorRef>(values[1]) << 8 |
           static_cast<ColorRef>(values[2]) << 16;
}
