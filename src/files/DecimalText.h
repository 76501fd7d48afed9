#pragma once

#include <optional>
#include <string_view>

// The one grammar of decimal numbers in our text files: an optional sign,
// then digits with an optional fraction after a point, at least one digit in
// all ("12", "-3", "2.5", ".5", "5."), and, where the file allows one, an
// exponent ("1e3", "2E-2"). Nothing else: no blanks, no thousands separators,
// no hexadecimal, no "inf" or "nan". Each reader decides what surrounds a
// number and how it turns the digits into a value.
struct DecimalText {
    bool negative = false;
    std::string_view whole;     // the digits before the point
    std::string_view fraction;  // the digits after it
    std::string_view magnitude; // the number without its sign, exponent included
};

enum class Exponent { Allowed, NotAllowed };

std::optional<DecimalText> ScanDecimal(std::string_view text, Exponent exponent);
