#include "BoardPicture.h"

#include <QPainter>

#include <algorithm>
#include <string>

namespace {

// The colour name picks the picture by exact comparison, case included:
// "red" or "None" draw nothing.
std::optional<BrickEntry> EntryFor(const std::string& color, bool highlighted)
{
    std::optional<BrickEntry> entry;
    switch (color.size()) {
    case 3:
        if (color == "Red")
            entry = BrickEntry::Red;
        break;
    case 4:
        if (color == "Blue")
            entry = BrickEntry::Blue;
        break;
    case 5:
        if (color == "Green")
            entry = BrickEntry::Green;
        break;
    case 6:
        if (color == "Yellow")
            entry = BrickEntry::Yellow;
        break;
    default:
        break;
    }
    if (entry && highlighted)
        entry = static_cast<BrickEntry>(static_cast<uint8_t>(*entry) + 4);
    return entry;
}

int CellsCovering(int pixels)
{
    return pixels <= 0 ? 0 : (pixels + kCellPixels - 1) / kCellPixels;
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
    if (!m_background.isNull() && !m_size.isEmpty())
        painter.drawImage(QRect(QPoint(0, 0), m_size), m_background);

    int drawn = 0;
    const int firstColumn = std::max(0, exposed.left() / kCellPixels);
    const int firstRow = std::max(0, exposed.top() / kCellPixels);
    const int lastColumn = std::min(m_columns - 1, exposed.right() / kCellPixels);
    const int lastRow = std::min(m_rows - 1, exposed.bottom() / kCellPixels);
    if (exposed.right() >= 0 && exposed.bottom() >= 0) {
        for (int row = firstRow; row <= lastRow; ++row) {
            const uint8_t* cells = m_cells.data() + static_cast<size_t>(row) * m_columns;
            for (int column = firstColumn; column <= lastColumn; ++column) {
                if (cells[column] == 0)
                    continue;
                const QImage& surface = m_bricks[cells[column] - 1];
                if (surface.isNull())
                    continue;
                painter.drawImage(QPoint(column * kCellPixels, row * kCellPixels), surface);
                ++drawn;
            }
        }
    }
    painter.restore();
    return drawn;
}

BoardPicture DrawBricks(const Bricks& bricks, const Theme& theme, QSize boardSize)
{
    BoardPicture picture;
    picture.m_size = boardSize.isValid() ? boardSize : QSize(0, 0);
    picture.m_backColor = theme.LngBackColor() & 0xFFFFFF;
    picture.m_background = theme.Background();
    for (size_t i = 0; i < kBrickEntryCount; ++i)
        picture.m_bricks[i] = theme.Surface(static_cast<BrickEntry>(i));

    // Only cells that hold a brick and lie on the board can be drawn; the
    // collection's largest indices bound the first, the surface the second.
    picture.m_columns = std::min(CellsCovering(picture.m_size.width()), bricks.LngMaxX + 1);
    picture.m_rows = std::min(CellsCovering(picture.m_size.height()), bricks.LngMaxY + 1);
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
