#include "GameFlowFixture.h"

#include <filesystem>
#include <fstream>

namespace {

std::string EmptyTableLines()
{
    std::string text;
    for (int i = 0; i < 10; ++i) text += "\r\n0\r\n";
    return text;
}

}  // namespace

// A first run without "Settings.log" gets 17 x 12 bricks, 120 s, sound on, and leaves a 25-line file.
TEST_F(GameFlowTest, FirstRunWithoutFileUsesDefaultsAndWritesTheFileAtClose)
{
    Start();
    EXPECT_EQ(flow.board.GameWidth, 16);
    EXPECT_EQ(flow.board.GameHeight, 11);
    EXPECT_EQ(flow.GameTime, 120);
    EXPECT_EQ(flow.board.LngTimeLeft, 120);
    EXPECT_EQ(flow.board.bricks().Count(), 17 * 12);
    EXPECT_TRUE(sound.BlnSound);
    EXPECT_FALSE(flow.state.timSecEnabled);

    flow.Form_Unload();
    EXPECT_EQ(Played(), std::vector<std::string>{"NOSOUND"});
    ASSERT_EQ(settings.writes.size(), 1u);
    EXPECT_EQ(settings.writes[0], "\r\n16\r\n11\r\n120\r\nsound\r\n" + EmptyTableLines());
}

// Start-up reads the file before showing the window, loads the theme before reading the size, and draws last.
TEST_F(GameFlowTest, LoadRunsItsStepsInOrder)
{
    flow.LngTransColor = 0x123456;
    view.onCall = [&](const std::string& call) {
        if (call == "ShowWindow") {
            EXPECT_EQ(settings.reads, 1);
            EXPECT_EQ(flow.LngTransColor, kColorWhite);
        } else if (call == "LoadBricks(/themes/a.tlm)") {
            EXPECT_EQ(flow.board.GameWidth, 0);
        } else if (call == "SizeToBoard(load)") {
            EXPECT_EQ(flow.board.GameWidth, 5);
            EXPECT_EQ(flow.GameTime, 120);  // the file's 0 was replaced by the default
            EXPECT_EQ(flow.board.LngTimeLeft, 120);
        } else if (call == "ProcessEvents") {
            EXPECT_EQ(flow.board.bricks().Count(), 0);
        } else if (call == "DrawBricks") {
            EXPECT_EQ(flow.board.bricks().Count(), 6 * 4);
            EXPECT_EQ(flow.board.labels.lblScore.caption, "0");
        }
    };
    settings.file = FileOf({"/themes/a.tlm", "5", "3", "0", "sound"});
    flow.Form_Load();
    EXPECT_EQ(view.steps(), (std::vector<std::string>{"ShowWindow", "LoadBricks(/themes/a.tlm)", "SizeToBoard(load)",
                                                      "ProcessEvents", "DrawBricks"}));
    EXPECT_EQ(flow.board.labels.lblMinmumBlock.color, kColorRed);
    EXPECT_TRUE(flow.board.labels.lblMinmumBlock.caption.ends_with("level is\r\n2"));
    EXPECT_EQ(flow.GameTheme, "/themes/a.tlm");
}

struct MuteLineCase {
    std::string line;
    bool muted;
    friend void PrintTo(const MuteLineCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }
};

class MuteLineTest : public GameFlowTest, public ::testing::WithParamInterface<MuteLineCase> {};

// The sound line mutes at start-up exactly when, lower-cased, it reads "mute"; muting stops the sound.
TEST_P(MuteLineTest, SoundLineSetsTheMuteItem)
{
    settings.file = FileOf({"", "16", "11", "120", GetParam().line});
    flow.Form_Load();
    EXPECT_EQ(flow.state.MnuMuteChecked, GetParam().muted);
    EXPECT_EQ(sound.BlnSound, !GetParam().muted);
    EXPECT_EQ(Played(), GetParam().muted ? std::vector<std::string>{"NOSOUND"} : std::vector<std::string>{});
    audio.calls.clear();
    Click(0, 0);
    Tick();
    EXPECT_EQ(Played().size(), GetParam().muted ? 0u : 2u);  // the selection cue and the main tune
    flow.Form_Unload();
    EXPECT_TRUE(settings.writes.back().starts_with(GetParam().muted ? "\r\n16\r\n11\r\n120\r\nmute\r\n"
                                                                    : "\r\n16\r\n11\r\n120\r\nsound\r\n"));
}

