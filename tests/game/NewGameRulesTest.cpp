#include "NewGameRules.h"

#include <gtest/gtest.h>

struct StartCase {
    NewGameTexts texts;  // width, height, time
    NewGameValues values;
    std::vector<std::string> messages;
    friend void PrintTo(const StartCase& c, std::ostream* os)
    {
        *os << c.texts.txtGameWidth << "," << c.texts.txtGameHeight << "," << c.texts.txtGameTime;
    }
};

class NewGameRulesTest : public ::testing::TestWithParam<StartCase> {};

// The Start button's rules, from the previous values 16, 11, 120 (largest indices and seconds).
TEST_P(NewGameRulesTest, StartButtonDecides)
{
    const NewGameDecision decision = DecideNewGame(GetParam().texts, {16, 11, 120});
    EXPECT_EQ(decision.values, GetParam().values);
    EXPECT_EQ(decision.messages, GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(
    NewGameDialog, NewGameRulesTest,
    ::testing::Values(
        StartCase{{"3", "3", "30"}, {2, 2, 30}, {}},
        StartCase{{"10", "2", "120"}, {9, 11, 120}, {"The game height must be above 2"}},
        StartCase{{"2.5", "12", "120"}, {2, 11, 120}, {}},
        StartCase{{"12", "3.5", "120"}, {11, 2, 120}, {}},
        StartCase{{"12", "12", "1"}, {11, 11, 120}, {}},
        StartCase{{"12", "12", "2"}, {11, 11, 2}, {}},
        StartCase{{"12", "12", "2.5"}, {11, 11, 2}, {}},
        StartCase{{"2", "1", "0"}, {16, 11, 120},
                  {"The game height must be above 2", "The game width must be above 2"}},
        StartCase{{"wide", "", "soon"}, {16, 11, 120},
                  {"The game height must be a number", "The game width must be a number"}},
        StartCase{{"1001", "1000.5", "1e12"}, {16, 11, 120},
                  {"The game height must be at most 1000", "The game width must be at most 1000"}},
        StartCase{{"1000", " 1000 ", "3600"}, {999, 999, 3600}, {}}));

// The dialog opens on counts, one more than the stored indices, and Reset Defaults gives 16, 11, 120.
TEST(NewGameDialog, TextsShowCounts)
{
    EXPECT_EQ(NewGameDialogTexts({16, 11, 120}), (NewGameTexts{"17", "12", "120"}));
    EXPECT_EQ(NewGameDefaultTexts(), (NewGameTexts{"16", "11", "120"}));
}
