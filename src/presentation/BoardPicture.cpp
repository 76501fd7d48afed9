#include "BoardPicture.h"

#include "BrickColors.h"
#include "BrickSymbols.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// The colour name picks the picture by exact comparison, case included:
// "red" or "None" draw nothing.
std::optional<BrickEntry> EntryFor(const std::string& color, bool highlighted)
{
    std::optional<BrickEntry> entry;
    switch (color.size()) {
    case 3:
        if (color == BrickColors::Red)
            entry = BrickEntry::Red;
        break;
    case 4:
        if (color == BrickColors::Blue)
            entry = BrickEntry::Blue;
        break;
    case 5:
        if (color == BrickColors::Green)
            entry = BrickEntry::Green;
        break;
    case 6:
        if (color == BrickColors::Yellow)
            entry = BrickEntry::Yellow;
        break;
    default:
        break;
    }
    if (entry && highlighted)
        entry = static_cast<BrickEntry>(static_cast<uint8_t>(*entry) + 4);
    return entry;
}

// A brick surface as one cell of `side` device pixels shows it: scaled by
// whole source pixels, never smoothed (at twice the size every pixel is a
// 2x2 block), with the entry's mark on top when asked. A picture smaller
// than a brick keeps its place at the cell's top-left corner.
QImage LookSurface(const QImage& surface, BrickEntry entry, int side, bool mark)
{
    if (surface.isNull())
        return {};
    const auto scaled = [side](int pixels) { return (pixels * side + kCellPixels / 2) / kCellPixels; };
    QImage brick = surface.scaled(scaled(surface.width()), scaled(surface.height()), Qt::IgnoreAspectRatio,
                                  Qt::FastTransformation);
    if (!mark)
        return brick;
    QImage cell(side, side, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    QPainter painter(&cell);
    painter.drawImage(0, 0, brick);
    DrawBrickSymbol(painter, entry, QRectF(0, 0, side, side));
    return cell;
}

}  // namespace

