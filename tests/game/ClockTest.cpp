#include "GameFlowFixture.h"

// At 120 s the tunes change at 60 and 30 s left, the fill button goes at 30, and 00:00:00 ends the game for good.
TEST_F(GameFlowTest, ClockRunsThroughTheMusicPhases)
{
    const std::tuple<int, const char*, const char*> steps[] = {
        {60, "60s running fill", "MAIN LASTMIN"},
        {29, "31s running fill", "MAIN LASTMIN"},
        {1, "30s running", "MAIN LASTMIN LAST30"},
        {29, "1s running", "MAIN LASTMIN LAST30"},
        {1, "0s over", "MAIN LASTMIN LAST30 GAMEOVER"},
    };
    Start();
    Click(0, 0);
    // Game over shows the blinking frame and stops board and clock before its sound and the name prompt.
    flow.board.LngScore = 100;
    input.answers = {"Ann"};
    input.onAsk = [&] {
        EXPECT_TRUE(flow.snapshot().gameOverShown && settings.writes.empty());
        EXPECT_EQ(Status() + " " + Played(), "0s over MAIN LASTMIN LAST30 GAMEOVER");
        EXPECT_EQ(view.steps().back(), "CentreGameOverFrame");
        EXPECT_EQ(view.calls.back(), "ShowState");
    };
    for (const auto& [ticks, status, played] : steps) {
        Tick(ticks);
        EXPECT_EQ(Status(), status);
        EXPECT_EQ(Played(), played);
    }
    ASSERT_EQ(input.asked.size(), 1u);
    EXPECT_EQ(input.asked[0].prompt + "|" + input.asked[0].title, "Please enter your name.|New High Score");
    ASSERT_EQ(settings.writes.size(), 1u);  // saved at once, not only at close
    EXPECT_NE(settings.writes[0].find("\r\nAnn\r\n100\r\n"), std::string::npos);

    // Resuming a finished game must not run the clock again (no tick to 00:00:-1, no second game over), nor a click.
    view.calls.clear();
    flow.MnuFilePause_Click();
    flow.PicMain_Click();  // the frame of a finished game takes no clicks
    EXPECT_EQ(Status(), "0s hidden over");
    flow.MnuFilePause_Click();
    flow.MnuHeighScores_Click();
    flow.MnuHeighScores_Click();
    EXPECT_FALSE(flow.snapshot().highScoresShown);
    const int32_t selected = flow.board.LngSelected;
    Click(2, 2);
    Tick();
    EXPECT_EQ(Status() + " " + Played(), "0s over MAIN LASTMIN LAST30 GAMEOVER");
    EXPECT_EQ(flow.board.LngSelected, selected);
    EXPECT_EQ(view.steps(), (Strings{"CentreHighScoreFrame", "CentreHighScoreFrame"}));

    // After the game-over sound, a 30 s game still starts its tune at its first tick.
    NewGameOf(30);
    Tick();
    EXPECT_EQ(Played(), "MAIN LASTMIN LAST30 GAMEOVER");
    flow.MnuFilePause_Click();
    flow.MnuFilePause_Click();
    Tick();
    EXPECT_EQ(Played(), "MAIN LASTMIN LAST30 GAMEOVER LAST30");
}

// A level's 30 s at 20 s left, like muting and unmuting, starts the phase's tune anew at the next tick.
TEST_F(GameFlowTest, LevelBonusAndMuteStartThePhaseTuneAnew)
{
    Start(FileOf({"", "2", "2", "25", "sound"}));
    PaintBoard(flow.board, {"RRB", "BGY", "YBG"});
    Click(0, 0);
    Tick(5);
    Click(0, 0);  // removes the two reds, which completes level 1 on a 3 x 3 board
    EXPECT_EQ(flow.board.LngTimeLeft, 50);
    EXPECT_EQ(flow.snapshot().panel.score, 2);
    Tick();
    EXPECT_EQ(Status(), "49s running fill");
    flow.MnuMute_Click();  // silences the looping tune at once
    EXPECT_EQ(Played(), "LAST30 CLEAR LASTMIN NOSOUND");
    Tick();
    flow.MnuMute_Click();
    Tick();
    EXPECT_EQ(Played(), "LAST30 CLEAR LASTMIN NOSOUND LASTMIN");
}

// Pause before the first click hides the board, even across a new game; resuming starts the clock unclicked.
TEST_F(GameFlowTest, PauseBeforeTheFirstClick)
{
    Start();
    flow.MnuFilePause_Click();
    flow.NewGame();
    Click(0, 0);  // the hidden board takes no clicks
    EXPECT_EQ(Status(), "120s hidden fill");
    flow.PicMain_Click();
    EXPECT_EQ(Status(), "120s running fill");
    flow.PicMain_Click();  // not paused: the frame click does nothing
    EXPECT_EQ(Status(), "120s running fill");
    flow.MnuFilePause_Click();  // and pausing stops it again
    EXPECT_EQ(Status(), "120s hidden fill");
}

