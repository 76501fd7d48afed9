#include "BoardView.h"

#include "BoardSurface.h"
#include "LegacyFont.h"
#include "RoundHalfEven.h"
#include "SidePanel.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {
// PicMain's border on each side, in pixels.
constexpr int kBorder = 2;
// The desktop's standard scroll-bar thickness the layout was designed with.
constexpr int kScrollBarExtent = 17;
// A scroll bar's maximum is a 16-bit signed quantity.
constexpr int kScrollMaximum = std::numeric_limits<int16_t>::max();

std::optional<CursorKey> CursorKeyOf(int key)
{
    switch (key) {
    case Qt::Key_Left: return CursorKey::Left;
    case Qt::Key_Right: return CursorKey::Right;
    case Qt::Key_Up: return CursorKey::Up;
    case Qt::Key_Down: return CursorKey::Down;
    case Qt::Key_Home: return CursorKey::Home;
    case Qt::Key_End: return CursorKey::End;
    case Qt::Key_PageUp: return CursorKey::PageUp;
    case Qt::Key_PageDown: return CursorKey::PageDown;
    default: return std::nullopt;
    }
}
}  // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BoardView"));
    // Created bottom to top: the background holder lies behind the viewport.
    Picdemo = new QLabel(this);
    Picdemo->setObjectName(QStringLiteral("Picdemo"));
    Picdemo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picdemo->setLineWidth(kBorder);
    Picdemo->setGeometry(8, 8, 304, 304);
    // Only a holder of the background picture's size; it never shows.
    Picdemo->hide();

    PicMain = new QFrame(this);
    PicMain->setObjectName(QStringLiteral("PicMain"));
    PicMain->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PicMain->setLineWidth(kBorder);
    PicMain->setGeometry(0, 0, 441, 377);
    PicMainInterior = new QWidget(PicMain);
    PicMainInterior->setObjectName(QStringLiteral("PicMainInterior"));
    PicMainInterior->setGeometry(kBorder, kBorder, 441 - 2 * kBorder, 377 - 2 * kBorder);

    PicMap = new BoardSurface(PicMainInterior);
    PicMap->setObjectName(QStringLiteral("PicMap"));
    PicMap->setGeometry(8, 8, 409, 361);

    FRAGameOver = new QGroupBox(PicMainInterior);
    FRAGameOver->setObjectName(QStringLiteral("FRAGameOver"));
    FRAGameOver->setAutoFillBackground(true);
    FRAGameOver->setGeometry(128, 72, 185, 65);
    FRAGameOver->hide();
    lblGameOver = MakeLabel(FRAGameOver, QRect(8, 16, 164, 37), Qt::AlignLeft, LegacyFont(24),
                            tr("Game Over"));
    lblGameOver->setObjectName(QStringLiteral("lblGameOver"));
    FitOneLine(lblGameOver, LegacyFont(24));
    SetTextColor(lblGameOver, kColorRed);

    HSWidth = new QScrollBar(Qt::Horizontal, this);
    HSWidth->setObjectName(QStringLiteral("HSWidth"));
    HSWidth->setGeometry(0, 376, 409, kScrollBarExtent);
    VSHeight = new QScrollBar(Qt::Vertical, this);
    VSHeight->setObjectName(QStringLiteral("VSHeight"));
    VSHeight->setGeometry(440, 0, kScrollBarExtent, 369);
    for (QScrollBar* bar : {HSWidth, VSHeight}) {
        bar->setMinimum(0);
        bar->setMaximum(kCellPixels);
        // One brick per arrow click.
        bar->setSingleStep(kCellPixels);
        // The board moves when the thumb is let go, not while it is dragged.
        bar->setTracking(false);
        bar->hide();
    }

    setGeometry(QRect(QPoint(0, 0), viewSize()));

    PicMap->installEventFilter(this);
    PicMain->installEventFilter(this);
    PicMainInterior->installEventFilter(this);
    connect(HSWidth, &QScrollBar::valueChanged, this, &BoardView::HSWidth_Change);
    connect(VSHeight, &QScrollBar::valueChanged, this, &BoardView::VSHeight_Change);
    connect(PicMap, &BoardSurface::mouseReleased, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF position) { PicMap_MouseUp(position); });
}

