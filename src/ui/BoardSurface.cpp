#include "BoardSurface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

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
    m_lastPaintedBricks = painted;
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event->button(), event->modifiers(), event->position());
    event->accept();
}
