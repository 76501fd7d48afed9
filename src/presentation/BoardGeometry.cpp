#include "BoardGeometry.h"

#include <cmath>

std::optional<CellCoord> CellAtPixel(double X, double Y, int32_t GameWidth, int32_t GameHeight)
{
    const double column = std::floor(X / kCellPixels);
    const double row = std::floor(Y / kCellPixels);
    // Written so that NaN falls outside too.
    if (!(column >= 0 && column <= GameWidth && row >= 0 && row <= GameHeight))
        return std::nullopt;
    return CellCoord{static_cast<int32_t>(column), static_cast<int32_t>(row)};
}

QRect CellRect(CellCoord cell)
{
    return QRect(cell.x * kCellPixels, cell.y * kCellPixels, kCellPixels, kCellPixels);
}
