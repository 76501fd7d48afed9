#include "GameFlowFixture.h"

#include <filesystem>
#include <fstream>

namespace {

struct FileCase {
    const char* rule;
    std::optional<Strings> file;  // none: no "Settings.log"
    Strings written;              // the first five lines written back at close
    friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.rule; }
};

class StartUpFile : public GameFlowTest, public ::testing::WithParamInterface<FileCase> {};

// Start-up reads each line or falls back to its default, and closing silences and writes all 25 lines back.
TEST_P(StartUpFile, ReadsThenWritesAtClose)
{
    Start(GetParam().file ? std::optional(FileOf(*GetParam().file)) : std::nullopt);
    EXPECT_EQ(sound.BlnSound, GetParam().written[4] == "sound");
    flow.Form_Unload();
    EXPECT_EQ(Played(), "NOSOUND");
    Strings lines = GetParam().written;
    for (int i = 0; i < 10; ++i) lines.insert(lines.end(), {"", "0"});
    EXPECT_EQ(settings.writes, Strings{FileOf(lines)});
}

INSTANTIATE_TEST_SUITE_P(
    SettingsFile, StartUpFile,
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
        FileCase{"height above 999", Strings{"", "999", "1000", "60"}, {"", "999", "11", "60", "sound"}}));

}  // namespace

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
    EXPECT_TRUE(flow.labels.lblMinmumBlock.caption.ends_with("level is\r\n2"));
    EXPECT_EQ(Status(), "0:02:00 Pause fill");
}

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
            EXPECT_FALSE(flow.state.timGameOverEnabled || flow.state.FRAGameOverVisible);
            EXPECT_EQ(Status(), "00:00:01 Pause over");
        } else if (call == "ProcessEvents") {
            EXPECT_EQ(flow.board.bricks().Count(), 17 * 12);
        } else if (call == "DrawBricks") {
            EXPECT_TRUE(flow.board.bricks().Count() == 31 * 12 && flow.labels.lblScore.caption == "0");
        }
    };
    flow.NewGame();
    EXPECT_EQ(view.steps(), (Strings{"LoadBricks()", "SizeToBoard(new)", "ProcessEvents", "DrawBricks"}));
    EXPECT_EQ(Status(), "00:00:01 Pause");
}

// Clicks, the fill button and Start arriving while a new game lets events run must not touch the half-built board.
TEST_F(GameFlowTest, EventsInsideNewGameLeaveTheBoardAlone)
{
    Start();
    Click(0, 0);
    view.calls.clear();
    flow.board.GameWidth = 30;
    view.onCall = [&](const std::string& call) {
        if (call != "ProcessEvents") return;
        Click(25, 5);
        flow.cmdFillSpace_Click();
        flow.NewGame();
        flow.cmdStart_Click({"5", "5", "5"});
    };
    flow.NewGame();
    EXPECT_EQ(view.steps(), (Strings{"LoadBricks()", "SizeToBoard(new)", "ProcessEvents", "DrawBricks"}));
    EXPECT_EQ(flow.board.bricks().Count(), 31 * 12);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Status(), "00:02:00 Pause fill");
}

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
    EXPECT_EQ(flow.GameTheme, theme.string());
    EXPECT_EQ(view.steps(), (Strings{"LoadBricks(" + theme.string() + ")", "DrawBricks"}));
    EXPECT_EQ(files.startFolders, std::vector<std::filesystem::path>(4, "/opt/tolmora"));
}
