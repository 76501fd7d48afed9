#pragma once

#include "BoardGeometry.h"
#include "Theme.h"
#include "Bricks.h"
#include "ChangedCells.h"
#include "ColorRef.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class QPainter;

// What one DrawBricks drew, kept as the board surface's persistent image.
// A bitmap of a 1000x1000 board would be 32000 pixels square (4 GB), so the
// picture is kept as a record instead: one byte per cell naming the surface
// drawn there, plus the back colour, the background and the nine surfaces
// as they were at that call (shared, not copied). Painting any part of the
// board from it gives the same pixels as painting all of it, and it stays
// unchanged until the next DrawBricks, whatever happens to the board or the
// images meanwhile.
class BoardPicture {
public:
    BoardPicture() = default;

    // Where the cells lie, as at the call that drew it or the last setLook.
    const BoardGeometry& geometry() const { return m_geometry; }
    QSize size() const { return m_geometry.boardSize(); }
    // Whether every brick carries the mark of its colour.
    bool brickSymbols() const { return m_brickSymbols; }

    // Paints the part of the board inside `exposed` (board pixels) and
    // returns how many bricks it drew. Cells outside `exposed` cost nothing.
    int paint(QPainter& painter, const QRect& exposed) const;

    // The same record shown at another zoom or with the marks switched.
    // What was drawn stays as it was; only its pixels change.
    void setLook(const BoardGeometry& geometry, bool brickSymbols);

    // What DrawBricks would record for the cells of `cells`, from the bricks
    // as they are now and the look of the call that drew this picture:
    // a click changes a few cells of a board that may hold a million.
    // Returns the board pixels to show again.
    QRect redrawCells(const Bricks& bricks, const CellRect& cells);

    // Bytes held beyond the shared surfaces.
    size_t memoryUsage() const { return sizeof(*this) + m_cells.capacity(); }

private:
    friend BoardPicture DrawBricks(const Bricks&, const Theme&, const BoardGeometry&, bool);

    // The brick surfaces scaled to the cell's side in device pixels, each
    // with its mark when marks are on. A screen of another pixel ratio (the
    // window moved to another monitor) needs them made again.
    struct LookSurfaces {
        qreal devicePixelRatio = 0;
        std::array<QImage, kBrickEntryCount> bricks;
    };
    const std::array<QImage, kBrickEntryCount>& surfacesFor(qreal devicePixelRatio) const;

    BoardGeometry m_geometry;
    bool m_brickSymbols = false;
    ColorRef m_backColor = kDefaultBackColor;
    QImage m_background;
    std::array<QImage, kBrickEntryCount> m_bricks;
    int m_columns = 0;
    int m_rows = 0;
    std::vector<uint8_t> m_cells;  // row-major; 0 = nothing drawn, else entry + 1
    // Made on the first paint that needs them and shared by copies.
    mutable std::shared_ptr<LookSurfaces> m_lookSurfaces;
};

// The full repaint of the board: the back colour, the background stretched
// over the whole board (white left out), then every brick whose StrColor is
// exactly "Red", "Blue", "Green" or "Yellow", normal or highlighted, with
// LngTransColor left out. Bricks off the geometry's board are not drawn.
BoardPicture DrawBricks(const Bricks& bricks, const Theme& theme, const BoardGeometry& geometry,
                        bool brickSymbols = false);

// The keyboard cursor over the cell `cell` (board pixels): a dark ring with a
// light ring inside it, so that one of the two stands out on any brick
// picture and any back colour. It keeps off the cell's edge and its middle,
// where the highlight and the brick's face show.
void PaintCursor(QPainter& painter, const QRect& cell);
