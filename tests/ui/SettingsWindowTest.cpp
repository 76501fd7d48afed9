#include "MainWindowFixture.h"

#include "BoardSurface.h"

#include <QGroupBox>
#include <QLabel>

#include <ostream>

namespace {
// An empty high-score table as written: ten empty names, each with 0.
std::vector<std::string> EmptyTable()
{
    std::vector<std::string> lines;
    for (int slot = 0; slot < 10; ++slot) {
        lines.push_back("");
        lines.push_back("0");
    }
    return lines;
}
}  // namespace

using SettingsWindowTest = MainWindowTest;

TEST_F(SettingsWindowTest, FourLineFileKeepsSoundOnAndAnEmptyTable)
{
    // A short file sets what it has; the missing lines leave their defaults.
    WriteSettings(SettingsText({"", "5", "6", "45"}));
    Start();
    EXPECT_EQ(window->PicMap->size(), QSize(6 * 32, 7 * 32));
    EXPECT_EQ(game().GameTime, 45);
    EXPECT_FALSE(window->MnuMute->isChecked());
    window->MnuHeighScores->trigger();
    EXPECT_TRUE(window->lblName->text().isEmpty());
    const auto lines = CloseAndReadSettings();
    ASSERT_TRUE(lines.has_value());
    std::vector<std::string> expected{"", "5", "6", "45", "sound"};
    for (const std::string& line : EmptyTable())
        expected.push_back(line);
    EXPECT_EQ(*lines, expected);
}

struct SoundLineCase {
    const char* line;
    bool muted;
    friend void PrintTo(const SoundLineCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }
};

class SoundLineTest : public MainWindowTest, public ::testing::WithParamInterface<SoundLineCase> {};

TEST_P(SoundLineTest, MuteLineIsComparedLowerCasedAndExactly)
{
    // "MUTE" and "Mute" start muted with the check mark; " mute" does not.
    WriteSettings(SettingsText({"", "16", "11", "120", GetParam().line}));
    Start();
    EXPECT_EQ(window->MnuMute->isChecked(), GetParam().muted);
    EXPECT_EQ(sound.BlnSound, !GetParam().muted);
    const auto lines = CloseAndReadSettings();
    ASSERT_TRUE(lines.has_value());
    ASSERT_GE(lines->size(), 5u);
    EXPECT_EQ((*lines)[4], GetParam().muted ? "mute" : "sound");
}

INSTANTIATE_TEST_SUITE_P(Lines, SoundLineTest,
                         ::testing::Values(SoundLineCase{"MUTE", true}, SoundLineCase{"Mute", true},
                                           SoundLineCase{"mute", true}, SoundLineCase{" mute", false},
                                           SoundLineCase{"sound", false}));

struct WidthLineCase {
    const char* line;
    int columns;
    friend void PrintTo(const WidthLineCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }
};

class WidthLineTest : public MainWindowTest, public ::testing::WithParamInterface<WidthLineCase> {};

TEST_P(WidthLineTest, WidthLineBelowTwoOrAboveTheLimitGetsTheDefault)
{
    // "1" becomes the default 17 columns, "2" is kept (3 columns); a width beyond 1000 columns is refused.
    WriteSettings(SettingsText({"", GetParam().line, "11", "120", "sound"}));
    Start();
    EXPECT_EQ(window->PicMap->width(), 32 * GetParam().columns);
    EXPECT_EQ(game().board.bricks().Count(), GetParam().columns * 12);
}

INSTANTIATE_TEST_SUITE_P(Lines, WidthLineTest,
                         ::testing::Values(WidthLineCase{"1", 17}, WidthLineCase{"2", 3}, WidthLineCase{"0", 17},
                                           WidthLineCase{"wide", 17}, WidthLineCase{"1000", 17},
                                           WidthLineCase{"40", 41}));

TEST_F(SettingsWindowTest, CancelledThemeDialogChangesNothing)
{
    // The dialog starts in the program's folder; no choice keeps theme and board.
    Start();
    files.answer = "";
    const auto before = window->PicMap->picture().entryAt(0, 0);
    window->MnuTheme->trigger();
    ASSERT_EQ(files.startFolders.size(), 1u);
    EXPECT_EQ(files.startFolders[0], folder.path().toStdString());
    EXPECT_EQ(game().GameTheme, "");
    EXPECT_EQ(window->PicMap->picture().entryAt(0, 0), before);
}

// High scores: a one-second game on the default board, ended with a chosen
// final score, so the table walk runs as at a real game over.
class HighScoreWindowTest : public MainWindowTest {
protected:
    void StartWithTable(std::initializer_list<std::pair<std::string, std::string>> table)
    {
        std::string text = SettingsText({"", "16", "11", "1", "sound"});
        for (const auto& [name, score] : table)
            text += SettingsText({name, score});
        WriteSettings(text);
        Start();
    }

