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

void BoardSurface::showCursor(std::optional<QRect> cell)
{
    if (cell == m_cursor)
        return;
    if (m_cursor)
        update(*m_cursor);
    m_cursor = cell;
    if (m_cursor)
        update(*m_cursor);
}

void BoardSurface::setLook(BoardLook look)
{
    m_picture.setLook(look, size());
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
    if (m_cursor && event->region().intersects(*m_cursor))
        PaintCursor(painter, *m_cursor);
    m_lastPaintedBricks = painted;
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event->button(), event->modifiers(), event->position());
    event->accept();
}
