#pragma once

#include "CellKey.h"

#include <QPointF>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

// The side of a brick picture in pixels, and of a board cell at actual size.
inline constexpr int kCellPixels = 32;

// The board's zoom levels, in per cent of the bricks' own size.
inline constexpr std::array<int, 5> kZoomSteps{100, 150, 200, 250, 300};

// A zoom that is no step (a preferences file edited by hand) is actual size.
inline int ZoomStepOrActualSize(int zoomPercent)
{
    return std::ranges::find(kZoomSteps, zoomPercent) != kZoomSteps.end() ? zoomPercent : kZoomSteps.front();
}

// How the board lies on the board surface: `columns` by `rows` square cells
// from the top-left corner, each kCellPixels at 100 % and as many more as the
// zoom asks. Every question of pixels and cells (where a click lands, where
// the keyboard cursor's ring goes, where the painter puts a brick, how far a
// scroll bar moves) is answered by one of these, so that at any zoom they
// cannot disagree. Board pixels are the surface's own; a screen's device
// pixel ratio is the painter's business only.
struct BoardGeometry {
    // In per cent, one of the zoom steps from 100 to 300; a zoom outside counts as the nearer end.
    int zoomPercent = 100;
    int32_t columns = 0;
    int32_t rows = 0;

    // The side of a cell: a whole number of pixels at each step of 50 %.
    int cellPixels() const;
    // The cell containing this pixel, or nothing off the board (NaN included).
    std::optional<CellCoord> cellAt(QPointF pixel) const;
    QRect cellRect(CellCoord cell) const;
    // The whole board, held to the largest size a widget can take.
    QSize boardSize() const;

    friend bool operator==(const BoardGeometry&, const BoardGeometry&) = default;
};
