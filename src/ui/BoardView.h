#pragma once

#include "BoardCursor.h"
#include "BoardGeometry.h"
#include "BoardPicture.h"
#include "GameFlow.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class BoardSurface;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QScrollBar;

// The board viewport: the sunken frame (PicMain) clipping the board surface
// (PicMap), its two scroll bars, the Game Over overlay and the keyboard
// cursor. It lies at the window's top-left corner and turns the mouse and
// the keys into cells for the window.
class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(QWidget* parent);

    // Gives the surface the board's size, the frame the surface's, and
    // starts the keyboard cursor afresh; the window then sizes itself.
    void sizeToBoard(const BoardGeometry& geometry, bool atLoad);
    // The frame and both scroll bars' room, which the window keeps.
    QSize viewSize() const;
    // Fits the frame to `room`, less the scroll bars, and sets the bars' ranges.
    void layOut(QSize room);
    void HSWidth_Change();
    void VSHeight_Change();

    void drawBricks(const Bricks& bricks, const Theme& theme, const BoardGeometry& geometry, bool brickSymbols);
    void drawChangedBricks(const Bricks& bricks, const ChangedCells& changed);
    // A zoom from zoomShown: `refit` sizes the board and the window to the
    // new zoom, and the view keeps its corner and the cursor where they were.
    void keepViewThroughZoom(int zoomShown, const std::function<void()>& refit);
    void setLook(const BoardGeometry& geometry, bool brickSymbols);
    void showState(const GameSnapshot& state);
    // Outlines these cells over the board, none for an empty list.
    void showOutline(std::vector<CellCoord> cells);
    // Where an overlay of this size stands centred on the frame's interior.
    QPoint centred(QSize overlay) const;
    void centreGameOverFrame();

    // Keyboard play: the cursor keys, Space and Return, Escape. False for a
    // key the board does not take, so that it goes on to the window; a key
    // the board takes while it takes no input does nothing.
    bool PicMap_KeyDown(const QKeyEvent& event, bool takesInput);

signals:
    // A mouse button let go, or Space or Return, over this cell (none: off the board).
    void cellReleased(std::optional<CellCoord> cell);
    void selectionDropped();
    // A click on the frame around the board.
    void frameClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PicMap_MouseUp(QPointF position);
    void showCursor(bool visible);
    void scrollCursorIntoView();

    QLabel* Picdemo;
    QFrame* PicMain;
    // The inside of PicMain's 2-pixel border, which clips the board.
    QWidget* PicMainInterior;
    BoardSurface* PicMap;
    QGroupBox* FRAGameOver;
    QLabel* lblGameOver;
    QScrollBar* HSWidth;
    QScrollBar* VSHeight;

    // Where the cells of the present board lie at the present zoom: the one
    // answer for clicks, the cursor, the painter and the scroll bars.
    BoardGeometry m_geometry;
    BoardCursor m_cursor;
};
