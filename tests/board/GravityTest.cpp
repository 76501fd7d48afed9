#include "BoardPicture.h"

using Gravity = BoardTest;
using Refill = BoardTest;

// A, gap, B, gap from the top settles as gap, gap, A, B.
TEST_F(Gravity, GapsCloseInOrder)
{
    load("R/./B/.");
    board.DropBlocks();
    EXPECT_EQ(picture(), "_/_/R/B");
}

// A lone brick in row 0 falls all the way to the bottom.
TEST_F(Gravity, TopBrickFallsToBottom)
{
    load("G/./././.");
    board.DropBlocks();
    EXPECT_EQ(picture(), "_/_/_/_/G");
}

// A board without empty cells is left as it is.
TEST_F(Gravity, FullBoardUnchanged)
{
    load("RBG/YRB/GYR");
    board.DropBlocks();
    EXPECT_EQ(picture(), "RBG/YRB/GYR");
}

// Flags stay with their cells; only colours move.
TEST_F(Gravity, FlagsDoNotFall)
{
    load("r/./B");
    board.LngSelected = 0;
    board.DropBlocks();
    EXPECT_EQ(picture(), "_/R/B");
    EXPECT_TRUE(board.bricks().ItemByXY(0, 0)->BlnHighLighted);
}

// Every pass runs on every column, so settled "None" markers shift by the passes the whole board needs.
TEST_F(Gravity, MarkerSpellingFollowsThePassCount)
{
    load("._/../R./GY");  // column 1 needs no pass that moves a brick
    board.DropBlocks();
    EXPECT_EQ(picture(), "__/._/R./GY");

    load(".B/../R./GY");  // column 1 needs two moving passes
    board.DropBlocks();
    EXPECT_EQ(picture(), "__/__/RB/GY");
}

// Odd colour texts fall like bricks; only "none" in any case counts as empty.
TEST_F(Gravity, OddTextsAreBricksUnlessNone)
{
    load("R/R/R/R");
    const char* colors[] = {"purple", "NONE", "", "nOnE"};
    for (int y = 0; y < 4; ++y)
        board.bricks().ItemByXY(0, y)->StrColor = colors[y];
    board.DropBlocks();
    EXPECT_EQ(board.bricks().ItemByXY(0, 0)->StrColor, "none");
    EXPECT_EQ(board.bricks().ItemByXY(0, 1)->StrColor, "none");
    EXPECT_EQ(board.bricks().ItemByXY(0, 2)->StrColor, "purple");
    EXPECT_EQ(board.bricks().ItemByXY(0, 3)->StrColor, "");
}

// An empty column is refilled top to bottom, one draw per cell, in place.
TEST_F(Refill, EmptyColumnGetsItsOwnDraws)
{
    load("R_B/G.Y/B_G");
    random.Queue("YRG");
    board.CheckColumns();
    EXPECT_EQ(picture(), "RYB/GRY/BGG");
}

// Two neighbouring empty columns are both refilled, left column first.
TEST_F(Refill, NeighbouringColumnsEachRefilled)
{
    load("R__/G__/B__");
    random.Queue("RBGYRB");
    board.CheckColumns();
    EXPECT_EQ(picture(), "RRY/GBR/BGB");
}

// A column that still holds a brick keeps its gaps.
TEST_F(Refill, ColumnWithABrickIsNotRefilled)
{
    load("R_/G_/BY");
    board.CheckColumns();
    EXPECT_EQ(picture(), "R_/G_/BY");
    EXPECT_EQ(random.Used(), 0u);
}

// A removal that empties a whole column refills it where it stands; its neighbours stay put.
TEST_F(Refill, RemovalOfAWholeColumn)
{
    load("BRY/GRB/YRG");
    board.LngLevelBase = 1000;
    board.ClickCell(1, 0);
    random.Queue("GGB");
    board.ClickCell(1, 2);
    EXPECT_EQ(picture(), "BGY/GGB/YBG");
}

// FillEmptySpace draws for each gap column by column from the top, and the new bricks do not fall.
TEST_F(Refill, FillEmptySpaceInColumnOrder)
{
    load("._/R_/.B");
    random.Queue("GYRB");
    board.FillEmptySpace();
    EXPECT_EQ(picture(), "GR/RB/YB");
}

// The fill button with 31 seconds takes 30 and fills; with 30 it does nothing.
TEST_F(Refill, FillButtonNeedsMoreThanThirtySeconds)
{
    load("R_/BG");
    board.LngTimeLeft = 30;
    EXPECT_FALSE(board.cmdFillSpace_Click());
    EXPECT_EQ(board.LngTimeLeft, 30);
    EXPECT_EQ(picture(), "R_/BG");

    board.LngTimeLeft = 31;
    random.Queue("Y");
    EXPECT_TRUE(board.cmdFillSpace_Click());
    EXPECT_EQ(board.LngTimeLeft, 1);
    EXPECT_EQ(picture(), "RY/BG");
}

// On a full board the button still costs 30 seconds and changes nothing.
TEST_F(Refill, FillButtonOnAFullBoard)
{
    load("RB/BG");
    board.LngTimeLeft = 100;
    EXPECT_TRUE(board.cmdFillSpace_Click());
    EXPECT_EQ(board.LngTimeLeft, 70);
    EXPECT_EQ(picture(), "RB/BG");
}

// A fill next to a highlighted group does not grow it: the click removes only the flagged bricks.
TEST_F(Refill, FillKeepsTheSelection)
{
    load("rr_/BYG/GBY/YGB");
    board.LngLevel = 2;  // the target, 3, stays out of reach
    random.Queue("R");
    board.FillEmptySpace();
    EXPECT_EQ(picture(), "rrR/BYG/GBY/YGB");
    EXPECT_EQ(board.LngSelected, 2);
    board.ClickCell(0, 0);
    EXPECT_EQ(picture(), "__R/BYG/GBY/YGB");
    EXPECT_EQ(board.LngBricksRemoved, 2);
}
