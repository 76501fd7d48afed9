#include "GameFlowFixture.h"

// A click's cues reach the sound module in order, its outcome reaches the labels, and the board is drawn once.
TEST_F(GameFlowTest, ClickPlaysItsCuesAndShowsItsOutcome)
{
    const std::string highlight = "HIGHLIGHT";
    sound.clips.highlight = std::make_shared<const PcmClip>(highlight.begin(), highlight.end());
    Start(FileOf({"", "2", "2", "120", "sound"}));
    PaintBoard(flow.board, {"RRB", "RGY", "YBG"});
    Click(1, 0);
    EXPECT_EQ(Played(), "HIGHLIGHT HIGHLIGHT HIGHLIGHT");
    EXPECT_EQ(flow.snapshot().panel.selected, 3);
    EXPECT_EQ(view.steps(), Strings{"DrawBricks"});

    audio.calls.clear();
    view.calls.clear();
    Click(0, 1);  // three of A = 4 end level 1 on the 3 x 3 board
    EXPECT_EQ(Played(), "CLEAR");
    EXPECT_EQ(view.steps(), Strings{"DrawBricks"});
    const PanelValues panel = flow.snapshot().panel;
    EXPECT_EQ(std::tie(panel.selected, panel.score, panel.level, panel.timeLeft), std::tuple(0, 6, 2, 150));
}
