#include "BoardPicture.h"

#include <tuple>

using Selection = BoardTest;

// The flagged set is the edge-connected group: an L from any of its bricks, no corner contact, a lone brick stays one.
TEST_F(Selection, GroupsByClick)
{
    // Board, clicks as column and row digits, the board and LngSelected after them, the cues.
    for (auto [before, clicks, after, selected, heard] :
         {std::tuple{"RBBB/RBGB/RRRB/GGYY", "00", "rBBB/rBGB/rrrB/GGYY", 5, "HHHHH"},
          {"RBBB/RBGB/RRRB/GGYY", "02", "rBBB/rBGB/rrrB/GGYY", 5, "HHHHH"},
          {"RBBB/RBGB/RRRB/GGYY", "22", "rBBB/rBGB/rrrB/GGYY", 5, "HHHHH"},
          {"BR/RB", "01", "BR/rB", 1, "H"},  // nothing below the bottom row, nothing across the corner
          {"RB/GY", "1010", "Rb/GY", 1, "HH"}}) {  // a lone brick's second click removes nothing
        SCOPED_TRACE(std::string(before) + " " + clicks);
        load(before);
        std::string played;
        for (const char* c = clicks; *c; c += 2) {
            const ClickOutcome outcome = board.Highlightblock(c[0] - '0', c[1] - '0');
            EXPECT_TRUE(outcome.redraw && !outcome.removal && outcome.selected == board.LngSelected);
            played += cues(outcome);
        }
        EXPECT_EQ(picture(), after);
        EXPECT_EQ(board.LngSelected, selected);
        EXPECT_EQ(played, heard);
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
    const ClickOutcome outcome = board.Highlightblock(500, 0);
    EXPECT_EQ(board.LngSelected, 1000000);
    EXPECT_EQ(outcome.highlightCues, 1000000);
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

// Clicks: outside the selection reselect, an empty cell only drops it, off the board nothing, the group is removed.
TEST_F(Selection, ClickRules)
{
    load("RRB/_GB");
    board.LngLevelBase = 1000;  // keeps the level from ending
    struct Move {
        int32_t x, y;
        const char* draws;
        bool redraw;
        int32_t selected;
        const char* heard;
        bool removes;
        const char* after;
    };
    const Move moves[] = {
        {0, 0, "", true, 2, "HH", false, "rrB/_GB"},
        {2, 1, "", true, 2, "HH", false, "RRb/_Gb"},  // another group: the first is dropped
        {0, 1, "", false, 0, "", false, "RRB/_GB"},   // an empty cell: flags dropped, no redraw
        {2, 0, "", true, 2, "HH", false, "RRb/_Gb"},  // selected again, not removed
        {3, 0, "", false, 0, "", false, "RRb/_Gb"},   // off the board: nothing at all
        {-1, 0, "", false, 0, "", false, "RRb/_Gb"},
        {2, 1, "YG", true, 0, "C", true, "_RY/RGG"},  // the selected group goes
    };
    for (const Move& m : moves) {
        SCOPED_TRACE(std::to_string(m.x) + "," + std::to_string(m.y) + " -> " + m.after);
        random.Queue(m.draws);
        const ClickOutcome outcome = board.ClickCell(m.x, m.y);
        EXPECT_EQ(std::tuple(outcome.redraw, outcome.selected, cues(outcome), outcome.removal.has_value()),
                  std::tuple(m.redraw, m.selected, std::string(m.heard), m.removes));
        EXPECT_EQ(picture(), m.after);
    }
    EXPECT_EQ(board.LngBricksRemoved, 2);
    EXPECT_EQ(random.Left(), 0u);
}
