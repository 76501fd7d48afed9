#pragma once

#include "CellKey.h"

#include <cstdint>

// The keys that move the keyboard cursor, in the game's own terms so that
// the move rules need no window system.
enum class CursorKey { Left, Right, Up, Down, Home, End, PageUp, PageDown };

// Where the keyboard cursor stands on the board and whether it is shown.
// It starts hidden on the top-left cell; the window shows it with the first
// key and hides it when the mouse is used on the board.
struct BoardCursor {
    CellCoord cell;
    bool visible = false;
    friend bool operator==(const BoardCursor&, const BoardCursor&) = default;
};

// The cell the cursor goes to from `at` for `key` on a board whose largest
// column and row are GameWidth and GameHeight. Moves stop at the edges, and
// a position left outside by a smaller new board is first brought back in.
CellCoord MoveCursor(CellCoord at, CursorKey key, int32_t GameWidth, int32_t GameHeight);