bool BoardView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PicMain && event->type() == QEvent::Resize) {
        PicMainInterior->setGeometry(PicMain->contentsRect());
        return false;
    }
    if (watched == PicMap &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        // Taken by the board, so the release comes back to it wherever it
        // happens and the frame never sees a click of its own.
        event->accept();
        return true;
    }
    if ((watched == PicMain || watched == PicMainInterior) && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        // A click: pressed and let go over the board frame with the left button.
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint()))
            emit frameClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Every mouse button acts, and only its release; the position is in board
// pixels whatever the scroll offset.
void BoardView::PicMap_MouseUp(QPointF position)
{
    showCursor(false);
    emit cellReleased(m_geometry.cellAt(position));
}

// The board needs no focus of its own: no control of the window takes the
// keyboard, so the window gets every key its menus leave.
bool BoardView::PicMap_KeyDown(const QKeyEvent& event, bool takesInput)
{
    // A key held with Ctrl, Alt, Shift or Meta is left to the menus.
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const std::optional<CursorKey> move = CursorKeyOf(event.key());
    const bool release = event.key() == Qt::Key_Space || event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    const bool drop = event.key() == Qt::Key_Escape;
    if (!move && !release && !drop)
        return false;
    if (!takesInput)
        return true;
    if (move)
        m_cursor.cell = MoveCursor(m_cursor.cell, *move, m_geometry.columns - 1, m_geometry.rows - 1);
    showCursor(true);
    scrollCursorIntoView();
    if (release)
        emit cellReleased(m_cursor.cell);
    else if (drop)
        emit selectionDropped();
    return true;
}

void BoardView::showCursor(bool visible)
{
    m_cursor.visible = visible;
    PicMap->showCursor(m_cursor.visible ? std::optional(m_cursor.cell) : std::nullopt);
}

void BoardView::scrollCursorIntoView()
{
    const QRect cell = m_geometry.cellRect(m_cursor.cell);
    // Measured from where the board lies, which after a new game is 0, 0
    // whatever the bars say. A hidden bar means the board fits that way.
    const auto reveal = [](QScrollBar* bar, int shown, int start, int length, int visible) {
        if (bar->isHidden())
            return;
        if (start < shown)
            shown = start;
        else if (start + length > shown + visible)
            shown = start + length - visible;
        bar->setValue(shown);
    };
    reveal(HSWidth, -PicMap->x(), cell.x(), cell.width(), PicMainInterior->width());
    reveal(VSHeight, -PicMap->y(), cell.y(), cell.height(), PicMainInterior->height());
    // A bar already at its value moves nothing by itself.
    if (!HSWidth->isHidden())
        HSWidth_Change();
    if (!VSHeight->isHidden())
        VSHeight_Change();
}

void BoardView::sizeToBoard(const BoardGeometry& geometry, bool atLoad)
{
    m_geometry = geometry;
    // Every new board starts the keyboard cursor afresh.
    m_cursor = BoardCursor{};
    showCursor(false);
    PicMap->setGeometry(QRect(QPoint(0, 0), m_geometry.boardSize()));
    if (!atLoad)
        Picdemo->setGeometry(PicMap->geometry());
    PicMain->setGeometry(0, 0, PicMap->width() + 2 * kBorder, PicMap->height() + 2 * kBorder);
    if (!atLoad)
        QCoreApplication::processEvents();
}

QSize BoardView::viewSize() const
{
    // The room for both scroll bars is always part of the window.
    return {PicMain->width() + VSHeight->width(), PicMain->height() + HSWidth->height()};
}

