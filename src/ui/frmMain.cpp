#include "frmMain.h"

#include "BoardGeometry.h"
#include "BoardSurface.h"
#include "LegacyFont.h"
#include "MenuActions.h"
#include "RoundHalfEven.h"
#include "SidePanel.h"
#include "frmNewGame.h"
#include "frmStatistics.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>

namespace {
// PicMain's border on each side, in pixels.
constexpr int kBorder = 2;
// The desktop's standard scroll-bar thickness the layout was designed with.
constexpr int kScrollBarExtent = 17;
// A scroll bar's maximum is a 16-bit signed quantity.
constexpr int kScrollMaximum = std::numeric_limits<int16_t>::max();

void FollowTimer(QTimer* timer, bool enabled)
{
    if (enabled && !timer->isActive())
        timer->start();
    else if (!enabled && timer->isActive())
        timer->stop();
}

// Where an overlay of this size stands centred on the viewport's interior;
// a fraction of a pixel goes to the even neighbour.
QPoint Centred(const QWidget* viewport, const QSize& overlay)
{
    const auto centre = [](int outer, int inner) { return static_cast<int>(RoundHalfEven((outer - inner) / 2.0)); };
    return QPoint(centre(viewport->width() - 2 * kBorder, overlay.width()),
                  centre(viewport->height() - 2 * kBorder, overlay.height()));
}

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

frmMain::frmMain(const frmMainServices& services, QWidget* parent)
    : QMainWindow(parent),
      m_sound(services.sound),
      m_programFolder(services.programFolder),
      m_game(*this, services.sound, services.random, services.messages, services.input, services.files,
             services.settings, services.programFolder),
      m_preferencesStore(services.preferences),
      m_history(services.history)
{
    m_game.setRecorder(services.recorder);
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tolmora"));
    setFont(LegacyFont(8.25));
    buildControls();
    m_menus = std::make_unique<MenuActions>(*this, *menuBar());
    connectEvents();
    if (m_preferencesStore)
        m_preferences = m_preferencesStore->Read();
    m_preferences.zoomPercent = ZoomStepOrActualSize(m_preferences.zoomPercent);
    applyPreferences(m_preferences.zoomPercent);
    // The design client size; SizeToBoard replaces it at start-up.
    resize(610, 394 + menuBar()->sizeHint().height());
}

frmMain::~frmMain() = default;

void frmMain::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    // Created bottom to top: the background holder lies behind the viewport,
    // the high-score overlay above everything.
    Picdemo = new QLabel(client);
    Picdemo->setObjectName(QStringLiteral("Picdemo"));
    Picdemo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picdemo->setLineWidth(kBorder);
    Picdemo->setGeometry(8, 8, 304, 304);
    // Only a holder of the background picture's size; it never shows.
    Picdemo->hide();

    PicMain = new QFrame(client);
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
                            QStringLiteral("Game Over"));
    FitOneLine(lblGameOver, LegacyFont(24));
    SetTextColor(lblGameOver, kColorRed);
    timGameOver = new QTimer(FRAGameOver);
    timGameOver->setInterval(300);

    HSWidth = new QScrollBar(Qt::Horizontal, client);
    HSWidth->setObjectName(QStringLiteral("HSWidth"));
    HSWidth->setGeometry(0, 376, 409, kScrollBarExtent);
    VSHeight = new QScrollBar(Qt::Vertical, client);
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

    PicScore = new SidePanel(client);

    timSec = new QTimer(this);
    timSec->setInterval(1000);

    fraHighscores = new QGroupBox(client);
    fraHighscores->setObjectName(QStringLiteral("fraHighscores"));
    fraHighscores->setAutoFillBackground(true);
    fraHighscores->setFont(LegacyFont(12));
    fraHighscores->setGeometry(48, 24, 353, 249);
    fraHighscores->hide();
    Label2 = MakeLabel(fraHighscores, QRect(16, 16, 321, 41), Qt::AlignHCenter, LegacyFont(18, true),
                       QStringLiteral("High Scores"));
    FitOneLine(Label2, LegacyFont(18, true));
    lblName = MakeLabel(fraHighscores, QRect(16, 64, 209, 177), Qt::AlignLeft, fraHighscores->font());
    lblScores = MakeLabel(fraHighscores, QRect(240, 64, 105, 177), Qt::AlignRight, fraHighscores->font());

    const std::pair<QObject*, const char*> names[] = {
        {Label2, "Label2"},   {lblName, "lblName"},   {lblScores, "lblScores"},
        {lblGameOver, "lblGameOver"}, {timSec, "timSec"}, {timGameOver, "timGameOver"}};
    for (const auto& [object, name] : names)
        object->setObjectName(QLatin1String(name));
}

