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
    m_lastPaintedBricks = painted;
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event->button(), event->modifiers(), event->position());
    event->accept();
}
