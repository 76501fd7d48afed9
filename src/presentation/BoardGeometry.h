#pragma once

#include "CellKey.h"

#include <QRect>

#include <cstdint>
#include <optional>

// The side of a brick picture in pixels, and of a board cell at actual size.
inline constexpr int kCellPixels = 32;

// The side of a board cell in pixels at a zoom in per cent of the bricks'
// own size. Everything that lays cells out on the board surface (the
// painter, the window's size and scroll steps, clicks) measures with this.
// The zoom steps run from 100 to 300 %; a zoom outside counts as the nearer end.
int CellPixels(int zoomPercent);

// The cell under a pixel of the board surface (X div cell, Y div cell) on a
// board whose largest column and row are GameWidth and GameHeight, or nothing
// when the pixel lies off the board.
std::optional<CellCoord> CellAtPixel(double X, double Y, int32_t GameWidth, int32_t GameHeight,
                                     int zoomPercent = 100);

// The pixels of cell (x, y) on the board surface at a zoom. Every cell
// rectangle the window needs (repainting a cell, scrolling one into view)
// comes from here.
QRect CellRect(CellCoord cell, int zoomPercent = 100);
