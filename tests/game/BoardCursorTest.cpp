#include "BoardCursor.h"

#include <gtest/gtest.h>

namespace {

struct CursorMove {
    CellCoord from;
    CursorKey key;
    int32_t GameWidth;
    int32_t GameHeight;
    CellCoord to;
};

class CursorMoveTest : public ::testing::TestWithParam<CursorMove> {};

// One cell per arrow, held at the board's edges; the jumps go to the last column or row; a stale position comes back in.
TEST_P(CursorMoveTest, LandsOnTheBoard)
{
    const CursorMove& move = GetParam();
    EXPECT_EQ(MoveCursor(move.from, move.key, move.GameWidth, move.GameHeight), move.to);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CursorMoveTest,
    ::testing::Values(CursorMove{{5, 5}, CursorKey::Left, 16, 11, {4, 5}},
                      CursorMove{{5, 5}, CursorKey::Up, 16, 11, {5, 4}},
                      // The edges hold it; the jumps keep the other coordinate.
                      CursorMove{{16, 11}, CursorKey::Right, 16, 11, {16, 11}},
                      CursorMove{{16, 11}, CursorKey::Down, 16, 11, {16, 11}},
                      CursorMove{{5, 5}, CursorKey::End, 16, 11, {16, 5}},
                      CursorMove{{5, 5}, CursorKey::PageDown, 16, 11, {5, 11}},
                      // A one-cell board: nowhere to go.
                      CursorMove{{0, 0}, CursorKey::Right, 0, 0, {0, 0}},
                      // Left outside by a smaller new board: brought back in before the move.
                      CursorMove{{40, 30}, CursorKey::Left, 16, 11, {15, 11}},
                      CursorMove{{40, 30}, CursorKey::Home, 16, 11, {0, 11}}));

}  // namespace
