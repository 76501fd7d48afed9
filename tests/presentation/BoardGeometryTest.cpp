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

// Zoomed cells are whole zoomed steps: the last pixel of a cell and the first of the next, and the board's far edge.
TEST(BoardGeometry, PixelToCellWhenZoomed)
{
    for (auto [zoom, X, Y, x, y] : {std::tuple{150, 47.99, 48.0, 0, 1}, {150, 48.0, 95.5, 1, 1}, {150, 815.0, 575.9, 16, 11},
                                    {250, 79.9, 80.0, 0, 1}, {250, 160.0, 0.0, 2, 0}, {250, 1359.0, 959.0, 16, 11}})
        EXPECT_EQ(CellAtPixel(X, Y, 16, 11, zoom), (CellCoord{x, y})) << zoom << ": " << X << "," << Y;
    for (auto [zoom, X, Y] : {std::tuple{150, 816.0, 0.0}, {150, 0.0, 576.0}, {250, 1360.0, 0.0}, {250, -0.1, 0.0}})
        EXPECT_FALSE(CellAtPixel(X, Y, 16, 11, zoom)) << zoom << ": " << X << "," << Y;
}
