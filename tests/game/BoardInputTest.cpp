#include "GameFlowFixture.h"

// The first release on the board starts the clock, even outside the bricks.
TEST_F(GameFlowTest, FirstReleaseStartsTheClock)
{
    Start();
    flow.PicMap_MouseUp(32.0 * 17, 3);
    EXPECT_TRUE(flow.state.timSecEnabled);
    EXPECT_TRUE(view.steps().empty());
}

// Two clicks remove a group: the first selects and draws, the second removes, scores and draws.
TEST_F(GameFlowTest, TwoClicksRemoveAGroup)
{
    Start(FileOf({"", "2", "2", "120", "sound"}));
    Paint({"RRB", "BGY", "YBG"});
    Click(1, 0);
    EXPECT_EQ(flow.board.labels.lblSelected.caption, "Bricks Selected\r\n2");
    Click(0, 0);
    EXPECT_EQ(flow.board.labels.lblSelected.caption, "Bricks Selected\r\n0");
    EXPECT_EQ(flow.board.labels.lblScore.caption, "2");
    EXPECT_EQ(view.steps(), (std::vector<std::string>{"DrawBricks", "DrawBricks"}));
}

// A click on an empty cell drops the selection without rewriting the label or drawing.
TEST_F(GameFlowTest, EmptyCellDropsTheSelectionQuietly)
{
    Start(FileOf({"", "2", "2", "120", "sound"}));
    Paint({"RR.", "BGY", "YBG"});
    Click(0, 0);
    Click(2, 0);
    EXPECT_EQ(flow.board.LngSelected, 0);
    EXPECT_EQ(flow.board.labels.lblSelected.caption, "Bricks Selected\r\n2");
    EXPECT_EQ(view.steps(), std::vector<std::string>{"DrawBricks"});
    Click(1, 0);  // selects the old group anew instead of removing it
    EXPECT_EQ(flow.board.LngSelected, 2);
}

// A game that is over takes no clicks on its board.
TEST_F(GameFlowTest, BoardIgnoresClicksAfterGameOver)
{
    Start(FileOf({"", "2", "2", "1", "sound"}));
    Click(0, 0);
    Tick();
    view.calls.clear();
    const int32_t selected = flow.board.LngSelected;
    Click(2, 2);
    EXPECT_EQ(flow.board.LngSelected, selected);
    EXPECT_TRUE(view.steps().empty());
}
