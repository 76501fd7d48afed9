#include "frmMain.h"

#include "BoardView.h"
#include "HistoryStatistics.h"
#include "MenuActions.h"
#include "ReplayController.h"
#include "SidePanel.h"
#include "frmStatistics.h"

#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include <algorithm>

// The main window's history job: the Statistics window, and a recorded game
// replayed on the board and the side panel in place of the game, which waits
// untouched underneath.

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
    connect(m_statistics, &frmStatistics::playBoard, this, [this](uint32_t number) {
        leaveReplay();
        handle(&GameFlow::PlayBoardNumber, number);
    });
    connect(m_statistics, &frmStatistics::watchReplay, this, &frmMain::watchReplayOf);
    m_statistics->show();
}


void frmMain::buildReplay(QWidget* client)
{
    // What the replay is at, over the board's lower edge while one runs.
    lblReplay = new QLabel(client);
    lblReplay->setObjectName(QStringLiteral("lblReplay"));
    lblReplay->setAutoFillBackground(true);
    lblReplay->setWordWrap(true);
    lblReplay->setMargin(4);
    lblReplay->hide();
    m_replay = new ReplayController(this);
    m_replay->setObjectName(QStringLiteral("replay"));
}

void frmMain::connectReplay()
{
    connect(m_replay, &ReplayController::changed, this, [this] {
        DrawBricks();
        ShowState();
    });
    connect(m_replay, &ReplayController::left, this, [this] {
        lblReplay->hide();
        m_replayBand = 0;
        m_board->showOutline({});
        // The game's own board, whatever size the replay's had, until the new one is chosen.
        SizeToBoard(false);
        DrawBricks();
        handle(&GameFlow::NewGame);
    });
}

void frmMain::watchReplayOf(int64_t id)
{
    m_history->ReadRecording(id, this, [this](const std::optional<GameRecording>& recording) {
        if (recording)
            watchReplay(*recording, true);
    });
}

const GameBoard& frmMain::shownBoard() const
{
    return replaying() ? m_replay->board() : m_game.board;
}

bool frmMain::replaying() const
{
    return m_replay->active();
}

void frmMain::leaveReplay()
{
    m_replay->leave();
}

void frmMain::toggleBestGroup()
{
    if (replaying())
        m_replay->setBestGroupShown(!m_replay->bestGroupShown());
}

void frmMain::watchReplay(const GameRecording& recording, bool ask)
{
    if (!m_game.acceptsInput())
        return;
    // Another replay simply takes the place of the one watched.
    if (!replaying()) {
        if (ask && !m_game.ConfirmNewGame())
            return;
        // The game in hand is given up: its clock stops with the replay's start.
        timSec->stop();
        timGameOver->stop();
        fraHighscores->hide();
    }
    m_replay->start(recording);
    SizeToBoard(false);
    DrawBricks();
    ShowState();
}

// The board as the replay has it, the panel of its counters, and a line on
// where it stands; the game's own clock and overlays stay still meanwhile.
void frmMain::showReplayState()
{
    timSec->stop();
    timGameOver->stop();
    GameSnapshot state;
    state.gameOverShown = m_replay->over();
    m_board->showState(state);
    if (m_replay->over())
        m_board->centreGameOverFrame();
    fraHighscores->hide();
    PicScore->setFillSpaceEnabled(false);
    m_menus->show({m_game.snapshot(), m_preferences, m_history != nullptr, true, m_replay->bestGroupShown()});
    PicScore->showPanel(m_replay->panel(), m_preferences.highContrastPanel);
    m_board->showOutline(m_replay->bestGroupShown() && !m_replay->over() ? m_replay->bestGroup().cells
                                                                          : std::vector<CellCoord>{});

    lblReplay->setText(m_replay->describe());
    // The line lies below the board, never on it. The window grows to hold
    // it and does not shrink again during the replay, so it keeps still
    // from one move to the next.
    const int needed = lblReplay->heightForWidth(centralWidget()->width());
    if (needed > m_replayBand) {
        m_replayBand = needed;
        FitWindow();
    }
    lblReplay->show();
}

