#include "GameFlowFixture.h"

#include <utility>
#include <vector>

namespace {

using Entries = std::vector<std::pair<std::string, int32_t>>;

struct AddCase {
    const char* rule;
    Entries before;
    int32_t finalScore;
    std::vector<std::optional<std::string>> answers;
    Entries after;  // the listed slots from the top; the rest are empty with 0
    size_t prompts;
    int32_t carriedAfter;  // LngScore when the walk is done
    friend void PrintTo(const AddCase& c, std::ostream* os) { *os << c.rule; }
};

Entries FullTable()
{
    Entries table;
    for (int i = 0; i < 10; ++i) table.emplace_back("N" + std::to_string(i), 1000 - 100 * i);
    return table;
}

std::string Repeat(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

Entries Replace(Entries table, size_t slot, std::pair<std::string, int32_t> entry)
{
    table.insert(table.begin() + static_cast<ptrdiff_t>(slot), std::move(entry));
    table.pop_back();
    return table;
}

class AddHighScoreTest : public GameFlowTest, public ::testing::WithParamInterface<AddCase> {
protected:
    void SetTable(const Entries& entries)
    {
        for (size_t i = 0; i < entries.size(); ++i) {
            flow.StrHighNames[i] = entries[i].first;
            flow.LngHighScores[i] = entries[i].second;
        }
    }
    Entries Table() const
    {
        Entries entries;
        for (size_t i = 0; i < 10; ++i)
            if (!flow.StrHighNames[i].empty() || flow.LngHighScores[i] != 0)
                entries.emplace_back(flow.StrHighNames[i], flow.LngHighScores[i]);
        return entries;
    }
};

}  // namespace

// The carried entry walks down the table: ties stay above, nameless moved entries are named, the last drops out.
TEST_P(AddHighScoreTest, FinalScoreEntersTheTable)
{
    const AddCase& c = GetParam();
    Start();
    SetTable(c.before);
    flow.board.LngScore = c.finalScore;
    input.answers.assign(c.answers.begin(), c.answers.end());
    flow.AddHighScore();
    EXPECT_EQ(Table(), c.after) << c.rule;
    EXPECT_EQ(input.asked.size(), c.prompts) << c.rule;
    EXPECT_EQ(flow.board.LngScore, c.carriedAfter) << c.rule;
    EXPECT_EQ(settings.writes.size(), c.prompts > 0 ? 1u : 0u) << c.rule;
}

INSTANTIATE_TEST_SUITE_P(
    HighScores, AddHighScoreTest,
    ::testing::Values(
        AddCase{"a tie goes below the entries with its score",
                {{"A", 500}, {"B", 400}, {"C", 400}, {"D", 300}}, 400, {"New"},
                {{"A", 500}, {"B", 400}, {"C", 400}, {"New", 400}, {"D", 300}}, 1, 0},
        AddCase{"a final 0 asks nothing", {{"A", 500}}, 0, {}, {{"A", 500}}, 0, 0},
        AddCase{"a nameless entry moved down is named by a second prompt",
                {{"", 500}}, 600, {"P", "Q"}, {{"P", 600}, {"Q", 500}}, 2, 0},
        AddCase{"a cancelled prompt leaves an empty name", {}, 70, {std::nullopt}, {{"", 70}}, 1, 0},
        AddCase{"a full table drops its last entry", FullTable(), 550, {"New"},
                Replace(FullTable(), 5, {"New", 550}), 1, 100},
        AddCase{"a score equal to the last slot changes nothing", FullTable(), 100, {}, FullTable(), 0, 100},
        AddCase{"names are cut to 25 characters", {}, 10, {"abcdefghijklmnopqrstuvwxyz"},
                {{"abcdefghijklmnopqrstuvwxy", 10}}, 1, 0},
        AddCase{"the cut counts characters, not bytes", {}, 10, {Repeat("\xC3\xA9", 26)},
                {{Repeat("\xC3\xA9", 25), 10}}, 1, 0}));

// The list pauses the game, lists only named slots, and is rebuilt from empty each time it shows.
TEST_F(GameFlowTest, HighScoreListShowsNamedSlotsOnce)
{
    Start();
    flow.StrHighNames = {"Ann", "", "Bob"};
    flow.LngHighScores = {90, 80, 70};
    flow.MnuHeighScores_Click();
    EXPECT_TRUE(flow.state.fraHighscoresVisible);
    EXPECT_FALSE(flow.state.PicMapVisible);
    EXPECT_EQ(flow.state.MnuFilePauseCaption, "Resume");
    EXPECT_EQ(flow.state.lblNameText, "\r\n\r\nAnn\r\n\r\nBob");
    EXPECT_EQ(flow.state.lblScoresText, "\r\n\r\n90\r\n\r\n70");

    flow.MnuFilePause_Click();
    EXPECT_FALSE(flow.state.fraHighscoresVisible);
    flow.MnuHeighScores_Click();
    EXPECT_EQ(flow.state.lblNameText, "\r\n\r\nAnn\r\n\r\nBob");

    // Choosing the list while it shows resumes and hides it.
    flow.MnuHeighScores_Click();
    EXPECT_FALSE(flow.state.fraHighscoresVisible);
    EXPECT_TRUE(flow.state.PicMapVisible);
    EXPECT_TRUE(flow.state.timSecEnabled);
    EXPECT_EQ(view.steps(), std::vector<std::string>(3, "CentreHighScoreFrame"));
}
