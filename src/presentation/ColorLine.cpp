#include "ColorLine.h"

#include "DecimalText.h"
#include "RoundHalfEven.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// One field as a 16-bit whole number: an optional sign, digits, and an
// optional fraction after a point. The fraction's digits alone say whether it
// lies below, at or above a half, so "2.5" gives 2 and "2.50000000000000001"
// gives 3 without any floating-point doubt.
std::optional<int32_t> ParseField(std::string_view field)
{
    const auto number = ScanDecimal(field, Exponent::NotAllowed);
    if (!number)
        return std::nullopt;

    int64_t magnitude = 0;
    for (char c : number->whole) {
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 100000)  // far outside 16 bits; stop before it can overflow
            return std::nullopt;
    }
    // Only where the fraction lies matters: below a half, at it, or above it.
    const std::string_view fraction = number->fraction;
    double part = 0.0;
    if (!fraction.empty()) {
        const bool beyondHalf = std::any_of(fraction.begin() + 1, fraction.end(), [](char c) { return c != '0'; });
        if (fraction.front() > '5' || (fraction.front() == '5' && beyondHalf))
            part = 0.75;
        else if (fraction.front() == '5')
            part = 0.5;
    }
    magnitude = static_cast<int64_t>(RoundHalfEven(static_cast<double>(magnitude) + part));
    const int64_t value = number->negative ? -magnitude : magnitude;
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