// A click on an empty cell drops the selection without a redraw, leaving the old highlight; the fill button redraws.
TEST_F(GameFlowTest, EmptyCellDropsTheSelectionWithoutARedraw)
{
    Start(FileOf({"", "2", "2", "120", "sound"}));
    PaintBoard(flow.board, {"RR.", "BGY", "YBG"});
    Click(0, 0);
    Click(2, 0);
    EXPECT_EQ(flow.board.LngSelected, 0);
    EXPECT_EQ(view.steps(), Strings{"DrawBricks"});
    flow.cmdFillSpace_Click();
    EXPECT_EQ(view.steps(), (Strings{"DrawBricks", "DrawBricks"}));
}

namespace {
struct StepsCase {
    const char* steps;
    const char* expected;
    friend void PrintTo(const StepsCase& c, std::ostream* os) { *os << c.steps; }
};
class SoundSwitches : public GameFlowTest, public ::testing::WithParamInterface<StepsCase> {};
class PlayerLeaving : public GameFlowTest, public ::testing::WithParamInterface<StepsCase> {};
}  // namespace

// Music off cuts the tune at once and keeps the effects; back on, the phase's tune starts at the next tick, as after
// a mute. Mute still silences everything.
// Steps: t tick, m music switched, e effects switched, u Mute, c a click that removes a group, x the clock runs out.
TEST_P(SoundSwitches, DecideWhatReachesTheBackEnd)
{
    Start(FileOf({"", "2", "2", "120", "sound"}));
    PaintBoard(flow.board, {"RRB", "BGY", "YBG"});
    Click(2, 2);  // starts the clock on a lone brick
    audio.calls.clear();
    bool music = true, effects = true;
    for (const char step : std::string(GetParam().steps)) {
        if (step == 't') Tick();
        if (step == 'm') flow.setMusic(music = !music);
        if (step == 'e') flow.setSoundEffects(effects = !effects);
        if (step == 'u') flow.MnuMute_Click();
        if (step == 'c') Click(0, 0), Click(0, 0);
        if (step == 'x') flow.board.LngTimeLeft = 1, Tick();
    }
    EXPECT_EQ(Played(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SoundSwitches,
    ::testing::Values(StepsCase{"tmt", "MAIN NOSOUND"}, StepsCase{"tmttmt", "MAIN NOSOUND MAIN"},
                      StepsCase{"mmt", "MAIN"},                 // nothing played yet: nothing to stop
                      StepsCase{"mtcx", "CLEAR GAMEOVER"},      // the effects play on without the music
                      StepsCase{"etcx", "MAIN LAST30"},         // the tunes without the effects, the end's included
                      StepsCase{"tumt", "MAIN NOSOUND"},        // muted, nothing plays to be stopped
                      StepsCase{"tutm", "MAIN NOSOUND"},        // even once a muted tick has entered the phase
                      StepsCase{"tumut", "MAIN NOSOUND"},       // unmuted with the music off: no tune
                      StepsCase{"tmx", "MAIN NOSOUND GAMEOVER"},
                      StepsCase{"tmxm", "MAIN NOSOUND GAMEOVER"}));  // after the end's sound no tune is left

// With the choice on, leaving pauses a running clock as Pause does and nothing else; coming back keeps the pause.
// Steps: o the choice turned on, s first click, p Pause, x the clock runs out, l the player leaves.
TEST_P(PlayerLeaving, PausesOnlyARunningClock)
{
    Start();
    for (const char step : std::string(GetParam().steps)) {
        if (step == 'o') flow.setPauseWhenInactive(true);
        if (step == 's') Click(0, 0);
        if (step == 'p') flow.MnuFilePause_Click();
        if (step == 'x') flow.board.LngTimeLeft = 1, Tick();
        if (step == 'l') flow.PlayerLeft();
    }
    EXPECT_EQ(Status(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, PlayerLeaving,
    ::testing::Values(StepsCase{"osl", "120s hidden fill"},
                      StepsCase{"osll", "120s hidden fill"},   // a second leave (minimised as well) does not resume
                      StepsCase{"oslp", "120s running fill"},  // Pause resumes it
                      StepsCase{"ospl", "120s hidden fill"},
                      StepsCase{"ol", "120s fill"},            // not started: nothing to stop, the board stays
                      StepsCase{"osxl", "0s over"},
                      StepsCase{"sl", "120s running fill"}));
