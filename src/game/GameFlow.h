#pragma once

#include "FinishedGame.h"
#include "GameBoard.h"
#include "GameView.h"
#include "HighScoreTable.h"
#include "MusicPhase.h"
#include "NewGameRules.h"
#include "GameRecording.h"
#include "GameSnapshot.h"
#include "RunState.h"
#include "Services.h"
#include "SettingsStore.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

class ModSound;
class RandomSource;

// The game as the main window runs it, without widgets. Each handler is
// called by the window for the event of the same name and runs its steps in
// order, calling back into the window through GameView; afterwards the
// window shows snapshot(). While start-up, a new game or a
// theme load rebuilds the board, every handler the window forwards is
// ignored: events run inside a rebuild, and none may touch a half-built board.
class GameFlow {
public:
    GameFlow(GameView& view, ModSound& sound, RandomSource& random, MessageBoxService& messages,
             InputBoxService& input, FileDialogService& files, SettingsStore& settings,
             std::filesystem::path programFolder);
    GameFlow(const GameFlow&) = delete;
    GameFlow& operator=(const GameFlow&) = delete;

    // The board with GameWidth, GameHeight and the counters.
    GameBoard board;

    // What the window shows, and the facts behind it.
    GameSnapshot snapshot() const;
    RunState runState() const { return m_run.state(); }
    bool gameOver() const { return m_run.over(); }
    // False while a rebuild is under way; the window drops its own inputs too.
    bool acceptsInput() const { return !m_rebuilding; }
    // Whether the board takes the player's input, by mouse or keyboard: not
    // during a rebuild, while paused or once the game is over.
    bool boardAcceptsInput() const { return acceptsInput() && !m_run.over() && m_run.boardShown(); }
    int32_t GameTime() const { return m_gameTime; }
    const std::string& GameTheme() const { return m_gameTheme; }
    MusicPhase LngCurrentPlay() const { return m_currentPlay; }
    const HighScoreTable& highScores() const { return m_table; }
    NewGameValues newGameValues() const;
    // The number the current board was drawn from.
    uint32_t boardNumber() const { return m_boardNumber; }

    // Finished games go to the recorder, when there is one.
    void setRecorder(GameRecorder* recorder) { m_recorder = recorder; }
    // Where the moves' times come from; without one every move is at 0 ms.
    void setClock(GameClock* clock) { m_clock = clock; }
    // The moves of the game under way, so far.
    const GameRecording& recording() const { return m_recording; }
    // The board number of the first game, from the command line.
    void setFirstBoardNumber(uint32_t number) { m_nextBoardNumber = number; }
    // The first game is the daily board, from the command line.
    void setFirstGameDaily() { m_firstGameDaily = true; }
    // Where today's date comes from; without one, the local calendar.
    void setCalendar(Calendar* calendar) { m_calendar = calendar; }
    // Whether the game under way is on the daily board.
    bool dailyGame() const { return m_daily; }

    // With this on, a new game keeps the pictures and sounds that are
    // showing; otherwise it goes back to the built-in set, as it always has.
    void setKeepThemeForNewGames(bool keep) { m_keepThemeForNewGames = keep; }
    // What plays while the sound is on. The music turned off cuts the tune
    // playing at once; turned on, it starts the phase's tune at the next
    // tick, as the end of a mute does. The mute switch is left as it is.
    void setMusic(bool on);
    void setSoundEffects(bool on);
    // With this on, the player leaving the game pauses a running clock.
    void setPauseWhenInactive(bool on) { m_pauseWhenInactive = on; }

    // Start-up and shut-down.
    void Form_Load();
    void Form_Unload();

    // New game: the menu item's confirmation, the dialog's Start button (its
    // messages, the stored values, then NewGame) and the game itself.
    void MnuFileNewGame_Click();
    // Asks whether the game in hand may be given up for another: New Game,
    // the daily board and a replay all ask the same question.
    bool ConfirmNewGame();
    void cmdStart_Click(const NewGameTexts& texts);
    void NewGame();

    // The two timers' ticks; they run only while the window shows them enabled.
    void timSec_Timer();
    void timGameOver_Timer();

