#include "GameFlowFixture.h"
#include "GameSettings.h"

#include <filesystem>
#include <fstream>

namespace {

struct FileCase {
    const char* rule;
    std::optional<Strings> file;  // none: no "Settings.log"
    Strings written;              // the first five lines written back at close
    friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.rule; }
};

class SettingsMapping : public ::testing::TestWithParam<FileCase> {};

// Each line is read or falls back to its default, and the values are written back as all 25 lines.
TEST_P(SettingsMapping, ReadsThenWritesBack)
{
    const GameSettings read = ReadGameSettings(GetParam().file ? std::optional(FileOf(*GetParam().file)) : std::nullopt);
    Strings lines = GetParam().written;
    for (int i = 0; i < 10; ++i) lines.insert(lines.end(), {"", "0"});
    EXPECT_EQ(WriteGameSettings(read), FileOf(lines));
}

INSTANTIATE_TEST_SUITE_P(
    SettingsFile, SettingsMapping,
    ::testing::Values(
        FileCase{"no file: 17 x 12, 120 s, sound on", std::nullopt, {"", "16", "11", "120", "sound"}},
        FileCase{"four lines keep sound on", Strings{"", "4", "5", "60"}, {"", "4", "5", "60", "sound"}},
        FileCase{"MUTE", Strings{"", "4", "5", "60", "MUTE"}, {"", "4", "5", "60", "mute"}},
        FileCase{"Mute", Strings{"", "4", "5", "60", "Mute"}, {"", "4", "5", "60", "mute"}},
        FileCase{"a blank before mute", Strings{"", "4", "5", "60", " mute"}, {"", "4", "5", "60", "sound"}},
        FileCase{"width 1", Strings{"", "1", "5", "60"}, {"", "16", "5", "60", "sound"}},
        FileCase{"width 2", Strings{"", "2", "5", "60"}, {"", "2", "5", "60", "sound"}},
        FileCase{"bad lines, zeros", Strings{"/t/a.tlm", "abc", "1", "0"}, {"/t/a.tlm", "16", "11", "120", "sound"}},
        FileCase{"width above 999", Strings{"", "1000", "999", "60"}, {"", "16", "999", "60", "sound"}},
        FileCase{"height above 999", Strings{"", "999", "1000", "60"}, {"", "999", "11", "60", "sound"}},
        FileCase{"a negative time", Strings{"", "5", "5", "-5"}, {"", "5", "5", "120", "sound"}},
        FileCase{"one second", Strings{"", "5", "5", "1"}, {"", "5", "5", "1", "sound"}}));

}  // namespace

// Start-up takes the file's values and mute switch; closing silences the sound and writes the same values back.
TEST_F(GameFlowTest, StartUpAppliesTheFileAndCloseWritesItBack)
{
    const Strings file{"/t/a.tlm", "4", "5", "60", "MUTE", "Ann", "90"};
    Start(FileOf(file));
    EXPECT_FALSE(sound.BlnSound);
    EXPECT_TRUE(flow.snapshot().muted);
    EXPECT_EQ(flow.GameTime(), 60);
    flow.Form_Unload();
    EXPECT_EQ(Played(), "NOSOUND");
    Strings lines{"/t/a.tlm", "4", "5", "60", "mute", "Ann", "90"};
    for (int i = 0; i < 9; ++i) lines.insert(lines.end(), {"", "0"});
    EXPECT_EQ(settings.writes, Strings{FileOf(lines)});
}

// Start-up reads the file before showing the window, loads the theme before the size, and builds the board last.
TEST_F(GameFlowTest, LoadRunsItsStepsInOrder)
{
    view.onCall = [&](const std::string& call) {
        if (call == "ShowWindow") {
            EXPECT_EQ(settings.reads, 1);
        } else if (call == "LoadBricks(/t/a.tlm)") {
            EXPECT_EQ(flow.board.GameWidth, 0);
        } else if (call == "SizeToBoard(load)") {
            EXPECT_TRUE(flow.board.GameWidth == 5 && flow.board.LngTimeLeft == 120);
        } else if (call == "ProcessEvents") {
            EXPECT_EQ(flow.board.bricks().Count(), 0);
        } else if (call == "DrawBricks") {
            EXPECT_EQ(flow.board.bricks().Count(), 6 * 4);
        }
    };
    settings.file = FileOf({"/t/a.tlm", "5", "3", "0", "sound"});
    flow.Form_Load();
    EXPECT_EQ(view.steps(), (Strings{"ShowWindow", "LoadBricks(/t/a.tlm)", "SizeToBoard(load)", "ProcessEvents",
                                     "DrawBricks"}));
    EXPECT_EQ(flow.snapshot().panel.groupingNumber, 2);
    EXPECT_EQ(Status(), "120s fill");
}

