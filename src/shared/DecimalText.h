#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The one grammar of decimal numbers in our texts: digits, and where a text
// allows them, blanks (spaces, tabs) around, a sign, a fraction after a point
// ("2.5", ".5", "5.") and an exponent ("1.5E+1"). Never thousands
// separators, hexadecimal, "inf" or "nan". What each text allows:
//
//   "Settings.log" and the new-game dialog   "  -1.5e3 "   everything
//   a colour field of a theme                "-2.5"        sign and fraction
//   a board number                           " 007 "       blanks around
//   a number in a cell key (X12Y3)           "12"          digits, no leading zero
//
// The value is the decimal number as written, never the double nearest to
// it: a whole number is the nearest one, halves to the even neighbour, judged
// on the digits. So "2.5" is 2 and "3.5" is 4, but "2.50000000000000001" lies
// above the half and is 3, in every text alike (a double would hold exactly
// 2.5 and give 2).
struct DecimalRules {
    bool blanks = false;
    bool sign = false;
    bool fraction = false;
    bool exponent = false;
    bool leadingZeros = true;
};

inline constexpr DecimalRules kSettingsNumber{true, true, true, true};
inline constexpr DecimalRules kColourField{false, true, true, false};
inline constexpr DecimalRules kBoardNumberText{true, false, false, false};
inline constexpr DecimalRules kCellKeyNumber{false, false, false, false, false};

struct Decimal {
    // Where the part after the point lies; its digits need no more than that.
    enum class Part { None, BelowHalf, Half, AboveHalf };

    bool negative = false;
    uint64_t whole = 0;  // the digits before the point, held at kHuge when larger
    Part fraction = Part::None;

    static constexpr uint64_t kHuge = 1'000'000'000'000'000'000;

    // Whether the number is above a non-negative `bound`.
    bool Above(uint64_t bound) const { return !negative && (whole > bound || (whole == bound && fraction != Part::None)); }
    // The nearest whole number, halves to even; nothing outside the range.
    std::optional<int64_t> Rounded(int64_t lowest, int64_t highest) const;
};

std::optional<Decimal> ParseDecimal(std::string_view text, DecimalRules rules);

// The text rounded to a whole number within the range, or nothing.
std::optional<int64_t> ParseRounded(std::string_view text, DecimalRules rules, int64_t lowest, int64_t highest);