    void EndGameWithScore(int32_t score)
    {
        ClickCell(0, 0);
        game().board.LngScore = score;
        Tick();
        ASSERT_TRUE(window->FRAGameOver->isVisible());
    }

    std::vector<int32_t> Scores() const { return {window->game().LngHighScores.begin(), window->game().LngHighScores.end()}; }
};

TEST_F(HighScoreWindowTest, EqualScoreGoesBelowTheEntriesItTies)
{
    // 500, 400, 400, 300 and a final 400: the new entry is fourth, after one prompt.
    StartWithTable({{"Ann", "500"}, {"Bob", "400"}, {"Cy", "400"}, {"Dee", "300"}});
    input.answers.push_back("Eve");
    EndGameWithScore(400);
    ASSERT_EQ(input.asked.size(), 1u);
    EXPECT_EQ(input.asked[0].prompt, "Please enter your name.");
    EXPECT_EQ(input.asked[0].title, "New High Score");
    EXPECT_EQ(input.asked[0].defaultText, "");
    EXPECT_EQ(Scores(), (std::vector<int32_t>{500, 400, 400, 400, 300, 0, 0, 0, 0, 0}));
    EXPECT_EQ(game().StrHighNames[3], "Eve");
    EXPECT_EQ(game().StrHighNames[4], "Dee");
}

TEST_F(HighScoreWindowTest, ScoreIsOnDiskAsSoonAsItEntersTheTable)
{
    // Killing the program after the prompt must not lose the new high score.
    StartWithTable({});
    input.answers.push_back("Flo");
    EndGameWithScore(1290);
    const auto lines = ReadSettings();
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 25u);
    EXPECT_EQ((*lines)[5], "Flo");
    EXPECT_EQ((*lines)[6], "1290");
}

TEST_F(HighScoreWindowTest, FinalScoreOfZeroAsksNothing)
{
    // A zero never enters the table, not even an empty one.
    StartWithTable({});
    EndGameWithScore(0);
    EXPECT_TRUE(input.asked.empty());
    EXPECT_EQ(Scores(), std::vector<int32_t>(10, 0));
}

TEST_F(HighScoreWindowTest, NamelessEntryMovedDownIsNamedByASecondPrompt)
{
    // An entry stored without a name asks again when a higher score pushes it down.
    StartWithTable({{"", "300"}, {"Ann", "200"}});
    input.answers.push_back("Bob");
    input.answers.push_back("Cy");
    EndGameWithScore(400);
    EXPECT_EQ(input.asked.size(), 2u);
    EXPECT_EQ(game().StrHighNames[0], "Bob");
    EXPECT_EQ(game().StrHighNames[1], "Cy");
    EXPECT_EQ(game().StrHighNames[2], "Ann");
    EXPECT_EQ(Scores(), (std::vector<int32_t>{400, 300, 200, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(HighScoreWindowTest, ListShowsNamedEntriesOnceAndTogglesWithPause)
{
    // Showing pauses and lists; showing again resumes and hides; a nameless entry stays out.
    StartWithTable({{"Ann", "500"}, {"", "400"}, {"Cy", "300"}});
    window->MnuHeighScores->trigger();
    EXPECT_TRUE(window->fraHighscores->isVisible());
    EXPECT_FALSE(window->PicMap->isVisible());
    EXPECT_EQ(window->MnuFilePause->text(), "Resume");
    EXPECT_EQ(window->lblName->text(), "\n\nAnn\n\nCy");
    EXPECT_EQ(window->lblScores->text(), "\n\n500\n\n300");
    // Centred on the viewport's interior of 544 x 384: 95.5 and 67.5, halves to even.
    EXPECT_EQ(window->fraHighscores->pos(), QPoint(96, 68));

    window->MnuHeighScores->trigger();
    EXPECT_FALSE(window->fraHighscores->isVisible());
    EXPECT_TRUE(window->PicMap->isVisible());
    EXPECT_EQ(window->MnuFilePause->text(), "Pause");

    window->MnuHeighScores->trigger();
    EXPECT_TRUE(window->fraHighscores->isVisible());
    EXPECT_EQ(window->lblName->text(), "\n\nAnn\n\nCy");
}

TEST_F(HighScoreWindowTest, NamesAreShownAsTypedNeverAsMarkup)
{
    // A name that looks like markup is plain text in the list.
    StartWithTable({{"<b>Bold</b>", "50"}});
    window->MnuHeighScores->trigger();
    EXPECT_EQ(window->lblName->textFormat(), Qt::PlainText);
    EXPECT_EQ(window->lblName->text(), "\n\n<b>Bold</b>");
}