namespace {
struct PanelCase {
    const char *width, *height, *time;
    std::optional<int32_t> clock, bricks;
    friend void PrintTo(const PanelCase& c, std::ostream* os) { *os << c.width << " x " << c.height; }
};
class StartUpPanel : public GameFlowTest, public ::testing::WithParamInterface<PanelCase> {};
}  // namespace

// From the first board on, the panel reads as a new game on the same settings reads: the saved game length and the
// first level's target of this board size, with the grouping label red.
TEST_P(StartUpPanel, IsTheNewGamePanel)
{
    const PanelCase& c = GetParam();
    Start(FileOf({"", c.width, c.height, c.time, "sound"}));
    const PanelValues atStart = flow.snapshot().panel;
    EXPECT_EQ(std::tie(atStart.timeLeft, atStart.bricksForLevel, atStart.level, atStart.groupingMet),
              std::tuple(c.clock, c.bricks, 1, false));
    flow.NewGame();
    EXPECT_EQ(flow.snapshot().panel, atStart);
}

// 16 x 11 / 4 = 44; 5 x 3 / 4 = 3.75 shows 4.
INSTANTIATE_TEST_SUITE_P(SavedSettings, StartUpPanel,
                         ::testing::Values(PanelCase{"16", "11", "120", 120, 44},
                                           PanelCase{"5", "3", "300", 300, 4}));

// A new game after game over stops the timers before sizing and takes clicks again only once it has drawn.
TEST_F(GameFlowTest, NewGameRunsItsStepsInOrder)
{
    Start(FileOf({"", "16", "11", "1", "sound"}));
    Click(0, 0);
    Tick();
    view.calls.clear();
    flow.board.GameWidth = 30;
    view.onCall = [&](const std::string& call) {
        if (call == "SizeToBoard(new)") {
            EXPECT_FALSE(flow.snapshot().gameOverShown);
            EXPECT_EQ(Status(), "1s over");
        } else if (call == "ProcessEvents") {
            EXPECT_EQ(flow.board.bricks().Count(), 17 * 12);
        } else if (call == "DrawBricks") {
            EXPECT_TRUE(flow.board.bricks().Count() == 31 * 12 && flow.snapshot().panel.score == 0);
        }
    };
    flow.NewGame();
    EXPECT_EQ(view.steps(), (Strings{"LoadBricks()", "SizeToBoard(new)", "ProcessEvents", "DrawBricks"}));
    EXPECT_EQ(Status(), "1s");
}

class KeepTheme : public GameFlowTest, public ::testing::WithParamInterface<bool> {};

// A new game goes back to the built-in set unless the player keeps the theme; either way the chosen theme stays saved.
TEST_P(KeepTheme, NewGameReloadsTheBuiltInSetOnlyWhenTheThemeIsNotKept)
{
    Start(FileOf({"/t/a.tlm", "16", "11", "120", "sound"}));
    flow.setKeepThemeForNewGames(GetParam());
    flow.NewGame();
    Strings steps{"LoadBricks()", "SizeToBoard(new)", "ProcessEvents", "DrawBricks"};
    EXPECT_EQ(view.steps(), GetParam() ? Strings(steps.begin() + 1, steps.end()) : steps);
    EXPECT_EQ(flow.GameTheme(), "/t/a.tlm");
}

INSTANTIATE_TEST_SUITE_P(BothWays, KeepTheme, ::testing::Bool());

namespace {

struct InputCase {
    const char* input;
    void (*deliver)(GameFlowTest& test, GameFlow& flow);
    bool paused = false;  // the game is paused before the rebuild
    friend void PrintTo(const InputCase& c, std::ostream* os) { *os << c.input; }
};

class RebuildGate : public GameFlowTest, public ::testing::WithParamInterface<std::tuple<bool, InputCase>> {};

}  // namespace