void BoardView::layOut(QSize room)
{
    // Narrower or lower than the fixed parts (a minimized window, say):
    // the viewport keeps its geometry and the rest follows it.
    const int viewWidth = room.width() - VSHeight->width();
    const int viewHeight = room.height() - HSWidth->height();
    if (viewWidth >= 0 && viewHeight >= 0)
        PicMain->setGeometry(0, 0, viewWidth, viewHeight);

    VSHeight->setGeometry(PicMain->width(), 0, VSHeight->width(), PicMain->height());
    HSWidth->setGeometry(0, PicMain->height(), PicMain->width(), HSWidth->height());
    setGeometry(QRect(QPoint(0, 0), viewSize()));

    // The bar's range held every board at actual size; a zoomed board
    // needs that range times the zoom. One arrow step is one cell.
    const int cell = m_geometry.cellPixels();
    const int64_t scrollMaximum = int64_t{kScrollMaximum} * cell / kCellPixels;
    auto follow = [cell, scrollMaximum](QScrollBar* bar, int overhang, int visible) {
        if (overhang <= 0) {
            bar->hide();
            return;
        }
        bar->show();
        bar->setPageStep(std::max(visible, 1));
        bar->setSingleStep(cell);
        // Too large for the bar's range: the old maximum stays.
        if (overhang <= scrollMaximum)
            bar->setMaximum(overhang);
    };
    const int interiorWidth = PicMain->width() - 2 * kBorder;
    const int interiorHeight = PicMain->height() - 2 * kBorder;
    follow(VSHeight, PicMap->height() - interiorHeight, interiorHeight);
    follow(HSWidth, PicMap->width() - interiorWidth, interiorWidth);
}

void BoardView::HSWidth_Change()
{
    PicMap->move(-HSWidth->value(), PicMap->y());
}

void BoardView::VSHeight_Change()
{
    PicMap->move(PicMap->x(), -VSHeight->value());
}

void BoardView::drawBricks(const Bricks& bricks, const Theme& theme, const BoardGeometry& geometry,
                           bool brickSymbols)
{
    m_geometry = geometry;
    PicMap->showPicture(::DrawBricks(bricks, theme, m_geometry, brickSymbols));
}

void BoardView::drawChangedBricks(const Bricks& bricks, const ChangedCells& changed)
{
    PicMap->showChangedCells(bricks, changed);
}

// After a zoom the board is fitted as at start-up and keeps the point at the
// viewport's top-left corner where it was while a bar still scrolls it, and
// the keyboard cursor where it was; the picture keeps what the last
// drawing drew, only larger or smaller.
void BoardView::keepViewThroughZoom(int zoomShown, const std::function<void()>& refit)
{
    const int before = BoardGeometry{zoomShown}.cellPixels();
    const QPoint corner(HSWidth->value(), VSHeight->value());
    const BoardCursor cursor = m_cursor;
    refit();
    const int after = m_geometry.cellPixels();
    // Fitting the board put it at 0, 0 whatever the bars say; after a zoom
    // the bars and the board agree again, a hidden bar at 0.
    for (auto [bar, value] : {std::pair{HSWidth, corner.x()}, {VSHeight, corner.y()}})
        bar->setValue(bar->isHidden() ? 0 : static_cast<int>(int64_t{value} * after / before));
    PicMap->move(-HSWidth->value(), -VSHeight->value());
    m_cursor = cursor;
    showCursor(m_cursor.visible);
    // A cursor in use stays in view, so a key never acts on a cell the player cannot see.
    if (m_cursor.visible)
        scrollCursorIntoView();
}

void BoardView::setLook(const BoardGeometry& geometry, bool brickSymbols)
{
    m_geometry = geometry;
    PicMap->setLook(m_geometry, brickSymbols);
}

void BoardView::showOutline(std::vector<CellCoord> cells)
{
    PicMap->showOutline(std::move(cells));
}

void BoardView::showState(const GameSnapshot& state)
{
    PicMain->setEnabled(state.boardEnabled);
    PicMap->setVisible(state.boardShown);
    FRAGameOver->setVisible(state.gameOverShown);
    SetTextColor(lblGameOver, state.gameOverLit ? kColorRed : kColorBlack);
}

// A fraction of a pixel goes to the even neighbour.
QPoint BoardView::centred(QSize overlay) const
{
    const auto centre = [](int outer, int inner) { return static_cast<int>(RoundHalfEven((outer - inner) / 2.0)); };
    return QPoint(centre(PicMain->width() - 2 * kBorder, overlay.width()),
                  centre(PicMain->height() - 2 * kBorder, overlay.height()));
}

void BoardView::centreGameOverFrame()
{
    FRAGameOver->move(centred(FRAGameOver->size()));
}
