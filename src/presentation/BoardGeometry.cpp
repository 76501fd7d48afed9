#include "BoardGeometry.h"

#include <algorithm>
#include <cmath>

int CellPixels(int zoomPercent)
{
    // Each step, a multiple of 50 %, gives a whole number of pixels.
    return kCellPixels * std::clamp(zoomPercent, 100, 300) / 100;
}

std::optional<CellCoord> CellAtPixel(double X, double Y, int32_t GameWidth, int32_t GameHeight, int zoomPercent)
{
    const int cell = CellPixels(zoomPercent);
    const double column = std::floor(X / cell);
    const double row = std::floor(Y / cell);
    // Written so that NaN falls outside too.
    if (!(column >= 0 && column <= GameWidth && row >= 0 && row <= GameHeight))
        return std::nullopt;
    return CellCoord{static_cast<int32_t>(column), static_cast<int32_t>(row)};
}

QRect CellRect(CellCoord cell, int zoomPercent)
{
    const int side = CellPixels(zoomPercent);
    return QRect(cell.x * side, cell.y * side, side, side);
}
