#include "GameFlowFixture.h"

namespace {

using Entries = std::vector<std::pair<std::string, int32_t>>;

struct AddCase {
    const char* rule;
    Entries before;
    int32_t finalScore;
    std::vector<std::optional<std::string>> answers;
    Entries after;  // the slots from the top; the rest stay empty with 0
    std::vector<int> slots;  // those the player was asked to name
    int32_t carried;         // the score carried past the last slot
    friend void PrintTo(const AddCase& c, std::ostream* os) { *os << c.rule; }
};

// Ten named slots from 1000 down to 100, with `entry` put in at `slot` and the last one dropped.
Entries FullTable(size_t slot = 10, std::pair<std::string, int32_t> entry = {})
{
    Entries table;
    for (int i = 0; i < 10; ++i) table.emplace_back("N" + std::to_string(i), 1000 - 100 * i);
    if (slot < 10) table.insert(table.begin() + ptrdiff_t(slot), entry), table.pop_back();
    return table;
}

class EnterHighScoreTest : public ::testing::TestWithParam<AddCase> {};

// The final score walks down the table: ties stay above it, moved nameless entries are named, the last drops out.
TEST_P(EnterHighScoreTest, FinalScoreEntersTheTable)
{
    const AddCase& c = GetParam();
    HighScoreTable table;
    for (size_t i = 0; i < c.before.size(); ++i) std::tie(table.StrHighNames[i], table.LngHighScores[i]) = c.before[i];
    std::vector<int> slots;
    auto answers = c.answers.begin();
    const ScoreEntry entry = EnterHighScore(table, c.finalScore, [&](int slot) {
        slots.push_back(slot);
        // The player's slot holds the final score by the time the player is asked.
        if (slots.size() == 1) {
            EXPECT_EQ(table.LngHighScores[slot], c.finalScore);
        }
        return answers == c.answers.end() ? std::string("?") : (answers++)->value_or(std::string());
    });
    Entries after;
    for (size_t i = 0; i < 10; ++i)
        if (!table.StrHighNames[i].empty() || table.LngHighScores[i] != 0)
            after.emplace_back(table.StrHighNames[i], table.LngHighScores[i]);
    EXPECT_EQ(after, c.after);
    EXPECT_EQ(slots, c.slots);
    EXPECT_EQ(entry.entered, !(c.after == c.before));
    EXPECT_EQ(entry.carried, c.carried);
}

INSTANTIATE_TEST_SUITE_P(
    HighScores, EnterHighScoreTest,
    ::testing::Values(
        AddCase{"a tie goes below the entries with its score", {{"A", 500}, {"B", 400}, {"C", 400}, {"D", 300}},
                400, {"New"}, {{"A", 500}, {"B", 400}, {"C", 400}, {"New", 400}, {"D", 300}}, {3}, 0},
        AddCase{"a final 0 asks nothing", {{"A", 500}}, 0, {}, {{"A", 500}}, {}, 0},
        AddCase{"a final 0 takes a slot below 0 without a name", {{"A", 5}, {"B", -3}}, 0, {}, {{"A", 5}}, {},
                -3},
        AddCase{"a nameless entry moved down is named by a second prompt", {{"", 500}, {"B", 400}}, 600,
                {"P", "Q"}, {{"P", 600}, {"Q", 500}, {"B", 400}}, {0, 1}, 0},
        AddCase{"a cancelled prompt leaves an empty name", {}, 70, {std::nullopt}, {{"", 70}}, {0}, 0},
        AddCase{"a full table drops its last entry", FullTable(), 550, {"New"}, FullTable(5, {"New", 550}), {5},
                100},
        AddCase{"a score equal to the last slot changes nothing", FullTable(), 100, {}, FullTable(), {}, 100},
        AddCase{"names are cut to 25 characters", {}, 10, {"abcdefghijklmnopqrstuvwxyz"},
                {{"abcdefghijklmnopqrstuvwxy", 10}}, {0}, 0},
        AddCase{"the cut counts characters, not bytes", {}, 10, {"\xC3\xA9\xE2\x82\xAC" + std::string(24, 'x')},
                {{"\xC3\xA9\xE2\x82\xAC" + std::string(23, 'x'), 10}}, {0}, 0}));

}  // namespace

// The list names only named slots, is built afresh at each showing, and a confirmed new game hides it.
TEST_F(GameFlowTest, HighScoreListIsBuiltAfreshEachTime)
{
    Start(FileOf({"", "16", "11", "120", "sound", "Ann", "90", "", "80", "Bob", "70"}));
    for (int i = 0; i < 3; ++i) flow.MnuHeighScores_Click();  // shown, hidden, shown again
    EXPECT_EQ(flow.snapshot().highScores, (std::vector<HighScoreRow>{{"Ann", 90}, {"Bob", 70}}));
    EXPECT_EQ(Status(), "120s hidden fill");
    flow.MnuFileNewGame_Click();
    EXPECT_FALSE(flow.snapshot().highScoresShown);
}

// Scores that cannot be saved are told to the player once, with the path and the reason, and warned about each time.
TEST_F(GameFlowTest, UnsavedScoresAreToldOnce)
{
    Start();
    settings.failure = "Read-only file system";
    input.answers = {"Ann"};
    testing::internal::CaptureStderr();
    FinishWith(70);
    ASSERT_EQ(messages.shown.size(), 1u);
    flow.Form_Unload();
    const std::string warnings = testing::internal::GetCapturedStderr();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Your settings and high scores could not be saved to /memory/Settings.log: Read-only file system.");
    EXPECT_EQ(messages.shown[0].title, "Tolmora");
    EXPECT_EQ(warnings, "tolmora: warning: could not write /memory/Settings.log: Read-only file system\n"
                        "tolmora: warning: could not write /memory/Settings.log: Read-only file system\n");
    // The game plays on with the score it could not save.
    EXPECT_EQ(flow.highScores().StrHighNames[0] + ":" + std::to_string(flow.highScores().LngHighScores[0]), "Ann:70");
}

// A score another copy of the game saved since start-up is kept beside ours, on disk and in the list.
TEST_F(GameFlowTest, ScoresOfAnotherCopyAreMergedIn)
{
    Start(FileOf({"", "16", "11", "120", "sound", "Ann", "500"}));
    settings.file = FileOf({"/other.tlm", "5", "5", "60", "mute", "Ann", "500", "Other", "300"});
    input.answers = {"Me"};
    FinishWith(400);
    Strings lines{"", "16", "11", "120", "sound", "Ann", "500", "Me", "400", "Other", "300"};
    for (int i = 0; i < 7; ++i) lines.insert(lines.end(), {"", "0"});
    EXPECT_EQ(settings.writes, Strings{FileOf(lines)});
    EXPECT_EQ(flow.highScores().StrHighNames[2] + ":" + std::to_string(flow.highScores().LngHighScores[2]),
              "Other:300");
}

// A nameless entry named at the second prompt is written once, under its new name, when no other copy wrote the file.
TEST_F(GameFlowTest, SecondPromptNameReplacesTheNamelessEntryOnDisk)
{
    Start(FileOf({"", "16", "11", "120", "sound", "", "500"}));
    input.answers = {"Ann", "Bob"};
    FinishWith(700);
    Strings lines{"", "16", "11", "120", "sound", "Ann", "700", "Bob", "500"};
    for (int i = 0; i < 8; ++i) lines.insert(lines.end(), {"", "0"});
    EXPECT_EQ(settings.writes, Strings{FileOf(lines)});
}
