#include "ColorLine.h"
#include "ThemeText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// Each colour-line rule: three single-space-separated 16-bit numbers, halves
// to even, above 255 counts as 255, anything else invalid.
TEST(ColorLines, ParseAsTheThemeFormatSays)
{
    const struct {
        const char* name;
        std::string line;
        std::optional<ColorRef> expected;
    } cases[] = {
        {"magenta", "255 0 255", 0xFF00FF},
        {"two numbers", "255 0", std::nullopt},
        {"leading space", " 255 0 255", std::nullopt},
        {"double space", "255  0 255", std::nullopt},
        {"trailing space makes an ignored fourth field", "255 0 255 ", 0xFF00FF},
        {"red of 300 is 255", "300 0 0", 0x0000FF},
        {"fourth number ignored, red in the low byte", "1 2 3 4", 0x030201},
        {"negative", "0 -1 0", std::nullopt},
        {"negative half rounds to zero", "-0.5 0 0", 0x000000},
        {"negative beyond half", "-0.6 0 0", std::nullopt},
        {"overflows 16 bits", "32768 0 0", std::nullopt},
        {"overflows after rounding", "32767.5 0 0", std::nullopt},
        {"huge number", "99999999999999999999999 0 0", std::nullopt},
        {"halves to even", "2.5 3.5 0.5", 0x000402},
        {"above half rounds up", "2.51 1.49 254.5", 0xFE0103},
        {"tab separated", "1\t2\t3", std::nullopt},
        {"carriage return in the last field", "1 2 3\r", std::nullopt},
        {"NUL in a field", std::string("1 2\0 3", 6), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseColorLine(c.line), c.expected);
    }
}

// CR LF ends a line, and so does a lone LF; a lone CR stays in the line and
// lines missing at the end are empty.
TEST(ThemeLines, CrLfAndLoneLfBothEndALine)
{
    const auto lines = SplitThemeLines("a\r\nb\nc\rd\r\n\r\ne");
    const std::vector<std::string> first(lines.begin(), lines.begin() + 6);
    EXPECT_EQ(first, (std::vector<std::string>{"a", "b", "c\rd", "", "e", ""}));
}

}  // namespace
