#pragma once

#include "BoardGeometry.h"
#include "Theme.h"
#include "Bricks.h"
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

// How a board is shown: the side of a cell in pixels (CellPixels of the
// zoom) and whether every brick carries the mark of its colour.
struct BoardLook {
    int cellPixels = kCellPixels;
    bool brickSymbols = false;
};

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

    // The board's size in pixels at the call that drew it.
    QSize size() const { return m_size; }

    // Paints the part of the board inside `exposed` (board pixels) and
    // returns how many bricks it drew. Cells outside `exposed` cost nothing.
    int paint(QPainter& painter, const QRect& exposed) const;

    // The same record shown at another zoom or with the marks switched: the
    // board surface's new size in pixels and the look that goes with it.
    // What was drawn stays as it was; only its pixels change.
    void setLook(BoardLook look, QSize size);
    BoardLook look() const { return m_look; }

    // Bytes held beyond the shared surfaces.
    size_t memoryUsage() const { return sizeof(*this) + m_cells.capacity(); }

private:
    friend BoardPicture DrawBricks(const Bricks&, const Theme&, QSize, BoardLook);

    // The brick surfaces scaled to the look's cell in device pixels, each
    // with its mark when marks are on.
    struct LookSurfaces {
        qreal devicePixelRatio = 0;
        std::array<QImage, kBrickEntryCount> bricks;
    };
    const std::array<QImage, kBrickEntryCount>& surfacesFor(qreal devicePixelRatio) const;

    QSize m_size;
    ColorRef m_backColor = kDefaultBackColor;
    QImage m_background;
    std::array<QImage, kBrickEntryCount> m_bricks;
    int m_columns = 0;
    int m_rows = 0;
    std::vector<uint8_t> m_cells;  // row-major; 0 = nothing drawn, else entry + 1
    BoardLook m_look;
    // Made on the first paint that needs them and shared by copies.
    mutable std::shared_ptr<LookSurfaces> m_lookSurfaces;
};

// The full repaint of the board: the back colour, the background stretched
// over the whole board (white left out), then every brick whose StrColor is
// exactly "Red", "Blue", "Green" or "Yellow", normal or highlighted, with
// LngTransColor left out. boardSize is the board surface's size in pixels;
// bricks outside it are not drawn. The look sets the cell's side and the marks.
BoardPicture DrawBricks(const Bricks& bricks, const Theme& theme, QSize boardSize, BoardLook look = {});

// The keyboard cursor over the cell `cell` (board pixels): a dark ring with a
// light ring inside it, so that one of the two stands out on any brick
// picture and any back colour. It keeps off the cell's edge and its middle,
// where the highlight and the brick's face show.
void PaintCursor(QPainter& painter, const QRect& cell);