// Every input arriving while start-up or a new game lets events run is dropped: the game ends as if none had come.
TEST_P(RebuildGate, InputsWhileTheBoardIsRebuiltAreIgnored)
{
    const auto& [atStartUp, c] = GetParam();
    const auto theme = std::filesystem::temp_directory_path() / "tolmora_gate_theme.tlm";
    std::ofstream(theme) << "\r\n";
    files.answer = theme.string();
    messages.answers = {MessageAnswer::Yes};
    input.answers = {"Ann"};
    if (!atStartUp) {
        Start();
        Click(0, 0);
        view.calls.clear();
        audio.calls.clear();
    }
    if (c.paused) flow.MnuFilePause_Click();
    view.onCall = [&, deliver = c.deliver](const std::string& call) {
        if (call == "ProcessEvents") deliver(*this, flow);
    };
    if (atStartUp)
        flow.Form_Load();
    else
        flow.NewGame();
    std::filesystem::remove(theme);
    const Strings steps = atStartUp ? Strings{"ShowWindow", "LoadBricks()", "SizeToBoard(load)", "ProcessEvents",
                                              "DrawBricks"}
                                    : Strings{"LoadBricks()", "SizeToBoard(new)", "ProcessEvents", "DrawBricks"};
    EXPECT_EQ(view.steps(), steps);
    EXPECT_EQ(Status(), std::string(c.paused ? "120s hidden fill" : "120s fill"));
    EXPECT_TRUE(messages.shown.empty() && input.asked.empty() && files.startFolders.empty());
    EXPECT_TRUE(Played().empty() && settings.writes.empty() && flow.GameTheme().empty());
    EXPECT_FALSE(flow.snapshot().highScoresShown || flow.snapshot().muted);
    EXPECT_TRUE(flow.board.LngSelected == 0 && flow.board.LngTimeLeft == 120);
    EXPECT_EQ(flow.board.bricks().Count(), 17 * 12);
}

INSTANTIATE_TEST_SUITE_P(
    EveryInput, RebuildGate,
    ::testing::Combine(
        ::testing::Bool(),
        ::testing::Values(
            InputCase{"a board click", [](GameFlowTest& t, GameFlow&) { t.Click(3, 3); }},
            InputCase{"a frame click on a paused game", [](GameFlowTest&, GameFlow& f) { f.PicMain_Click(); }, true},
            InputCase{"the fill button", [](GameFlowTest&, GameFlow& f) { f.cmdFillSpace_Click(); }},
            InputCase{"the dialog's Start", [](GameFlowTest&, GameFlow& f) { f.cmdStart_Click({"5", "5", "5"}); }},
            InputCase{"a second new game", [](GameFlowTest&, GameFlow& f) { f.NewGame(); }},
            InputCase{"New Game", [](GameFlowTest&, GameFlow& f) { f.MnuFileNewGame_Click(); }},
            InputCase{"Theme", [](GameFlowTest&, GameFlow& f) { f.MnuTheme_Click(); }},
            InputCase{"High Scores", [](GameFlowTest&, GameFlow& f) { f.MnuHeighScores_Click(); }},
            InputCase{"Pause", [](GameFlowTest&, GameFlow& f) { f.MnuFilePause_Click(); }},
            InputCase{"Mute", [](GameFlowTest&, GameFlow& f) { f.MnuMute_Click(); }})));

// Only an existing regular file chosen in the dialog becomes the theme; the dialog starts in the program's folder.
TEST_F(GameFlowTest, ThemeMenuTakesOnlyAnExistingFile)
{
    Start();
    const auto theme = std::filesystem::temp_directory_path() / "tolmora_game_test_theme.tlm";
    std::ofstream(theme) << "\r\n";
    for (const std::string& answer : {std::string(), std::string("/x/y.tlm"), theme.parent_path().string(),
                                      theme.string()}) {
        files.answer = answer;
        flow.MnuTheme_Click();
    }
    std::filesystem::remove(theme);
    EXPECT_EQ(flow.GameTheme(), theme.string());
    EXPECT_EQ(view.steps(), (Strings{"LoadBricks(" + theme.string() + ")", "DrawBricks"}));
    EXPECT_EQ(files.startFolders, std::vector<std::filesystem::path>(4, "/opt/tolmora"));
}
