#pragma once

#include "BoardGeometry.h"
#include "GameFlow.h"
#include "SteadyGameClock.h"
#include "GameView.h"
#include "PlayerPreferences.h"
#include "PreferencesStore.h"
#include "ThemeSound.h"
#include "frmNewGame.h"

#include <QMainWindow>
#include <QPointer>

#include <filesystem>
#include <functional>
#include <memory>

class BoardView;
class HistoryReader;
class MenuActions;
class frmStatistics;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QTimer;
class ReplayController;
class SidePanel;
struct GameRecording;


// The platform services the main window hands to the game.
struct frmMainServices {
    ModSound& sound;
    RandomSource& random;
    MessageBoxService& messages;
    InputBoxService& input;
    FileDialogService& files;
    SettingsStore& settings;
    std::filesystem::path programFolder;
    // Where the Options menu's choices are kept; none keeps the defaults.
    PreferencesStore* preferences = nullptr;
    // Where finished games go and the Statistics window reads; none keeps no history.
    GameRecorder* recorder = nullptr;
    const HistoryReader* history = nullptr;
};

// The main window: assembles the board view, the side panel, the menus, the
// high-score overlay and the theme with its sounds, turns their events into
// the game's handlers and shows the game's window state through them; the
// rules and the flow live in GameFlow.
class frmMain : public QMainWindow, public GameView {
    Q_OBJECT
public:
    explicit frmMain(const frmMainServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

    GameFlow& game() { return m_game; }

    // Runs one of the game's handlers and shows the state it left: every
    // handler the window forwards comes through here, so none can leave a
    // stale screen.
    template <typename Handler, typename... Args>
    void handle(Handler handler, Args&&... args)
    {
        // A replay is only watched: nothing reaches the game underneath.
        if (replaying())
            return;
        std::invoke(handler, m_game, std::forward<Args>(args)...);
        ShowState();
    }

    // Runs the start-up sequence: shows the window, reads the settings,
    // sizes the window and draws the first board.
    void Form_Load() { handle(&GameFlow::Form_Load); }

    // The two timers' ticks.
    void timSec_Timer() { handle(&GameFlow::timSec_Timer); }
    void timGameOver_Timer() { handle(&GameFlow::timGameOver_Timer); }

    // The layout: the board view, the side panel at the right, and while a
    // replay runs its line below both.
    void Form_Resize();
    // The window made the size of the board, the panel and the replay line.
    void FitWindow();

    // GameView.
    void ShowWindow() override { show(); }
    void LoadBricks(const std::string& StrTheme) override { m_themeSound.LoadBricks(StrTheme); }
    void SizeToBoard(bool atLoad) override;
    void ProcessEvents() override;
    void DrawBricks() override;
    void DrawChangedBricks(const ChangedCells& changed) override;
    void ShowNewGameDialog() override;
    void CentreGameOverFrame() override;
    void CentreHighScoreFrame() override;
    void ShowState() override;

    frmNewGame* newGameDialog() const { return m_newGame; }

    // The player's choices from the Options menu, as read at start and
    // changed since.
    const PlayerPreferences& preferences() const { return m_preferences; }
    // Keeps `wanted` (written at once when it differs) and has the window follow it.
    void setPreferences(const PlayerPreferences& wanted);

    // Where the cells of the present board lie at the present zoom: the one
    // answer for clicks, the cursor, the painter, the window's size and the
    // scroll bars.
    BoardGeometry boardGeometry() const;

    // Plays a recorded game back in place of the board; with `ask`, only
    // once the player agrees to give up the game in hand, as for a new game.
    // During a replay it replaces that one. Leaving it starts a new game.
    void watchReplay(const GameRecording& recording, bool ask);
    bool replaying() const;
    ReplayController& replay() { return *m_replay; }
    // Leaves a replay being watched for a new game, as Escape does.
    void leaveReplay();
    // Outlines the largest group before each move of a replay, or stops.
    void toggleBestGroup();

    // The menu items' own handlers.
    void togglePreference(bool PlayerPreferences::*choice);
    void zoomTo(int zoomPercent);
    void showStatistics();

signals:
    // The window has closed and the settings are written.
    void unloaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    // Brings the menu marks, the game, the panel and the board in line with
    // the preferences; zoomShown is the zoom the board is drawn at now.
    void applyPreferences(int zoomShown);
    void applyLook(int zoomShown);
    void connectEvents();
    // The board on show: the replay's while one runs, else the game's.
    const GameBoard& shownBoard() const;
    void showReplayState();
    // The history job (frmMainHistory.cpp): its line of text and controller,
    // their signals, and a game of the history read and watched.
    void buildReplay(QWidget* client);
    void connectReplay();
    void watchReplayOf(int64_t id);


    // Controls, named as the game names them; tests and tools find them by
    // these names as their object names.
    QGroupBox* fraHighscores;
    QLabel* Label2;
    QLabel* lblName;
    QLabel* lblScores;
    QLabel* lblReplay;
    BoardView* m_board;
    SidePanel* PicScore;
    QTimer* timSec;
    QTimer* timGameOver;

    std::unique_ptr<MenuActions> m_menus;
    ReplayController* m_replay;
    int m_replayBand = 0;  // the replay's line below the board, in pixels

    ThemeSound m_themeSound;
    GameFlow m_game;
    QPointer<frmNewGame> m_newGame;
    PreferencesStore* m_preferencesStore;
    PlayerPreferences m_preferences;
    const HistoryReader* m_history = nullptr;
    SteadyGameClock m_clock;
    QPointer<frmStatistics> m_statistics;
    bool m_unloaded = false;
};
