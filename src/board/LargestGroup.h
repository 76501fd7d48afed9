#pragma once

#include "CellKey.h"
#include "GameBoard.h"

#include <cstdint>
#include <vector>

// The largest group of touching bricks of one colour on the board, as a
// hint or a replay's commentary would show it: its size, its cells and the
// points its removal is worth before any level rule (n * (n - 1)). Of groups
// of the same size, the one reached first column by column wins. An empty
// board has a group of size 0.
struct GroupFound {
    int32_t size = 0;
    std::vector<CellCoord> cells;
    int64_t points = 0;
};

// Groups are labelled over a grid of colour codes in memory order, so a board
// of a million cells takes no recursion, no string comparison per step and
// no jumps about memory.
GroupFound LargestGroup(const GameBoard& board);
