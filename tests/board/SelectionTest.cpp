#include "BoardPicture.h"

#include <tuple>

using Selection = BoardTest;

// The flagged set is the edge-connected group: an L from any of its bricks, no corner contact, a lone brick stays one.
TEST_F(Selection, GroupsByClick)
{
    // Board, clicks as column and row digits, the board and LngSelected after them, the cues.
    for (auto [before, clicks, after, selected, cues] :
         {std::tuple{"RBBB/RBGB/RRRB/GGYY", "00", "rBBB/rBGB/rrrB/GGYY", 5, "HHHHH"},
          {"RBBB/RBGB/RRRB/GGYY", "02", "rBBB/rBGB/rrrB/GGYY", 5, "HHHHH"},
          {"RBBB/RBGB/RRRB/GGYY", "22", "rBBB/rBGB/rrrB/GGYY", 5, "HHHHH"},
          {"BR/RB", "01", "BR/rB", 1, "H"},  // nothing below the bottom row, nothing across the corner
          {"RB/GY", "1010", "Rb/GY", 1, "HH"}}) {  // a lone brick's second click removes nothing
        SCOPED_TRACE(std::string(before) + " " + clicks);
        load(before);
        sounds.cues.clear();
        for (const char* c = clicks; *c; c += 2)
            board.Highlightblock(c[0] - '0', c[1] - '0');
        EXPECT_EQ(picture(), after);
        EXPECT_EQ(board.LngSelected, selected);
        EXPECT_EQ(sounds.cues, cues);
    }
}

// The fill stays inside GameWidth and GameHeight even where the collection holds more cells.
TEST_F(Selection, StopsAtTheBoardEdges)
{
    load("BRR/BRR/RRR");
    board.GameWidth = board.GameHeight = 1;
    board.Highlightblock(1, 1);
    EXPECT_EQ(picture(), "Br/Br");
    EXPECT_EQ(board.LngSelected, 2);
}

// A whole 1000 x 1000 board of one colour is one group, and the fill has no recursion to overflow.
TEST_F(Selection, WholeBoardOfOneColour)
{
    board.GameWidth = board.GameHeight = 999;
    random.Queue(std::string(1000000, 'G'));
    board.GenTiles();
    board.Highlightblock(500, 0);
    EXPECT_EQ(board.LngSelected, 1000000);
    EXPECT_EQ(sounds.cues, std::string(1000000, 'H'));
    EXPECT_TRUE(board.bricks().ItemByXY(999, 999)->BlnHighLighted);
}

// A lone selected brick grows to a refilled neighbour of its colour, and the next click removes both.
TEST_F(Selection, ExtensionAfterFill)
{
    load("_B/RY");
    board.Highlightblock(0, 1);
    random.Queue("R");
    board.FillEmptySpace();
    board.Highlightblock(0, 1);
    EXPECT_EQ(picture(), "rB/rY");
    EXPECT_EQ(board.LngSelected, 2);
    random.Queue("GY");
    board.Highlightblock(0, 1);
    EXPECT_EQ(picture(), "GB/YY");
}

// Clicks: outside the selection reselect, an empty cell only drops it, the selected group is removed with 0 shown.
TEST_F(Selection, ClickRules)
{
    load("RRB/_GB");
    board.LngLevelBase = 1000;  // keeps the level from ending
    EXPECT_TRUE(board.ClickCell(0, 0));
    EXPECT_EQ(board.labels.lblSelected.caption, "Bricks Selected\r\n2");
    EXPECT_TRUE(board.ClickCell(2, 1));
    EXPECT_EQ(picture(), "RRb/_Gb");

    EXPECT_FALSE(board.ClickCell(0, 1));
    EXPECT_EQ(picture(), "RRB/_GB");
    EXPECT_EQ(board.LngSelected, 0);
    EXPECT_EQ(board.labels.lblSelected.caption, "Bricks Selected\r\n2");

    EXPECT_TRUE(board.ClickCell(2, 0));  // selected again, not removed
    EXPECT_EQ(picture(), "RRb/_Gb");
    EXPECT_FALSE(board.ClickCell(3, 0) || board.ClickCell(-1, 0));
    random.Queue("YG");
    EXPECT_TRUE(board.ClickCell(2, 1));
    EXPECT_EQ(picture(), "_RY/RGG");
    EXPECT_EQ(sounds.cues, "HHHHHHC");
    EXPECT_EQ(board.LngBricksRemoved, 2);
    EXPECT_EQ(board.labels.lblSelected.caption, "Bricks Selected\r\n0");
}
