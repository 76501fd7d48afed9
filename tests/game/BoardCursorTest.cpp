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

// One cell per arrow, the board's edges stop it, Home/End and Page Up/Down jump to the first or last column or row.
TEST_P(CursorMoveTest, LandsOnTheBoard)
{
    const CursorMove& move = GetParam();
    EXPECT_EQ(MoveCursor(move.from, move.key, move.GameWidth, move.GameHeight), move.to);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CursorMoveTest,
    ::testing::Values(CursorMove{{0, 0}, CursorKey::Right, 16, 11, {1, 0}},
                      CursorMove{{0, 0}, CursorKey::Down, 16, 11, {0, 1}},
                      CursorMove{{5, 5}, CursorKey::Left, 16, 11, {4, 5}},
                      CursorMove{{5, 5}, CursorKey::Up, 16, 11, {5, 4}},
                      // The edges hold it.
                      CursorMove{{0, 0}, CursorKey::Left, 16, 11, {0, 0}},
                      CursorMove{{0, 0}, CursorKey::Up, 16, 11, {0, 0}},
                      CursorMove{{16, 11}, CursorKey::Right, 16, 11, {16, 11}},
                      CursorMove{{16, 11}, CursorKey::Down, 16, 11, {16, 11}},
                      // The jumps keep the other coordinate.
                      CursorMove{{5, 5}, CursorKey::Home, 16, 11, {0, 5}},
                      CursorMove{{5, 5}, CursorKey::End, 16, 11, {16, 5}},
                      CursorMove{{5, 5}, CursorKey::PageUp, 16, 11, {5, 0}},
                      CursorMove{{5, 5}, CursorKey::PageDown, 16, 11, {5, 11}},
                      // A one-cell board: nowhere to go.
                      CursorMove{{0, 0}, CursorKey::Right, 0, 0, {0, 0}},
                      CursorMove{{0, 0}, CursorKey::PageDown, 0, 0, {0, 0}},
                      // Left outside by a smaller new board: brought back in before the move.
                      CursorMove{{40, 30}, CursorKey::Left, 16, 11, {15, 11}},
                      CursorMove{{40, 30}, CursorKey::Home, 16, 11, {0, 11}},
                      // The largest board moves like any other.
                      CursorMove{{998, 999}, CursorKey::Right, 999, 999, {999, 999}},
                      CursorMove{{999, 999}, CursorKey::Right, 999, 999, {999, 999}}));

}  // namespace
