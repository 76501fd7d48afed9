#include "BoardGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

// Pixels map to cells by whole 32-pixel steps; outside the board (or NaN) is no cell.
TEST(BoardGeometry, PixelToCell)
{
    for (auto [X, Y, x, y] :
         {std::tuple{0.0, 0.0, 0, 0}, {31.0, 31.9, 0, 0}, {32.0, 64.0, 1, 2}, {543.0, 383.0, 16, 11}})
        EXPECT_EQ(CellAtPixel(X, Y, 16, 11), (CellCoord{x, y})) << X << "," << Y;
    for (auto [X, Y] : {std::pair{544.0, 0.0}, {0.0, 384.0}, {-0.5, 0.0}, {0.0, -1.0}, {1e30, 0.0}, {NAN, 0.0}})
        EXPECT_FALSE(CellAtPixel(X, Y, 16, 11)) << X << "," << Y;
}
