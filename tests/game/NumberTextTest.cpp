#include "NumberText.h"
#include "Utf8Text.h"

#include <gtest/gtest.h>

struct WholeCase {
    const char* text;
    std::optional<int32_t> value;
    friend void PrintTo(const WholeCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class WholeNumberTest : public ::testing::TestWithParam<WholeCase> {};

// A whole number allows blanks around it, rounds halves to even, and refuses overflow and non-numbers.
TEST_P(WholeNumberTest, ConvertsLikeTheSettingsReader)
{
    EXPECT_EQ(ParseWholeNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, WholeNumberTest,
    ::testing::Values(WholeCase{"16", 16}, WholeCase{"  16\t", 16}, WholeCase{"+7", 7}, WholeCase{"-3", -3},
                      WholeCase{"2.5", 2}, WholeCase{"3.5", 4}, WholeCase{"-2.5", -2}, WholeCase{"0.5", 0},
                      WholeCase{"2.51", 3}, WholeCase{".5", 0}, WholeCase{"5.", 5}, WholeCase{"1e3", 1000},
                      WholeCase{"1.5E+1", 15}, WholeCase{"2147483647", 2147483647},
                      WholeCase{"-2147483648", -2147483647 - 1}, WholeCase{"2147483647.5", std::nullopt},
                      WholeCase{"2147483648", std::nullopt}, WholeCase{"1e400", std::nullopt},
                      WholeCase{"", std::nullopt}, WholeCase{"  ", std::nullopt}, WholeCase{"abc", std::nullopt},
                      WholeCase{"12abc", std::nullopt}, WholeCase{"1 2", std::nullopt},
                      WholeCase{"1,000", std::nullopt}, WholeCase{"0x10", std::nullopt},
                      WholeCase{"inf", std::nullopt}, WholeCase{"nan", std::nullopt}, WholeCase{"-", std::nullopt},
                      WholeCase{"1e", std::nullopt}, WholeCase{"16\r", std::nullopt}));

// Cutting a name counts characters: a multi-byte character is never split.
TEST(Utf8Text, FirstCharactersCountsCodePoints)
{
    EXPECT_EQ(FirstCharacters("abc", 2), "ab");
    EXPECT_EQ(FirstCharacters("\xE2\x82\xAC\xC3\xA9z", 2), "\xE2\x82\xAC\xC3\xA9");
    EXPECT_EQ(FirstCharacters("\xF0\x9F\x8E\xB2!", 1), "\xF0\x9F\x8E\xB2");
    EXPECT_EQ(FirstCharacters("\xFF\xC3\xA9", 1), "\xFF");  // a stray byte counts as one
}

// Only well-formed UTF-8 counts as UTF-8; anything else is read as Windows-1252.
TEST(Utf8Text, RecognisesValidUtf8)
{
    EXPECT_TRUE(IsValidUtf8("Jos\xC3\xA9 \xE2\x82\xAC"));
    EXPECT_FALSE(IsValidUtf8("Jos\xE9"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));          // cut short
    EXPECT_EQ(Windows1252ToUtf8("Jos\xE9 \x80\x9F\x81"), "Jos\xC3\xA9 \xE2\x82\xAC\xC5\xB8\xC2\x81");
}