// A checkable item has already flipped its mark when this runs; during a
// rebuild the choice is refused and the mark goes back.
void frmMain::togglePreference(bool PlayerPreferences::*choice)
{
    PlayerPreferences wanted = m_preferences;
    if (m_game.acceptsInput())
        wanted.*choice = !(wanted.*choice);
    setPreferences(wanted);
}

void frmMain::zoomTo(int zoomPercent)
{
    PlayerPreferences wanted = m_preferences;
    wanted.zoomPercent = zoomPercent;
    setPreferences(wanted);
}

void frmMain::setPreferences(const PlayerPreferences& wanted)
{
    const int zoomShown = m_preferences.zoomPercent;
    PlayerPreferences next = wanted;
    next.zoomPercent = ZoomStepOrActualSize(wanted.zoomPercent);
    if (next != m_preferences) {
        m_preferences = next;
        // Written at once, so the choice survives a crash; a folder that
        // takes no files only means the choice lasts for this run.
        if (m_preferencesStore)
            m_preferencesStore->Write(m_preferences);
    }
    applyPreferences(zoomShown);
}

void frmMain::applyPreferences(int zoomShown)
{
    m_menus->show({m_game.state(), m_preferences, m_history != nullptr});
    m_game.setKeepThemeForNewGames(m_preferences.keepThemeForNewGames);
    PicScore->showLabels(m_game.labels(), m_preferences.highContrastPanel);
    applyLook(zoomShown);
}

void frmMain::connectEvents()
{
    centralWidget()->installEventFilter(this);
    PicMap->installEventFilter(this);
    PicMain->installEventFilter(this);
    PicMainInterior->installEventFilter(this);

    connect(HSWidth, &QScrollBar::valueChanged, this, &frmMain::HSWidth_Change);
    connect(VSHeight, &QScrollBar::valueChanged, this, &frmMain::VSHeight_Change);

    connect(timSec, &QTimer::timeout, this, &frmMain::timSec_Timer);
    connect(timGameOver, &QTimer::timeout, this, &frmMain::timGameOver_Timer);
    connect(PicMap, &BoardSurface::mouseReleased, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF position) { PicMap_MouseUp(position); });
    // Every game handler ends by having the window show the state it left.
    connect(PicScore, &SidePanel::fillSpaceClicked, this, [this] { m_game.cmdFillSpace_Click(); });
}

void frmMain::Form_Load()
{
    m_game.Form_Load();
}

void frmMain::timSec_Timer()
{
    m_game.timSec_Timer();
}

void frmMain::timGameOver_Timer()
{
    m_game.timGameOver_Timer();
}

// Every mouse button acts, and only its release; the position is in board
// pixels whatever the scroll offset.
void frmMain::PicMap_MouseUp(QPointF position)
{
    showCursor(false);
    m_game.PicMap_MouseUp(boardGeometry().cellAt(position));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        Form_Resize();
        return false;
    }
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
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint())) {
            m_game.PicMain_Click();
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    if (PicMap_KeyDown(*event))
        event->accept();
    else
        QMainWindow::keyPressEvent(event);
}