int BoardPicture::paint(QPainter& painter, const QRect& exposed) const
{
    if (exposed.isEmpty())
        return 0;
    painter.save();
    painter.setClipRect(exposed, Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.fillRect(exposed, QColor::fromRgb(ToQRgb(m_backColor)));

    // Drawn whole but clipped: the stretch maps every board pixel to the
    // same picture pixel whichever part is exposed, and only the clipped
    // part is computed.
    const QRect board(QPoint(0, 0), size());
    if (!m_background.isNull() && !board.isEmpty())
        painter.drawImage(board, m_background);

    // At actual size on a plain screen the surfaces are copied as they are;
    // otherwise from copies made for the cell's size in device pixels, so
    // no brick is ever stretched while painting.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const bool asLoaded = m_geometry.cellPixels() == kCellPixels && !m_brickSymbols && ratio == 1.0;
    const std::array<QImage, kBrickEntryCount>& bricks = asLoaded ? m_bricks : surfacesFor(ratio);

    int drawn = 0;
    const QRect shown = exposed & board;
    const std::optional<CellCoord> first = m_geometry.cellAt(shown.topLeft());
    const std::optional<CellCoord> last = m_geometry.cellAt(shown.bottomRight());
    if (!shown.isEmpty() && first && last) {
        for (int32_t row = first->y; row <= std::min(last->y, m_rows - 1); ++row) {
            const uint8_t* cells = m_cells.data() + static_cast<size_t>(row) * m_columns;
            for (int32_t column = first->x; column <= std::min(last->x, m_columns - 1); ++column) {
                if (cells[column] == 0)
                    continue;
                const QImage& surface = bricks[cells[column] - 1];
                if (surface.isNull())
                    continue;
                painter.drawImage(m_geometry.cellRect({column, row}).topLeft(), surface);
                ++drawn;
            }
        }
    }
    painter.restore();
    return drawn;
}

const std::array<QImage, kBrickEntryCount>& BoardPicture::surfacesFor(qreal devicePixelRatio) const
{
    if (!m_lookSurfaces || m_lookSurfaces->devicePixelRatio != devicePixelRatio) {
        auto made = std::make_shared<LookSurfaces>();
        made->devicePixelRatio = devicePixelRatio;
        const int side = static_cast<int>(std::lround(m_geometry.cellPixels() * devicePixelRatio));
        for (size_t i = 0; i < kBrickEntryCount; ++i) {
            made->bricks[i] = LookSurface(m_bricks[i], static_cast<BrickEntry>(i), side, m_brickSymbols);
            // Drawn at its size in board pixels, which is one device pixel
            // for each of its own.
            made->bricks[i].setDevicePixelRatio(devicePixelRatio);
        }
        m_lookSurfaces = std::move(made);
    }
    return m_lookSurfaces->bricks;
}

void BoardPicture::setLook(const BoardGeometry& geometry, bool brickSymbols)
{
    m_geometry = geometry;
    m_brickSymbols = brickSymbols;
    m_lookSurfaces.reset();
}

QRect BoardPicture::redrawCells(const Bricks& bricks, const CellRect& cells)
{
    const CellRect shown{std::max(cells.left, 0), std::max(cells.top, 0), std::min(cells.right, m_columns - 1),
                         std::min(cells.bottom, m_rows - 1)};
    if (shown.empty())
        return {};
    for (int32_t y = shown.top; y <= shown.bottom; ++y)
        for (int32_t x = shown.left; x <= shown.right; ++x) {
            const Brick* brick = bricks.FindCell(x, y);
            const std::optional<BrickEntry> entry =
                brick ? EntryFor(brick->StrColor, brick->BlnHighLighted) : std::nullopt;
            m_cells[static_cast<size_t>(y) * m_columns + x] = entry ? static_cast<uint8_t>(*entry) + 1 : 0;
        }
    return m_geometry.cellRect({shown.left, shown.top}) | m_geometry.cellRect({shown.right, shown.bottom});
}

BoardPicture DrawBricks(const Bricks& bricks, const Theme& theme, const BoardGeometry& geometry, bool brickSymbols)
{
    BoardPicture picture;
    picture.m_geometry = geometry;
    picture.m_brickSymbols = brickSymbols;
    picture.m_backColor = theme.LngBackColor() & 0xFFFFFF;
    picture.m_background = theme.Background();
    for (size_t i = 0; i < kBrickEntryCount; ++i)
        picture.m_bricks[i] = theme.Surface(static_cast<BrickEntry>(i));

    // Only cells that hold a brick and lie on the board can be drawn; the
    // collection's largest indices bound the first, the geometry the second.
    picture.m_columns = std::min(geometry.columns, bricks.LngMaxX + 1);
    picture.m_rows = std::min(geometry.rows, bricks.LngMaxY + 1);
    if (bricks.Count() == 0 || picture.m_columns <= 0 || picture.m_rows <= 0) {
        picture.m_columns = picture.m_rows = 0;
        return picture;
    }
    picture.m_cells.assign(static_cast<size_t>(picture.m_columns) * picture.m_rows, 0);

    for (const Brick& brick : bricks) {
        if (brick.LngX < 0 || brick.LngY < 0 || brick.LngX >= picture.m_columns || brick.LngY >= picture.m_rows)
            continue;
        if (auto entry = EntryFor(brick.StrColor, brick.BlnHighLighted))
            picture.m_cells[static_cast<size_t>(brick.LngY) * picture.m_columns + brick.LngX] =
                static_cast<uint8_t>(static_cast<uint8_t>(*entry) + 1);
    }
    return picture;
}

void PaintCursor(QPainter& painter, const QRect& cell)
{
    const auto ring = [&painter](const QRect& outer, int width, const QColor& color) {
        painter.fillRect(outer.left(), outer.top(), outer.width(), width, color);
        painter.fillRect(outer.left(), outer.bottom() - width + 1, outer.width(), width, color);
        painter.fillRect(outer.left(), outer.top(), width, outer.height(), color);
        painter.fillRect(outer.right() - width + 1, outer.top(), width, outer.height(), color);
    };
    // Two pixels each at a 32-pixel cell, growing with the cell.
    const int width = std::max(1, cell.width() / 16);
    const QRect dark = cell.adjusted(width, width, -width, -width);
    ring(dark, width, Qt::black);
    ring(dark.adjusted(width, width, -width, -width), width, Qt::white);
}
