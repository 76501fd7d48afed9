#pragma once

#include "BoardPicture.h"

#include <QPointF>
#include <QWidget>

#include <optional>

// The board surface (the main window's PicMap). It shows the picture of the
// last DrawBricks until the next one, however often the window system asks
// for a repaint, and paints only the exposed part of it. Mouse releases are
// passed on as they come; turning them into cells is the window's business.
class BoardSurface : public QWidget {
    Q_OBJECT
public:
    explicit BoardSurface(QWidget* parent = nullptr);

    // Takes the picture as the persistent image and has it shown.
    void showPicture(BoardPicture picture);
    const BoardPicture& picture() const { return m_picture; }
    // Shows the same picture at the surface's present size with this look.
    void setLook(BoardLook look);

    // Shows the keyboard cursor on this cell (board pixels), or none. Only
    // the cells it leaves and enters are painted again.
    void showCursor(std::optional<QRect> cell);

    // Bricks drawn by the most recent paint event, for checking that a
    // repaint costs the exposed cells only.
    int lastPaintedBricks() const { return m_lastPaintedBricks; }

    QSize sizeHint() const override;

signals:
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    BoardPicture m_picture;
    std::optional<QRect> m_cursor;
    int m_lastPaintedBricks = 0;
};
