#include "BoardGeometry.h"

#include <algorithm>
#include <cmath>

namespace {
// The largest side a widget can take (QWIDGETSIZE_MAX), which a board of
// the largest size at the largest zoom stays well inside.
constexpr int64_t kLargestSide = (1 << 24) - 1;
}  // namespace

int BoardGeometry::cellPixels() const
{
    return kCellPixels * std::clamp(zoomPercent, kZoomSteps.front(), kZoomSteps.back()) / 100;
}

std::optional<CellCoord> BoardGeometry::cellAt(QPointF pixel) const
{
    const int cell = cellPixels();
    const double column = std::floor(pixel.x() / cell);
    const double row = std::floor(pixel.y() / cell);
    // Written so that NaN falls outside too.
    if (!(column >= 0 && column < columns && row >= 0 && row < rows))
        return std::nullopt;
    return CellCoord{static_cast<int32_t>(column), static_cast<int32_t>(row)};
}

QRect BoardGeometry::cellRect(CellCoord cell) const
{
    const int side = cellPixels();
    return QRect(cell.x * side, cell.y * side, side, side);
}

QSize BoardGeometry::boardSize() const
{
    const auto pixels = [this](int32_t cells) {
        return static_cast<int>(std::clamp<int64_t>(int64_t{cells} * cellPixels(), 0, kLargestSide));
    };
    return QSize(pixels(columns), pixels(rows));
}