INSTANTIATE_TEST_SUITE_P(SettingsFile, MuteLineTest,
                         ::testing::Values(MuteLineCase{"MUTE", true}, MuteLineCase{"Mute", true},
                                           MuteLineCase{"mute", true}, MuteLineCase{" mute", false},
                                           MuteLineCase{"sound", false}, MuteLineCase{"", false}));

struct SizeLinesCase {
    std::string width, height;
    int32_t GameWidth, GameHeight;
    friend void PrintTo(const SizeLinesCase& c, std::ostream* os) { *os << c.width << "x" << c.height; }
};

class SizeLinesTest : public GameFlowTest, public ::testing::WithParamInterface<SizeLinesCase> {};

// Sizes below 2 and (so the board fits the scroll bars) above 999 get the defaults 16 and 11.
TEST_P(SizeLinesTest, SizeLinesGetTheirDefaults)
{
    Start(FileOf({"", GetParam().width, GetParam().height, "120", "sound"}));
    EXPECT_EQ(flow.board.GameWidth, GetParam().GameWidth);
    EXPECT_EQ(flow.board.GameHeight, GetParam().GameHeight);
    EXPECT_EQ(flow.board.bricks().Count(), (GetParam().GameWidth + 1) * (GetParam().GameHeight + 1));
}

INSTANTIATE_TEST_SUITE_P(SettingsFile, SizeLinesTest,
                         ::testing::Values(SizeLinesCase{"1", "11", 16, 11}, SizeLinesCase{"2", "11", 2, 11},
                                           SizeLinesCase{"16", "1", 16, 11}, SizeLinesCase{"-4", "abc", 16, 11},
                                           SizeLinesCase{"1000", "999", 16, 999},
                                           SizeLinesCase{"999", "1000", 999, 11}));

// A file of four lines keeps sound on and the table empty.
TEST_F(GameFlowTest, FourLineFileKeepsSoundAndAnEmptyTable)
{
    Start(FileOf({"", "4", "5", "60"}));
    EXPECT_EQ(flow.board.GameWidth, 4);
    EXPECT_EQ(flow.board.GameHeight, 5);
    EXPECT_EQ(flow.GameTime, 60);
    EXPECT_TRUE(sound.BlnSound);
    EXPECT_EQ(flow.LngHighScores, (std::array<int32_t, 10>{}));
}

// A new game reloads the built-in set, stops both timers before sizing, and rebuilds the board after the events.
TEST_F(GameFlowTest, NewGameRunsItsStepsInOrder)
{
    Start();
    flow.GameTheme = "/t/x.tlm";
    flow.state.timSecEnabled = true;
    flow.state.timGameOverEnabled = true;
    flow.state.PicMainEnabled = false;
    flow.state.FRAGameOverVisible = true;
    flow.board.LngScore = 50;
    flow.board.GameWidth = 15;
    flow.board.GameHeight = 10;
    view.onCall = [&](const std::string& call) {
        if (call == "SizeToBoard(new)") {
            EXPECT_FALSE(flow.state.timSecEnabled);
            EXPECT_FALSE(flow.state.timGameOverEnabled);
            EXPECT_FALSE(flow.state.FRAGameOverVisible);
            EXPECT_FALSE(flow.state.PicMainEnabled);
            EXPECT_EQ(flow.board.labels.lblTime.caption, "00:02:00");
        } else if (call == "ProcessEvents") {
            EXPECT_EQ(flow.board.bricks().Count(), 17 * 12);
        } else if (call == "DrawBricks") {
            EXPECT_EQ(flow.board.bricks().Count(), 16 * 11);
        }
    };
    flow.NewGame();
    EXPECT_EQ(view.steps(),
              (std::vector<std::string>{"LoadBricks()", "SizeToBoard(new)", "ProcessEvents", "DrawBricks"}));
    EXPECT_TRUE(flow.state.PicMainEnabled);
    EXPECT_EQ(flow.GameTheme, "/t/x.tlm");
    EXPECT_EQ(flow.board.labels.lblNextLvl.caption, "Bricks For Level\r\n38");
    EXPECT_EQ(flow.board.labels.lblScore.caption, "0");
}

