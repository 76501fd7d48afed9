#include "BoardPicture.h"

using Selection = BoardTest;

// One click flags the whole L-shaped group, whichever brick was clicked.
TEST_F(Selection, LShapedGroupFromAnyBrick)
{
    const char* start = "RBBB/RBGB/RRRB/GGYY";
    const char* selected = "rBBB/rBGB/rrrB/GGYY";
    for (auto [x, y] : {std::pair{0, 0}, {0, 1}, {0, 2}, {1, 2}, {2, 2}}) {
        load(start);
        sounds.cues.clear();
        board.Highlightblock(x, y);
        EXPECT_EQ(picture(), selected) << x << "," << y;
        EXPECT_EQ(board.LngSelected, 5);
        EXPECT_EQ(sounds.cues, "HHHHH");
    }
}

// Bricks touching only at a corner are separate groups.
TEST_F(Selection, CornerContactDoesNotJoin)
{
    load("RB/BR");
    board.Highlightblock(0, 0);
    EXPECT_EQ(picture(), "rB/BR");
    EXPECT_EQ(board.LngSelected, 1);
}

// The fill stays inside GameWidth and GameHeight even where the collection holds more cells.
TEST_F(Selection, StopsAtTheBoardEdges)
{
    load("BRR/BRR/RRR");
    board.GameWidth = 1;
    board.GameHeight = 1;
    board.Highlightblock(1, 1);
    EXPECT_EQ(picture(), "Br/Br");
    EXPECT_EQ(board.LngSelected, 2);
}

// A whole 1000 x 1000 board of one colour is one group, and the fill has no recursion to overflow.
TEST_F(Selection, WholeBoardOfOneColour)
{
    board.GameWidth = 999;
    board.GameHeight = 999;
    for (int32_t x = 0; x <= 999; ++x)
        for (int32_t y = 0; y <= 999; ++y)
            board.bricks().Add(false, "Green", y, x, CellKey(x, y));
    board.Highlightblock(500, 0);
    EXPECT_EQ(board.LngSelected, 1000000);
    EXPECT_EQ(sounds.cues, std::string(1000000, 'H'));
    EXPECT_TRUE(board.bricks().ItemByXY(999, 999)->BlnHighLighted);
}

// A snake one brick wide is the deepest path a fill can take.
TEST_F(Selection, LongSnakeIsOneGroup)
{
    std::string rows;
    for (int y = 0; y < 200; ++y) {
        std::string row(200, 'B');
        if (y % 2 == 0)
            row.assign(200, 'R');
        else
            row[y % 4 == 1 ? 199 : 0] = 'R';
        rows += (y ? "/" : "") + row;
    }
    load(rows);
    board.Highlightblock(0, 0);
    EXPECT_EQ(board.LngSelected, 100 * 200 + 100);
}

// A lone brick clicked twice stays selected with 1, sounds twice, removes nothing.
TEST_F(Selection, SingleBrickClickedTwice)
{
    load("RB/GY");
    board.UnHighlightAll();
    board.Highlightblock(1, 0);
    board.Highlightblock(1, 0);
    EXPECT_EQ(picture(), "Rb/GY");
    EXPECT_EQ(board.LngSelected, 1);
    EXPECT_EQ(sounds.cues, "HH");
    EXPECT_EQ(board.LngBricksRemoved, 0);
}

// A click on a selected group of two or more plays the clear cue once and removes it.
TEST_F(Selection, ClickOnGroupRemovesIt)
{
    load("BRR/GYB");
    board.LngLevelBase = 1000;  // keeps the level from ending
    board.Highlightblock(1, 0);
    board.Highlightblock(2, 0);
    EXPECT_EQ(sounds.cues, "HHC");
    EXPECT_EQ(picture(), "B__/GYB");
    EXPECT_EQ(board.LngSelected, 0);
    EXPECT_EQ(board.LngBricksRemoved, 2);
}

// A lone selected brick grows to a refilled neighbour of its colour, and the next click removes both.
TEST_F(Selection, ExtensionAfterFill)
{
    load("_B/RY");
    board.Highlightblock(0, 1);
    random.Queue("R");
    board.FillEmptySpace();
    EXPECT_EQ(picture(), "RB/rY");
    EXPECT_EQ(board.LngSelected, 1);
    board.Highlightblock(0, 1);
    EXPECT_EQ(picture(), "rB/rY");
    EXPECT_EQ(board.LngSelected, 2);
    random.Queue("GY");
    board.Highlightblock(0, 1);
    EXPECT_EQ(board.LngBricksRemoved, 2);
    EXPECT_EQ(picture(), "GB/YY");
}

// A click outside the selection starts a new one; an empty cell drops it and leaves lblSelected alone.
TEST_F(Selection, ClickRules)
{
    load("RRB/_GB");
    EXPECT_TRUE(board.ClickCell(0, 0));
    EXPECT_EQ(board.labels.lblSelected.caption, "Bricks Selected\r\n2");
    EXPECT_TRUE(board.ClickCell(2, 1));
    EXPECT_EQ(picture(), "RRb/_Gb");

    EXPECT_FALSE(board.ClickCell(0, 1));
    EXPECT_EQ(picture(), "RRB/_GB");
    EXPECT_EQ(board.LngSelected, 0);
    EXPECT_EQ(board.labels.lblSelected.caption, "Bricks Selected\r\n2");

    // The old group is selected again, not removed.
    EXPECT_TRUE(board.ClickCell(2, 0));
    EXPECT_EQ(picture(), "RRb/_Gb");
    EXPECT_FALSE(board.ClickCell(3, 0));
    EXPECT_FALSE(board.ClickCell(-1, 0));
    EXPECT_EQ(board.LngSelected, 2);
}

// Removal through a click leaves lblSelected at 0.
TEST_F(Selection, ClickRemovalShowsZero)
{
    load("GGG/BRY");
    board.LngLevelBase = 1000;
    board.ClickCell(1, 0);
    board.ClickCell(2, 0);
    EXPECT_EQ(board.labels.lblSelected.caption, "Bricks Selected\r\n0");
    EXPECT_EQ(picture(), "___/BRY");
}
