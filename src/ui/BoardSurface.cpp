#include "BoardSurface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <set>

BoardSurface::BoardSurface(QWidget* parent)
    : QWidget(parent)
{
    // Every exposed pixel is painted from the picture, back colour included.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardSurface::showPicture(BoardPicture picture)
{
    m_picture = std::move(picture);
    update();
}

void BoardSurface::showChangedCells(const Bricks& bricks, const ChangedCells& changed)
{
    for (const CellRect& cells : changed.rects)
        update(m_picture.redrawCells(bricks, cells));
}

void BoardSurface::showCursor(std::optional<CellCoord> cell)
{
    if (cell == m_cursor)
        return;
    if (m_cursor)
        update(m_picture.geometry().cellRect(*m_cursor));
    m_cursor = cell;
    if (m_cursor)
        update(m_picture.geometry().cellRect(*m_cursor));
}

void BoardSurface::showOutline(std::vector<CellCoord> cells)
{
    if (cells.empty() && m_outline.empty())
        return;
    m_outline = std::move(cells);
    update();
}

void BoardSurface::setLook(const BoardGeometry& geometry, bool brickSymbols)
{
    m_picture.setLook(geometry, brickSymbols);
    update();
}

QSize BoardSurface::sizeHint() const
{
    return m_picture.size().isEmpty() ? QWidget::sizeHint() : m_picture.size();
}

void BoardSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    int painted = 0;
    for (const QRect& rect : event->region())
        painted += m_picture.paint(painter, rect);
    if (m_cursor) {
        const QRect ring = m_picture.geometry().cellRect(*m_cursor);
        if (event->region().intersects(ring))
            PaintCursor(painter, ring);
    }
    if (!m_outline.empty())
        paintOutline(painter);
    m_lastPaintedBricks = painted;
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event->button(), event->modifiers(), event->position());
    event->accept();
}

void BoardSurface::paintOutline(QPainter& painter) const
{
    const BoardGeometry& geometry = m_picture.geometry();
    std::set<std::pair<int32_t, int32_t>> inGroup;
    for (const CellCoord& cell : m_outline)
        inGroup.insert({cell.x, cell.y});
    const auto member = [&inGroup](int32_t x, int32_t y) { return inGroup.count({x, y}) > 0; };
    // Thick enough to see at the smallest zoom, thin enough to leave the brick.
    const int band = std::max(2, geometry.cellPixels() / 6);
    const int dark = band / 2;
    for (const CellCoord& cell : m_outline) {
        const QRect r = geometry.cellRect(cell);
        // A black outer half and a white inner half: one of them stands out
        // on any brick.
        const auto side = [&](QRect whole, QRect outer) {
            painter.fillRect(whole, Qt::white);
            painter.fillRect(outer, Qt::black);
        };
        if (!member(cell.x - 1, cell.y))
            side({r.left(), r.top(), band, r.height()}, {r.left(), r.top(), dark, r.height()});
        if (!member(cell.x + 1, cell.y))
            side({r.right() - band + 1, r.top(), band, r.height()}, {r.right() - dark + 1, r.top(), dark, r.height()});
        if (!member(cell.x, cell.y - 1))
            side({r.left(), r.top(), r.width(), band}, {r.left(), r.top(), r.width(), dark});
        if (!member(cell.x, cell.y + 1))
            side({r.left(), r.bottom() - band + 1, r.width(), band}, {r.left(), r.bottom() - dark + 1, r.width(), dark});
    }
}
