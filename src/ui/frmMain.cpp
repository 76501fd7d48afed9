#include "frmMain.h"

#include "BoardView.h"
#include "GameTexts.h"
#include "LeaveWatch.h"
#include "LegacyFont.h"
#include "MenuActions.h"
#include "ReplayController.h"
#include "SidePanel.h"
#include "frmNewGame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {
void FollowTimer(QTimer* timer, bool enabled)
{
    if (enabled && !timer->isActive())
        timer->start();
    else if (!enabled && timer->isActive())
        timer->stop();
}
}  // namespace

frmMain::frmMain(const frmMainServices& services, QWidget* parent)
    : QMainWindow(parent),
      m_themeSound(services.sound, services.programFolder),
      m_game(*this, services.sound, services.random, services.messages, services.input, services.files,
             services.settings, services.programFolder),
      m_preferencesStore(services.preferences),
      m_history(services.history)
{
    m_game.setRecorder(services.recorder);
    m_game.setClock(&m_clock);
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Tolmora"));
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

    // Created bottom to top: the high-score overlay lies above everything.
    m_board = new BoardView(client);
    PicScore = new SidePanel(client);

    timSec = new QTimer(this);
    timSec->setInterval(1000);
    timGameOver = new QTimer(this);
    timGameOver->setInterval(300);

    fraHighscores = new QGroupBox(client);
    fraHighscores->setObjectName(QStringLiteral("fraHighscores"));
    fraHighscores->setAutoFillBackground(true);
    fraHighscores->setFont(LegacyFont(12));
    fraHighscores->setGeometry(48, 24, 353, 249);
    fraHighscores->hide();
    Label2 = MakeLabel(fraHighscores, QRect(16, 16, 321, 41), Qt::AlignHCenter, LegacyFont(18, true),
                       tr("High Scores"));
    FitOneLine(Label2, LegacyFont(18, true));
    lblName = MakeLabel(fraHighscores, QRect(16, 64, 209, 177), Qt::AlignLeft, fraHighscores->font());
    lblScores = MakeLabel(fraHighscores, QRect(240, 64, 105, 177), Qt::AlignRight, fraHighscores->font());
    buildReplay(client);

    const std::pair<QObject*, const char*> names[] = {
        {Label2, "Label2"}, {lblName, "lblName"}, {lblScores, "lblScores"},
        {timSec, "timSec"}, {timGameOver, "timGameOver"}};
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
    m_game.setKeepThemeForNewGames(m_preferences.keepThemeForNewGames);
    m_game.setMusic(m_preferences.music);
    m_game.setSoundEffects(m_preferences.soundEffects);
    m_game.setPauseWhenInactive(m_preferences.pauseWhenInactive);
    ShowState();
    applyLook(zoomShown);
}

void frmMain::connectEvents()
{
    centralWidget()->installEventFilter(this);
    connect(timSec, &QTimer::timeout, this, &frmMain::timSec_Timer);
    connect(timGameOver, &QTimer::timeout, this, &frmMain::timGameOver_Timer);
    connect(m_board, &BoardView::cellReleased, this,
            [this](std::optional<CellCoord> cell) { handle(&GameFlow::PicMap_MouseUp, cell); });
    connect(m_board, &BoardView::selectionDropped, this, [this] { handle(&GameFlow::DropSelection); });
    connect(m_board, &BoardView::frameClicked, this, [this] { handle(&GameFlow::PicMain_Click); });
    connect(PicScore, &SidePanel::fillSpaceClicked, this, [this] { handle(&GameFlow::cmdFillSpace_Click); });
    connect(new LeaveWatch(*this), &LeaveWatch::left, this, [this] { handle(&GameFlow::PlayerLeft); });
    connectReplay();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    // A replay takes its own keys, and then the board none.
    const bool free = !QApplication::activeModalWidget();
    const bool taken = replaying() ? free && event->modifiers() == Qt::NoModifier && m_replay->key(event->key())
                                   : m_board->PicMap_KeyDown(*event, free && !m_newGame && m_game.boardAcceptsInput());
    if (taken)
        event->accept();
    else
        QMainWindow::keyPressEvent(event);
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

void frmMain::SizeToBoard(bool atLoad)
{
    m_board->sizeToBoard(boardGeometry(), atLoad);
    FitWindow();
}

void frmMain::FitWindow()
{
    // The window manager adds its own frame outside this size.
    const int clientWidth = m_board->viewSize().width() + PicScore->width();
    const int clientHeight = m_board->viewSize().height() + m_replayBand;
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
    const int H = std::max(centralWidget()->height() - m_replayBand, 0);
    m_board->layOut(QSize(W - PicScore->width(), H));
    PicScore->setGeometry(W - PicScore->width(), 0, PicScore->width(), H);
    lblReplay->setGeometry(0, H, W, m_replayBand);
}

void frmMain::ProcessEvents()
{
    ShowState();
    QCoreApplication::processEvents();
}

void frmMain::DrawBricks()
{
    m_board->drawBricks(shownBoard().bricks(), m_themeSound.theme(), boardGeometry(), m_preferences.brickSymbols);
    PicScore->showScore(replaying() ? m_replay->panel() : m_game.snapshot().panel, m_preferences.highContrastPanel);
}

void frmMain::DrawChangedBricks(const ChangedCells& changed)
{
    if (changed.all) {
        DrawBricks();
        return;
    }
    m_board->drawChangedBricks(m_game.board.bricks(), changed);
    PicScore->showScore(m_game.snapshot().panel, m_preferences.highContrastPanel);
}

void frmMain::ShowNewGameDialog()
{
    if (m_newGame) {
        m_newGame->raise();
        m_newGame->activateWindow();
        return;
    }
    m_newGame = new frmNewGame(*this);
    m_newGame->show();
}

void frmMain::CentreGameOverFrame()
{
    m_board->centreGameOverFrame();
}

void frmMain::CentreHighScoreFrame()
{
    // Centred on the viewport's interior size, placed in the window's own
    // coordinates, as the frame lies on the window rather than in PicMain.
    fraHighscores->move(m_board->centred(fraHighscores->size()));
}

void frmMain::ShowState()
{
    if (replaying()) {
        showReplayState();
        return;
    }
    const GameSnapshot state = m_game.snapshot();
    FollowTimer(timSec, state.clockRuns);
    FollowTimer(timGameOver, state.gameOverShown);
    m_board->showState(state);
    fraHighscores->setVisible(state.highScoresShown);
    PicScore->setFillSpaceEnabled(state.fillAvailable);
    m_menus->show({state, m_preferences, m_history != nullptr, false, false});
    const auto [names, scores] = HighScoreColumns(state.highScores);
    lblName->setText(names);
    lblScores->setText(scores);
    PicScore->showPanel(state.panel, m_preferences.highContrastPanel);
}

BoardGeometry frmMain::boardGeometry() const
{
    return {m_preferences.zoomPercent, shownBoard().GameWidth + 1, shownBoard().GameHeight + 1};
}

void frmMain::applyLook(int zoomShown)
{
    // Before start-up has sized the window there is nothing to fit; the
    // start-up's own sizing takes the zoom.
    if (!isVisible())
        return;
    if (m_preferences.zoomPercent != zoomShown)
        m_board->keepViewThroughZoom(zoomShown, [this] { SizeToBoard(true); });
    m_board->setLook(boardGeometry(), m_preferences.brickSymbols);
}
