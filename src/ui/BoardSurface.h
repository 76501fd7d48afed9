#pragma once

#include "BoardPicture.h"

#include <QPointF>
#include <QWidget>

class QPainter;

#include <optional>
#include <vector>

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
    // Draws the changed cells of the picture again from the bricks and
    // repaints those of them in view. Not for a change of the whole board.
    void showChangedCells(const Bricks& bricks, const ChangedCells& changed);
    const BoardPicture& picture() const { return m_picture; }
    // Shows the same picture laid out anew: another zoom, the marks switched.
    void setLook(const BoardGeometry& geometry, bool brickSymbols);

    // Shows the keyboard cursor on this cell, or none. Its ring goes where the
    // picture puts the cell's brick, whatever the zoom. Only the cells it
    // leaves and enters are painted again.
    void showCursor(std::optional<CellCoord> cell);
    std::optional<CellCoord> cursor() const { return m_cursor; }

    // Outlines a group of cells on top of the picture, whatever its theme,
    // zoom or symbols: a thick light band with a dark edge along every side
    // of a cell that does not border another cell of the group.
    void showOutline(std::vector<CellCoord> cells);

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
    void paintOutline(QPainter& painter) const;
    BoardPicture m_picture;
    std::optional<CellCoord> m_cursor;
    std::vector<CellCoord> m_outline;
    int m_lastPaintedBricks = 0;
};
