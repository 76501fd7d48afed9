#include "ColorLine.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct ColorCase {
    const char* name;
    std::string line;
    std::optional<ColorRef> expected;
};

void PrintTo(const ColorCase& c, std::ostream* os)
{
    *os << c.name;
}

class ColorLines : public ::testing::TestWithParam<ColorCase> {};

// Each colour-line rule: three single-space-separated 16-bit numbers, halves
// to even, above 255 counts as 255, anything else invalid.
TEST_P(ColorLines, ParseAsTheThemeFormatSays)
{
    const ColorCase& c = GetParam();
    EXPECT_EQ(ParseColorLine(c.line), c.expected) << '"' << c.line << '"';
}

const ColorCase kCases[] = {
    {"Magenta", "255 0 255", 0xFF00FF},
    {"RedInLowByte", "1 2 3", 0x030201},
    {"TwoNumbers", "255 0", std::nullopt},
    {"Empty", "", std::nullopt},
    {"LeadingSpace", " 255 0 255", std::nullopt},
    {"DoubleSpace", "255  0 255", std::nullopt},
    {"TrailingSpaceMakesAnIgnoredFourthField", "255 0 255 ", 0xFF00FF},
    {"RedOf300Is255", "300 0 0", 0x0000FF},
    {"FourthNumberIgnored", "1 2 3 4", 0x030201},
    {"Negative", "0 -1 0", std::nullopt},
    {"NegativeHalfRoundsToZero", "-0.5 0 0", 0x000000},
    {"NegativeBeyondHalf", "-0.6 0 0", std::nullopt},
    {"Overflow16Bit", "32768 0 0", std::nullopt},
    {"OverflowAfterRounding", "32767.5 0 0", std::nullopt},
    {"HugeNumber", "99999999999999999999999 0 0", std::nullopt},
    {"HalvesToEven", "2.5 3.5 0.5", 0x000402},
    {"AboveHalfRoundsUp", "2.51 1.49 254.5", 0xFE0103},
    {"TabSeparated", "1\t2\t3", std::nullopt},
    {"CarriageReturnInLastField", "1 2 3\r", std::nullopt},
    {"NulInField", std::string("1 2\0 3", 6), std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Rules, ColorLines, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
