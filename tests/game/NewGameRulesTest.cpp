#include "NewGameRules.h"
#include "BoardNumber.h"
#include "CellKey.h"
#include "DecimalText.h"
#include "SettingsFile.h"

#include <gtest/gtest.h>

// The Start button's rules and mends: height first, a refused size keeps its value, a time of 1 or less is ignored.
TEST(NewGameDialog, StartButtonDecides)
{
    const std::pair<NewGameTexts, std::string> cases[] = {
        {{"3", "3", "30"}, "2 2 30"},
        {{"10", "2", "120"}, "9 11 120, The game height must be above 2"},
        {{"2.5", "12", "120"}, "2 11 120"},
        {{"12", "3.5", "1"}, "11 2 120"},
        {{"12", "12", "2"}, "11 11 2"},
        {{"12", "12", "2.5"}, "11 11 2"},
        {{"2", "1", "0"}, "16 11 120, The game height must be above 2, The game width must be above 2"},
        {{"wide", "", "soon"}, "16 11 120, The game height must be a number, The game width must be a number"},
        {{"1001", "1000.5", "1e12"},
         "16 11 120, The game height must be at most 1000, The game width must be at most 1000"},
        {{"1000", " 1000 ", "3600"}, "999 999 3600"},
    };
    for (const auto& [texts, expected] : cases) {
        const NewGameDecision decision = DecideNewGame(texts, {16, 11, 120});
        const NewGameValues& values = decision.values;
        std::string found = std::to_string(values.GameWidth) + " " + std::to_string(values.GameHeight) + " " +
                            std::to_string(values.GameTime);
        for (const DialogText& message : decision.messages) found += ", " + message.english();
        EXPECT_EQ(found, expected) << texts.txtGameWidth << "/" << texts.txtGameHeight << "/" << texts.txtGameTime;
    }
}

// The dialog opens on counts, one more than the stored indices, and Reset Defaults gives 16, 11, 120.
TEST(NewGameDialog, TextsShowCounts)
{
    EXPECT_EQ(NewGameDialogTexts({16, 11, 120}), (NewGameTexts{"17", "12", "120"}));
    EXPECT_EQ(NewGameDefaultTexts(), (NewGameTexts{"16", "11", "120"}));
}

// Typed and stored numbers: blanks around them, halves rounded to even; overflow and anything but a decimal refused.
TEST(Numbers, WholeNumberGrammar)
{
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {"  16\t", 16}, {"+7", 7}, {"-3", -3}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"2.51", 3}, {".5", 0},
        {"5.", 5}, {"1.5E+1", 15}, {"-2147483648", INT32_MIN}, {"2147483647", INT32_MAX},
        {"2147483647.5", std::nullopt}, {"1e400", std::nullopt}, {"", std::nullopt}, {"abc", std::nullopt},
        {"12abc", std::nullopt}, {"1 2", std::nullopt}, {"1,000", std::nullopt}, {"0x10", std::nullopt},
        {"inf", std::nullopt}, {"nan", std::nullopt}, {"-", std::nullopt}, {"1e", std::nullopt},
        {"16\r", std::nullopt}, {".", std::nullopt}, {"+-1", std::nullopt}, {"1.2.3", std::nullopt},
        {"1e-1", 0}, {"1e+", std::nullopt}};
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseWholeNumber(text), value) << '"' << text << '"';
}

// One grammar for every text, each allowing its own parts; a number is its decimal value, so a digit far behind a
// half lifts it in every text alike, where the nearest double (exactly 2.5) would have rounded down.
TEST(Numbers, OneGrammarEveryText)
{
    using N = std::optional<int64_t>;
    const struct {
        const char* text;
        N settings, colourField, boardNumber, cellKey;
    } cases[] = {
        {"12", 12, 12, 12, 12},           {"0", 0, 0, 0, 0},
        {"007", 7, 7, 7, {}},             {" 12\t", 12, {}, 12, {}},
        {"-3", -3, -3, {}, {}},           {"+5", 5, 5, {}, {}},
        {"2.5", 2, 2, {}, {}},            {"3.5", 4, 4, {}, {}},
        {"2.50000000000000001", 3, 3, {}, {}}, {"-2.50000000000000001", -3, -3, {}, {}},
        {"2.49999999999999999", 2, 2, {}, {}}, {"25e-1", 2, {}, {}, {}},
        {"6e-1", 1, {}, {}, {}},          {"0.05e1", 0, {}, {}, {}},
        {"1.25E1", 12, {}, {}, {}},       {"1e-1000000", 0, {}, {}, {}},
        {"1e1000000", {}, {}, {}, {}},    {"2147483648", {}, {}, 2147483648, {}},
        {"32768", 32768, {}, 32768, 32768}, {"1 2", {}, {}, {}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(N(ParseWholeNumber(c.text)), c.settings) << '"' << c.text << '"';
        EXPECT_EQ(ParseRounded(c.text, kColourField, INT16_MIN, INT16_MAX), c.colourField) << '"' << c.text << '"';
        EXPECT_EQ(N(ParseBoardNumber(c.text)), c.boardNumber) << '"' << c.text << '"';
        const auto cell = ParseCellKey("X0Y" + std::string(c.text));
        EXPECT_EQ(cell ? N(cell->y) : N(), c.cellKey) << '"' << c.text << '"';
    }
}