// The board needs no focus of its own: no control of the window takes the
// keyboard, so the window gets every key its menus leave.
bool frmMain::PicMap_KeyDown(const QKeyEvent& event)
{
    // A key held with Ctrl, Alt, Shift or Meta is left to the menus.
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const std::optional<CursorKey> move = CursorKeyOf(event.key());
    const bool release = event.key() == Qt::Key_Space || event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    const bool drop = event.key() == Qt::Key_Escape;
    if (!move && !release && !drop)
        return false;
    // The board takes keys when it would take the mouse, and not while a
    // dialog waits for the player.
    if (QApplication::activeModalWidget() || m_newGame || !m_game.boardAcceptsInput())
        return true;
    if (move)
        m_cursor.cell = MoveCursor(m_cursor.cell, *move, m_game.board.GameWidth, m_game.board.GameHeight);
    showCursor(true);
    scrollCursorIntoView();
    if (release)
        m_game.PicMap_MouseUp(m_cursor.cell);
    else if (drop)
        m_game.DropSelection();
    return true;
}

void frmMain::showCursor(bool visible)
{
    m_cursor.visible = visible;
    PicMap->showCursor(m_cursor.visible ? std::optional(m_cursor.cell) : std::nullopt);
}

void frmMain::scrollCursorIntoView()
{
    const QRect cell = boardGeometry().cellRect(m_cursor.cell);
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

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        timSec->stop();
        timGameOver->stop();
        m_game.Form_Unload();
        emit unloaded();
    }
    event->accept();
}

void frmMain::ShowWindow()
{
    show();
}

void frmMain::SizeToBoard(bool atLoad)
{
    // Every new board starts the keyboard cursor afresh.
    m_cursor = BoardCursor{};
    showCursor(false);
    PicMap->setGeometry(QRect(QPoint(0, 0), boardGeometry().boardSize()));
    if (!atLoad)
        Picdemo->setGeometry(PicMap->geometry());
    PicMain->setGeometry(0, 0, PicMap->width() + 2 * kBorder, PicMap->height() + 2 * kBorder);
    if (!atLoad)
        QCoreApplication::processEvents();

    // The room for both scroll bars is always part of the window. The
    // window manager adds its own frame outside this size.
    const int clientWidth = PicMain->width() + VSHeight->width() + PicScore->width();
    const int clientHeight = PicMain->height() + HSWidth->height();
    const int menuHeight = menuBar()->isVisibleTo(this) ? menuBar()->heightForWidth(clientWidth) : 0;
    QSize wanted(clientWidth, clientHeight + std::max(menuHeight, 0));
    // Like any desktop window it grows no larger than the screen; a board
    // too large for it is scrolled.
    if (const QScreen* screen = this->screen()) {
        const QSize frame = frameGeometry().size() - geometry().size();
        wanted = wanted.boundedTo(screen->availableGeometry().size() - frame);
    }
    resize(wanted);
    // A window already at the screen's size gets no resize event, yet the
    // viewport was just made the board's size; laying out again is harmless
    // when the event does come.
    Form_Resize();
}

