#pragma once

#include "CellKey.h"

#include <QRect>

#include <cstdint>
#include <optional>

// The side of a board cell in pixels: a brick picture fills one cell, the
// painter lays the cells out on this grid, and clicks are mapped back on it.
inline constexpr int kCellPixels = 32;

// The cell under a pixel of the board surface (X div 32, Y div 32) on a board
// whose largest column and row are GameWidth and GameHeight, or nothing when
// the pixel lies off the board.
std::optional<CellCoord> CellAtPixel(double X, double Y, int32_t GameWidth, int32_t GameHeight);

// The pixels of cell (x, y) on the board surface. Every cell rectangle the
// window needs (repainting a cell, scrolling one into view) comes from here.
QRect CellRect(CellCoord cell);