    // Board input and the side panel's button: the cell under the pointer
    // (none when it lies off the board), any mouse button. A click on the
    // frame resumes a pause.
    void PicMap_MouseUp(std::optional<CellCoord> cell);
    // The player lets the selection go without removing it: no brick stays
    // highlighted and the panel shows none selected, as after a removal.
    void DropSelection();
    void PicMain_Click();
    void cmdFillSpace_Click();

    // The player has turned to another program or minimised the window: a
    // running clock pauses as the Pause item would, when the player asked for
    // it, and stays paused when the player comes back.
    void PlayerLeft();

    // Menu items.
    void MnuFilePause_Click();
    void MnuMute_Click();
    void MnuTheme_Click();
    void MnuHeighScores_Click();
    // Asks for a board number and starts a new game on it.
    void MnuPlayBoardNumber_Click();
    // A new game on a board played before.
    void PlayBoardNumber(uint32_t number);
    // Today's board, asking first when a game is under way, and the game itself.
    void MnuDailyBoard_Click();
    void PlayDailyBoard();

    // The daily board: the same size and length for everyone.
    static constexpr int32_t kDailyWidth = 17;
    static constexpr int32_t kDailyHeight = 12;
    static constexpr int32_t kDailyTime = 120;

private:
    // Holds the gate shut while the board is rebuilt.
    class Rebuild;

    void PauseGame();
    void toggleMute();
    // The name the player entered for the table, empty when none was asked.
    std::string AddHighScore();
    // Draws the number of the board about to be generated and seeds it.
    void startBoard();
    FinishedGame finishedGame() const;
    // A new board: the recording starts afresh on it.
    void startRecording();
    // Notes the moment the clock first runs, which the moves' times count from.
    void noteClockStart();
    void record(GameRecording::Kind kind, int32_t x = 0, int32_t y = 0,
                GameRecording::Press press = GameRecording::Press::Nothing);
    void ShowHighScores();
    // A daily game borrows the board size and length; the player's own come
    // back with the next ordinary game, and are what the settings keep.
    void enterDaily();
    void leaveDaily();
    void rebuildForNewGame();
    void drawBricks();
    void drawChangedBricks();
    // What waits on the player has the window show the game as it is first.
    MessageAnswer tell(const DialogText& message, const DialogText& title, MessageButtons buttons);
    std::optional<std::string> ask(const DialogText& prompt, const DialogText& title, const std::string& value);
    // Writes "Settings.log" now, its high scores merged with those the file
    // holds by then; on success the game holds the merged table too.
    [[nodiscard]] SettingsWriteResult WriteSettings();
    void saveSettings();

    GameView& m_view;
    ModSound& m_sound;
    RandomSource& m_random;
    GameRecorder* m_recorder = nullptr;
    GameClock* m_clock = nullptr;
    GameRecording m_recording;
    std::optional<int64_t> m_clockStartMs;
    uint32_t m_ticks = 0;
    uint32_t m_boardNumber = 0;
    std::optional<uint32_t> m_nextBoardNumber;
    Calendar* m_calendar = nullptr;
    bool m_firstGameDaily = false;
    bool m_daily = false;
    // The player's own size and length while a daily game holds the board.
    std::optional<NewGameValues> m_playerValues;
    int32_t m_fillsUsed = 0;
    MessageBoxService& m_messages;
    InputBoxService& m_input;
    FileDialogService& m_files;
    SettingsStore& m_settings;
    std::filesystem::path m_programFolder;
    bool m_rebuilding = false;
    GameRun m_run;
    // The game-over frame and its blink, shown from the end of a game until
    // the next new game has begun.
    bool m_gameOverShown = false;
    bool m_highScoresShown = false;
    bool m_fillEnabled = true;
    bool m_gameOverLit = true;
    std::vector<HighScoreRow> m_highScoreRows;
    int32_t m_gameTime = 0;
    std::string m_gameTheme;
    bool m_keepThemeForNewGames = false;
    bool m_pauseWhenInactive = false;
    MusicPhase m_currentPlay = MusicPhase::None;
    HighScoreTable m_table;
    PanelValues m_panel;
    // The player is told only once that the settings cannot be saved.
    bool m_toldUnsaved = false;
    // The table as this copy last read or wrote it, so that a write can tell
    // what another copy of the game changed in the file since.
    HighScoreTable m_tableOnDisk;
};