void frmMain::Form_Resize()
{
    const int W = centralWidget()->width();
    const int H = centralWidget()->height();

    // Narrower or lower than the fixed parts (a minimized window, say):
    // the viewport keeps its geometry and the rest follows it.
    const int viewWidth = W - PicScore->width() - VSHeight->width();
    const int viewHeight = H - HSWidth->height();
    if (viewWidth >= 0 && viewHeight >= 0)
        PicMain->setGeometry(0, 0, viewWidth, viewHeight);

    VSHeight->setGeometry(PicMain->width(), 0, VSHeight->width(), PicMain->height());
    HSWidth->setGeometry(0, PicMain->height(), PicMain->width(), HSWidth->height());
    PicScore->setGeometry(W - PicScore->width(), 0, PicScore->width(), H);

    // The bar's range held every board at actual size; a zoomed board
    // needs that range times the zoom. One arrow step is one cell.
    const int cell = boardGeometry().cellPixels();
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

void frmMain::HSWidth_Change()
{
    PicMap->move(-HSWidth->value(), PicMap->y());
}

void frmMain::VSHeight_Change()
{
    PicMap->move(PicMap->x(), -VSHeight->value());
}

void frmMain::ProcessEvents()
{
    ShowState();
    QCoreApplication::processEvents();
}

void frmMain::LoadBricks(const std::string& StrTheme)
{
    m_theme = ::LoadBricks(StrTheme, m_theme, m_programFolder);
    m_sound.clips = m_theme.Sounds();
}

void frmMain::DrawBricks()
{
    PicMap->showPicture(::DrawBricks(m_game.board.bricks(), m_theme, boardGeometry(), m_preferences.brickSymbols));
    PicScore->showScore(m_game.labels().lblScore, m_preferences.highContrastPanel);
}

void frmMain::DrawChangedBricks(const ChangedCells& changed)
{
    if (changed.all) {
        DrawBricks();
        return;
    }
    PicMap->showChangedCells(m_game.board.bricks(), changed);
    PicScore->showScore(m_game.labels().lblScore, m_preferences.highContrastPanel);
}

void frmMain::ShowNewGameDialog()
{
    if (m_newGame) {
        m_newGame->raise();
        m_newGame->activateWindow();
        return;
    }
    m_newGame = new frmNewGame(m_game, this);
    m_newGame->show();
}

void frmMain::CentreGameOverFrame()
{
    FRAGameOver->move(Centred(PicMain, FRAGameOver->size()));
}

void frmMain::CentreHighScoreFrame()
{
    // Centred on the viewport's interior size, placed in the window's own
    // coordinates, as the frame lies on the window rather than in PicMain.
    fraHighscores->move(Centred(PicMain, fraHighscores->size()));
}

void frmMain::ShowState()
{
    const WindowState& state = m_game.state();
    FollowTimer(timSec, state.timSecEnabled);
    FollowTimer(timGameOver, state.timGameOverEnabled);
    PicMain->setEnabled(state.PicMainEnabled);
    PicMap->setVisible(state.PicMapVisible);
    FRAGameOver->setVisible(state.FRAGameOverVisible);
    fraHighscores->setVisible(state.fraHighscoresVisible);
    PicScore->setFillSpaceEnabled(state.cmdFillSpaceEnabled);
    m_menus->show({state, m_preferences, m_history != nullptr});
    SetTextColor(lblGameOver, state.lblGameOverColor);
    lblName->setText(LabelText(state.lblNameText));
    lblScores->setText(LabelText(state.lblScoresText));
    PicScore->showLabels(m_game.labels(), m_preferences.highContrastPanel);
}

// The figures are read as the window opens; an open one is brought forward
// rather than opened twice.
void frmMain::showStatistics()
{
    if (m_statistics) {
        m_statistics->raise();
        m_statistics->activateWindow();
        return;
    }
    m_statistics = new frmStatistics(*m_history, this);
    m_statistics->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_statistics, &frmStatistics::playBoard, this, [this](uint32_t number) { m_game.PlayBoardNumber(number); });
    m_statistics->show();
}

BoardGeometry frmMain::boardGeometry() const
{
    return {m_preferences.zoomPercent, m_game.board.GameWidth + 1, m_game.board.GameHeight + 1};
}

// After a zoom the board is fitted as at start-up and keeps the point at the
// viewport's top-left corner where it was while a bar still scrolls it, and
// the keyboard cursor where it was; the picture keeps what the last
// DrawBricks drew, only larger or smaller.
void frmMain::applyLook(int zoomShown)
{
    // Before start-up has sized the window there is nothing to fit; the
    // start-up's own sizing takes the zoom.
    if (!isVisible())
        return;
    if (m_preferences.zoomPercent != zoomShown) {
        const int before = BoardGeometry{zoomShown}.cellPixels();
        const int after = boardGeometry().cellPixels();
        const QPoint corner(HSWidth->value(), VSHeight->value());
        const BoardCursor cursor = m_cursor;
        SizeToBoard(true);
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
    PicMap->setLook(boardGeometry(), m_preferences.brickSymbols);
}
