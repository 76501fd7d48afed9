#include "BoardGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

// Pixels map to cells by whole zoomed steps: the last pixel of a cell and the first of the next, the board's far
// edge; outside the board (or NaN) is no cell. A cell's rectangle is the inverse, and the board is all its cells.
TEST(BoardGeometry, PixelsAndCellsAtEveryZoom)
{
    for (auto [zoom, X, Y, x, y] :
         {std::tuple{100, 0.0, 0.0, 0, 0}, {100, 31.0, 31.9, 0, 0}, {100, 32.0, 64.0, 1, 2}, {100, 543.0, 383.0, 16, 11},
          {150, 47.99, 48.0, 0, 1}, {150, 48.0, 95.5, 1, 1}, {150, 815.0, 575.9, 16, 11}, {250, 79.9, 80.0, 0, 1},
          {250, 160.0, 0.0, 2, 0}, {250, 1359.0, 959.0, 16, 11}, {300, 1631.0, 96.0, 16, 1}}) {
        const BoardGeometry geometry{zoom, 17, 12};
        EXPECT_EQ(geometry.cellAt({X, Y}), (CellCoord{x, y})) << zoom << ": " << X << "," << Y;
        EXPECT_TRUE(geometry.cellRect({x, y}).contains(int(X), int(Y))) << zoom << ": " << X << "," << Y;
    }
    for (auto [zoom, X, Y] : {std::tuple{100, 544.0, 0.0}, {100, 0.0, 384.0}, {100, -0.5, 0.0}, {100, 0.0, -1.0},
                              {100, 1e30, 0.0}, {100, NAN, 0.0}, {150, 816.0, 0.0}, {150, 0.0, 576.0},
                              {250, 1360.0, 0.0}, {250, -0.1, 0.0}, {300, 0.0, 1152.0}})
        EXPECT_FALSE(BoardGeometry({zoom, 17, 12}).cellAt({X, Y})) << zoom << ": " << X << "," << Y;
    EXPECT_EQ(BoardGeometry({250, 17, 12}).cellRect({3, 2}), QRect(240, 160, 80, 80));
    EXPECT_EQ(BoardGeometry({300, 17, 12}).boardSize(), QSize(1632, 1152));
    // A zoom off the steps counts as the nearer end.
    EXPECT_EQ(BoardGeometry({40, 17, 12}).boardSize(), QSize(544, 384));
    EXPECT_EQ(BoardGeometry({900, 1, 1}).cellPixels(), 96);
}
