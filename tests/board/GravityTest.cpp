#include "BoardPicture.h"

#include <tuple>

using Gravity = BoardTest;

// Each column's bricks settle at the bottom in their order; flags stay with the cells.
TEST_F(Gravity, ColumnsSettle)
{
    for (auto [before, after] : {std::pair{"R/./B/.", "_/_/R/B"},  // brick, gap, brick, gap
                                 {"G/./././.", "_/_/_/_/G"},        // a lone top brick falls to the bottom
                                 {"RBG/YRB/GYR", "RBG/YRB/GYR"},    // no gaps: nothing changes
                                 {"r/./B", "_/R/B"}}) {
        load(before);
        board.DropBlocks();
        EXPECT_EQ(picture(), after) << before;
    }
}

// CheckColumns refills only emptied columns, each with its own draws; FillEmptySpace fills gaps where they are.
TEST_F(Gravity, Refills)
{
    for (auto [everyGap, before, draws, after] : {std::tuple{false, "R_B/G.Y/B_G", "YRG", "RYB/GRY/BGG"},
                                                  {false, "R__/G__/B__", "RBGYRB", "RRY/GBR/BGB"},
                                                  {false, "R_/G_/BY", "", "R_/G_/BY"},
                                                  {true, "._/R_/.B", "GYRB", "GR/RB/YB"}}) {
        load(before);
        random.Queue(draws);
        everyGap ? board.FillEmptySpace() : board.CheckColumns();
        EXPECT_EQ(picture(), after) << before;
        EXPECT_EQ(random.Left(), 0u) << before;
    }
}

// The fill button needs more than 30 seconds: 31 leaves 1 and fills, 30 does nothing, a full board still pays.
TEST_F(Gravity, FillButton)
{
    for (auto [time, before, draws, filled, timeAfter, after] :
         {std::tuple{31, "R_/BG", "Y", true, 1, "RY/BG"}, {30, "R_/BG", "", false, 30, "R_/BG"},
          {100, "RB/BG", "", true, 70, "RB/BG"}}) {
        load(before);
        random.Queue(draws);
        board.LngTimeLeft = time;
        EXPECT_EQ(board.FillForPenalty(), filled) << time;
        EXPECT_EQ(board.LngTimeLeft, timeAfter) << time;
        EXPECT_EQ(picture(), after) << time;
    }
}

// A fill next to a highlighted group does not grow it: the click removes only the flagged bricks.
TEST_F(Gravity, FillKeepsTheSelection)
{
    load("rr_/BYG/GBY/YGB");
    board.LngLevel = 2;  // the target, 3, stays out of reach
    random.Queue("R");
    board.FillEmptySpace();
    EXPECT_EQ(board.LngSelected, 2);
    board.ClickCell(0, 0);
    EXPECT_EQ(picture(), "__R/BYG/GBY/YGB");
}

// A "None" that outlives one gravity is respelled by the next, though that removal is in another column.
TEST_F(Gravity, LaterRemovalRespellsOldMarkers)
{
    load("RG/RG/RY/BY");
    board.LngLevelBase = 1000;  // no level-up, whose refill would hide the markers
    for (auto [x, after] : {std::pair{0, "_G/.G/.Y/BY"}, {1, "__/_./.Y/BY"}}) {
        board.ClickCell(x, 0);
        board.ClickCell(x, 0);
        EXPECT_EQ(picture(), after) << x;
    }
}