// A new game started while paused stays paused; a click on the board frame resumes it.
TEST_F(GameFlowTest, NewGameWhilePausedStaysPaused)
{
    Start();
    flow.MnuFilePause_Click();
    flow.NewGame();
    EXPECT_EQ(flow.state.MnuFilePauseCaption, "Resume");
    EXPECT_FALSE(flow.state.PicMapVisible);
    flow.PicMain_Click();
    EXPECT_TRUE(flow.state.PicMapVisible);
    EXPECT_TRUE(flow.state.timSecEnabled);
}

// Clicks, the fill button and Start arriving while a new game lets events run must not touch the half-built board.
TEST_F(GameFlowTest, EventsInsideNewGameLeaveTheBoardAlone)
{
    Start();
    flow.board.GameWidth = 30;
    flow.board.GameHeight = 20;
    view.onCall = [&](const std::string& call) {
        if (call != "ProcessEvents") return;
        Click(25, 15);
        flow.cmdFillSpace_Click();
        flow.NewGame();
        flow.cmdStart_Click({"5", "5", "5"});
    };
    flow.NewGame();
    EXPECT_FALSE(flow.state.timSecEnabled);
    EXPECT_EQ(flow.board.bricks().Count(), 31 * 21);
    EXPECT_EQ(flow.board.LngTimeLeft, 120);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(view.steps(),
              (std::vector<std::string>{"LoadBricks()", "SizeToBoard(new)", "ProcessEvents", "DrawBricks"}));
}

// Answering No to the confirmation changes nothing; Yes stops the clock, opens the dialog and hides the list.
TEST_F(GameFlowTest, NewGameMenuAsksFirst)
{
    Start();
    Click(0, 0);
    messages.answers = {MessageAnswer::No};
    flow.MnuFileNewGame_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Are you sure you want to start a new game?");
    EXPECT_EQ(messages.shown[0].title, "Tolmora");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(flow.state.timSecEnabled);
    EXPECT_EQ(view.steps(), std::vector<std::string>{"DrawBricks"});

    flow.state.fraHighscoresVisible = true;
    messages.answers = {MessageAnswer::Yes};
    flow.MnuFileNewGame_Click();
    EXPECT_FALSE(flow.state.timSecEnabled);
    EXPECT_FALSE(flow.state.fraHighscoresVisible);
    EXPECT_EQ(view.steps().back(), "ShowNewGameDialog");
}

// The Start button shows its messages first, then stores what it accepted and starts the game.
TEST_F(GameFlowTest, StartButtonShowsMessagesThenStartsTheGame)
{
    Start();
    std::vector<size_t> messagesAtLoad;
    view.onCall = [&](const std::string& call) {
        if (call == "LoadBricks()") messagesAtLoad.push_back(messages.shown.size());
    };
    flow.cmdStart_Click({"2.5", "2", "30"});
    flow.cmdStart_Click({"x", "4", "1"});
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "The game height must be above 2");
    EXPECT_EQ(messages.shown[1].text, "The game width must be a number");
    EXPECT_EQ(messagesAtLoad, (std::vector<size_t>{1, 2}));
    EXPECT_EQ(messages.shown[0].title, "Error");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(flow.newGameValues(), (NewGameValues{2, 3, 30}));
    EXPECT_EQ(flow.board.bricks().Count(), 3 * 4);
    EXPECT_EQ(flow.board.LngTimeLeft, 30);
}

// Only an existing file chosen in the dialog becomes the theme; the dialog starts in the program's folder.
TEST_F(GameFlowTest, ThemeMenuTakesOnlyAnExistingFile)
{
    Start();
    flow.MnuTheme_Click();
    files.answer = "/nonexistent/x.tlm";
    flow.MnuTheme_Click();
    files.answer = std::filesystem::temp_directory_path().string();
    flow.MnuTheme_Click();
    EXPECT_EQ(flow.GameTheme, "");
    EXPECT_TRUE(view.steps().empty());

    const auto theme = std::filesystem::temp_directory_path() / "tolmora_game_test_theme.tlm";
    std::ofstream(theme) << "\r\n";
    files.answer = theme.string();
    flow.MnuTheme_Click();
    std::filesystem::remove(theme);
    EXPECT_EQ(flow.GameTheme, theme.string());
    EXPECT_EQ(view.steps(), (std::vector<std::string>{"LoadBricks(" + theme.string() + ")", "DrawBricks"}));
    EXPECT_EQ(files.startFolders.front(), std::filesystem::path("/opt/tolmora"));
}
