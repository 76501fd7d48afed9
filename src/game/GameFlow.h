#pragma once

#include "GameBoard.h"
#include "GameView.h"
#include "NewGameRules.h"
#include "PanelText.h"
#include "Services.h"
#include "SettingsFile.h"
#include "SettingsStore.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

class ModSound;
class RandomSource;

// The state the main window's controls carry. The widgets follow it; the
// game reads it back as state (the clock runs while timSec is enabled, the
// pause state is the caption together with PicMap's visibility).
struct WindowState {
    bool timSecEnabled = false;       // the game clock, 1000 ms
    bool timGameOverEnabled = false;  // the game-over blink, 300 ms
    bool PicMainEnabled = true;       // the board frame; disabled once the game is over
    bool PicMapVisible = true;        // the board surface; hidden while paused
    bool FRAGameOverVisible = false;
    bool fraHighscoresVisible = false;
    bool cmdFillSpaceEnabled = true;
    std::string MnuFilePauseCaption = "Pause";  // "Pause" or "Resume"
    bool MnuMuteChecked = false;                // checked = sound off
    ColorRef lblGameOverColor = kColorRed;
    std::string lblNameText;    // the high-score list's names column
    std::string lblScoresText;  // and its scores column
    friend bool operator==(const WindowState&, const WindowState&) = default;
};

// The music phase last started by the clock (LngCurrentPlay).
enum : int32_t {
    kPlayNone = 0,
    kPlayLast30 = 1,
    kPlayLastMin = 2,
    kPlayMain = 3,
};

// The game as the main window runs it, without widgets. Each handler is
// called by the window for the event of the same name and runs its steps in
// order, calling back into the window through GameView; afterwards the
// window shows `state` and `labels`.
//
// The states of a game: Ready (start-up or NewGame: clock stopped, board
// playable), Running (clock enabled), Paused (clock stopped, PicMap hidden,
// caption "Resume") and Over (clock stopped, PicMain disabled, the
// game-over frame blinking) until the next NewGame.
class GameFlow {
public:
    GameFlow(GameView& view, ModSound& sound, RandomSource& random, MessageBoxService& messages,
             InputBoxService& input, FileDialogService& files, SettingsStore& settings,
             std::filesystem::path programFolder);
    GameFlow(const GameFlow&) = delete;
    GameFlow& operator=(const GameFlow&) = delete;

    // The board with GameWidth, GameHeight and the counters.
    GameBoard board;
    WindowState state;
    PanelLabels labels;

    int32_t GameTime = 0;
    std::string GameTheme;
    int32_t LngCurrentPlay = kPlayNone;

    std::array<std::string, kHighScoreSlots> StrHighNames{};
    std::array<int32_t, kHighScoreSlots> LngHighScores{};

    // Start-up and shut-down.
    void Form_Load();
    void Form_Unload();

    // New game: the menu item's confirmation, the dialog's Start button (its
    // messages, the stored values, then NewGame) and the game itself.
    void MnuFileNewGame_Click();
    void cmdStart_Click(const NewGameTexts& texts);
    void NewGame();
    NewGameValues newGameValues() const;

    // Clock, game over and pause.
    void timSec_Timer();
    void timGameOver_Timer();
    void PauseGame();
    void MnuFilePause_Click();
    void PicMain_Click();
    bool gameOver() const { return !state.PicMainEnabled; }

    // Board input and the side panel's button: the cell under the pointer
    // (none when it lies off the board), any mouse button.
    void PicMap_MouseUp(std::optional<CellCoord> cell);
    void cmdFillSpace_Click();

    // Menu items.
    void MnuMute_Click();
    void MnuTheme_Click();
    void MnuHeighScores_Click();

    // The high-score table.
    void AddHighScore();
    void ShowHighScores();

    // Writes "Settings.log" now, its high scores merged with those the file
    // holds by then; on success the game holds the merged table too.
    [[nodiscard]] SettingsWriteResult WriteSettings();

    static constexpr int kNameLength = 25;

private:
    void drawBricks();
    void readSettings(const SettingsRead& read);
    void saveSettings();

    GameView& m_view;
    ModSound& m_sound;
    MessageBoxService& m_messages;
    InputBoxService& m_input;
    FileDialogService& m_files;
    SettingsStore& m_settings;
    std::filesystem::path m_programFolder;
    // True while start-up or a new game rebuilds the board: clicks and the
    // fill button that arrive while events run inside them are ignored.
    bool m_rebuilding = false;
    // The player is told only once that the settings cannot be saved.
    bool m_toldUnsaved = false;
    // The table as this copy last read or wrote it, so that a write can tell
    // what another copy of the game changed in the file since.
    HighScoreTable m_tableOnDisk;
};
