#include "GameFlowFixture.h"

using Sounds = std::vector<std::string>;

// With 120 s the tunes change at 60 and 30 s left, the fill button goes off at 30, and 00:00:00 ends the game.
TEST_F(GameFlowTest, ClockRunsThroughTheMusicPhases)
{
    Start();
    Click(0, 0);
    audio.calls.clear();
    Tick();
    EXPECT_EQ(flow.board.labels.lblTime.caption, "00:01:59");
    EXPECT_EQ(Played(), Sounds{"MAIN"});
    EXPECT_TRUE(flow.state.cmdFillSpaceEnabled);
    Tick(58);
    EXPECT_EQ(Played(), Sounds{"MAIN"});
    Tick();
    EXPECT_EQ(flow.board.labels.lblTime.caption, "00:01:00");
    EXPECT_EQ(Played(), (Sounds{"MAIN", "LASTMIN"}));
    Tick(29);
    EXPECT_TRUE(flow.state.cmdFillSpaceEnabled);
    Tick();
    EXPECT_EQ(Played(), (Sounds{"MAIN", "LASTMIN", "LAST30"}));
    EXPECT_FALSE(flow.state.cmdFillSpaceEnabled);
    Tick(29);
    EXPECT_FALSE(flow.gameOver());
    Tick();
    EXPECT_EQ(flow.board.labels.lblTime.caption, "00:00:00");
    EXPECT_TRUE(flow.gameOver());
    EXPECT_EQ(Played(), (Sounds{"MAIN", "LASTMIN", "LAST30", "GAMEOVER"}));
}

// A level's 30 s at 20 s left brings back the last-minute tune and the fill button at the next tick.
TEST_F(GameFlowTest, LevelBonusMovesTheMusicPhaseBack)
{
    Start(FileOf({"", "2", "2", "25", "sound"}));
    Paint({"RRB", "BGY", "YBG"});
    Click(0, 0);
    Tick(5);
    EXPECT_EQ(flow.LngCurrentPlay, kPlayLast30);
    audio.calls.clear();
    Click(0, 0);  // removes the two reds, which completes level 1 on a 3 x 3 board
    EXPECT_EQ(flow.board.LngTimeLeft, 50);
    EXPECT_EQ(flow.board.labels.lblSelected.caption, "Bricks Selected\r\n0");
    Tick();
    EXPECT_EQ(flow.board.labels.lblTime.caption, "00:00:49");
    EXPECT_EQ(Played(), (Sounds{"CLEAR", "LASTMIN"}));
    EXPECT_TRUE(flow.state.cmdFillSpaceEnabled);
}

// Game over shows the blinking frame and stops the board and clock before the game-over sound and the name prompt.
TEST_F(GameFlowTest, GameOverStepsComeBeforeTheNamePrompt)
{
    Start(FileOf({"", "16", "11", "2", "sound"}));
    Click(0, 0);
    flow.board.LngScore = 100;
    audio.calls.clear();
    view.calls.clear();
    input.answers = {"Ann"};
    input.onAsk = [&] {
        EXPECT_TRUE(flow.state.FRAGameOverVisible);
        EXPECT_TRUE(flow.state.timGameOverEnabled);
        EXPECT_FALSE(flow.state.PicMainEnabled);
        EXPECT_FALSE(flow.state.timSecEnabled);
        EXPECT_EQ(Played().back(), "GAMEOVER");
        EXPECT_EQ(view.calls.back(), "ShowState");
        EXPECT_TRUE(settings.writes.empty());
    };
    Tick(2);
    EXPECT_EQ(view.steps(), Sounds{"CentreGameOverFrame"});
    ASSERT_EQ(input.asked.size(), 1u);
    EXPECT_EQ(input.asked[0].prompt, "Please enter your name.");
    EXPECT_EQ(input.asked[0].title, "New High Score");
    EXPECT_EQ(input.asked[0].defaultText, "");
    EXPECT_FALSE(flow.state.cmdFillSpaceEnabled);
    // The score is on disk at once, not only at close.
    ASSERT_EQ(settings.writes.size(), 1u);
    EXPECT_NE(settings.writes[0].find("\r\nAnn\r\n100\r\n"), std::string::npos);
}

// Resuming after the game is over must not run the clock again (no tick to 00:00:-1, no second game over).
TEST_F(GameFlowTest, ResumeAfterGameOverKeepsTheClockStopped)
{
    Start(FileOf({"", "16", "11", "1", "sound"}));
    Click(0, 0);
    Tick();
    ASSERT_TRUE(flow.gameOver());
    flow.MnuFilePause_Click();
    EXPECT_FALSE(flow.state.PicMapVisible);
    flow.MnuFilePause_Click();
    EXPECT_TRUE(flow.state.PicMapVisible);
    EXPECT_EQ(flow.state.MnuFilePauseCaption, "Pause");
    flow.MnuHeighScores_Click();
    flow.MnuHeighScores_Click();
    EXPECT_FALSE(flow.state.timSecEnabled);
    Tick();
    EXPECT_EQ(flow.board.LngTimeLeft, 0);
    EXPECT_EQ(flow.board.labels.lblTime.caption, "00:00:00");
    EXPECT_EQ(view.steps(), (Sounds{"DrawBricks", "CentreGameOverFrame", "CentreHighScoreFrame",
                                    "CentreHighScoreFrame"}));
}

// Pause before the first click hides the board; resuming starts the clock without a click.
TEST_F(GameFlowTest, PauseBeforeTheFirstClick)
{
    Start();
    flow.MnuFilePause_Click();
    EXPECT_EQ(flow.state.MnuFilePauseCaption, "Resume");
    EXPECT_FALSE(flow.state.PicMapVisible);
    Click(0, 0);  // the hidden board takes no clicks
    EXPECT_FALSE(flow.state.timSecEnabled);
    flow.PicMain_Click();
    EXPECT_EQ(flow.state.MnuFilePauseCaption, "Pause");
    EXPECT_TRUE(flow.state.PicMapVisible);
    EXPECT_TRUE(flow.state.timSecEnabled);
    flow.PicMain_Click();  // not paused: the frame click does nothing
    EXPECT_TRUE(flow.state.PicMapVisible);
    EXPECT_EQ(flow.state.MnuFilePauseCaption, "Pause");
}

// Muting silences at once and resets the phase, so unmuting brings the tune back at the next tick.
TEST_F(GameFlowTest, MuteResetsTheMusicPhase)
{
    Start();
    Click(0, 0);
    audio.calls.clear();
    Tick();
    flow.MnuMute_Click();
    EXPECT_TRUE(flow.state.MnuMuteChecked);
    EXPECT_EQ(flow.LngCurrentPlay, kPlayNone);
    Tick();
    flow.MnuMute_Click();
    EXPECT_FALSE(flow.state.MnuMuteChecked);
    Tick();
    EXPECT_EQ(Played(), (Sounds{"MAIN", "NOSOUND", "MAIN"}));
}
