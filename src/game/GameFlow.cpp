#include "GameFlow.h"

#include "CTime.h"
#include "ModSound.h"
#include "Utf8Text.h"

#include <iostream>
#include <system_error>

namespace {

constexpr int32_t kDefaultWidth = 16;
constexpr int32_t kDefaultHeight = 11;
constexpr int32_t kDefaultTime = 120;
// Larger boards no longer fit the scroll bars' range, and memory grows with
// the cell count; a file asking for one gets the default instead.
constexpr int32_t kLargestIndex = 999;

}  // namespace

GameFlow::GameFlow(GameView& view, ModSound& sound, RandomSource& random, MessageBoxService& messages,
                   InputBoxService& input, FileDialogService& files, SettingsStore& settings,
                   std::filesystem::path programFolder)
    : board(random),
      m_view(view),
      m_sound(sound),
      m_messages(messages),
      m_input(input),
      m_files(files),
      m_settings(settings),
      m_programFolder(std::move(programFolder))
{
}

void GameFlow::Form_Load()
{
    m_rebuilding = true;
    board.LngLevel = 1;
    board.LngLevelBase = 0;
    m_sound.BlnSound = true;
    const std::optional<std::string> bytes = m_settings.Read();
    m_view.ShowWindow();
    readSettings(bytes ? ReadSettingsText(*bytes) : SettingsRead{});

    if (board.GameHeight < 2 || board.GameHeight > kLargestIndex) board.GameHeight = kDefaultHeight;
    if (board.GameWidth < 2 || board.GameWidth > kLargestIndex) board.GameWidth = kDefaultWidth;
    if (GameTime < 1) GameTime = kDefaultTime;
    board.LngTimeLeft = GameTime;
    labels.lblMinmumBlock = {MinimumBlockText(board.LngLevel * 2), kColorRed};

    m_view.ShowState();
    m_view.SizeToBoard(true);
    m_view.ProcessEvents();
    board.GenTiles();
    drawBricks();
    m_rebuilding = false;
    m_view.ShowState();
}

void GameFlow::readSettings(const SettingsRead& read)
{
    if (read.GameTheme) GameTheme = *read.GameTheme;
    m_view.LoadBricks(GameTheme);
    if (read.GameWidth) board.GameWidth = *read.GameWidth;
    if (read.GameHeight) board.GameHeight = *read.GameHeight;
    if (read.GameTime) GameTime = *read.GameTime;
    if (read.mute) MnuMute_Click();
    for (int i = 0; i < kHighScoreSlots; ++i) {
        if (read.StrHighNames[i]) StrHighNames[i] = *read.StrHighNames[i];
        if (read.LngHighScores[i]) LngHighScores[i] = *read.LngHighScores[i];
    }
    m_tableOnDisk = {StrHighNames, LngHighScores};
}

void GameFlow::Form_Unload()
{
    m_sound.StopSound();
    saveSettings();
}

SettingsWriteResult GameFlow::WriteSettings()
{
    SettingsWrite values;
    values.GameTheme = GameTheme;
    values.GameWidth = board.GameWidth;
    values.GameHeight = board.GameHeight;
    values.GameTime = GameTime;
    values.mute = state.MnuMuteChecked;
    const HighScoreTable ours{StrHighNames, LngHighScores};
    // Another copy of the game may have entered scores since we read the
    // file; its settings lose to ours, its scores are kept.
    const SettingsWriteResult result = m_settings.Write([&](const std::optional<std::string>& onDisk) {
        values.table = onDisk ? MergeHighScores(m_tableOnDisk, TableOf(ReadSettingsText(*onDisk)), ours) : ours;
        return WriteSettingsText(values);
    });
    if (result.written) {
        StrHighNames = values.table.StrHighNames;
        LngHighScores = values.table.LngHighScores;
        m_tableOnDisk = values.table;
    }
    return result;
}

// A run whose scores cannot be kept must say so when it happens; the player
// is told once, a warning goes to standard error every time.
void GameFlow::saveSettings()
{
    const SettingsWriteResult result = WriteSettings();
    if (result.written) return;
    std::cerr << "tolmora: warning: could not write " << result.path.string() << ": " << result.reason << std::endl;
    if (m_toldUnsaved) return;
    m_toldUnsaved = true;
    m_view.ShowState();
    m_messages.Show("Your settings and high scores could not be saved to " + result.path.string() + ": " +
                        result.reason + ".",
                    "Tolmora", MessageButtons::Ok);
}

void GameFlow::MnuFileNewGame_Click()
{
    m_view.ShowState();
    const MessageAnswer answer =
        m_messages.Show("Are you sure you want to start a new game?", "Tolmora", MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes) {
        state.timSecEnabled = false;
        m_view.ShowNewGameDialog();
        state.fraHighscoresVisible = false;
    }
    m_view.ShowState();
}

NewGameValues GameFlow::newGameValues() const { return {board.GameWidth, board.GameHeight, GameTime}; }

void GameFlow::cmdStart_Click(const NewGameTexts& texts)
{
    // A second press while the first one's new game lets events run.
    if (m_rebuilding) return;
    const NewGameDecision decision = DecideNewGame(texts, newGameValues());
    for (const std::string& message : decision.messages) {
        m_view.ShowState();
        m_messages.Show(message, kNewGameErrorTitle, MessageButtons::Ok);
    }
    board.GameWidth = decision.values.GameWidth;
    board.GameHeight = decision.values.GameHeight;
    GameTime = decision.values.GameTime;
    NewGame();
}

void GameFlow::NewGame()
{
    // Events run inside a new game; a second one started from there would
    // rebuild the board under the first.
    if (m_rebuilding) return;
    m_rebuilding = true;
    m_view.LoadBricks(std::string());
    state.timSecEnabled = false;
    board.ResetCounters(GameTime);
    ShowNewGame(labels, board.LngTimeLeft, board.BricksForLevel());
    state.timGameOverEnabled = false;
    state.FRAGameOverVisible = false;
    m_view.ShowState();
    m_view.SizeToBoard(false);
    m_view.ProcessEvents();
    board.EmptyBoard();
    board.GenTiles();
    drawBricks();
    state.PicMainEnabled = true;
    m_rebuilding = false;
    m_view.ShowState();
}

void GameFlow::timSec_Timer()
{
    if (!state.timSecEnabled) return;
    board.LngTimeLeft -= 1;
    labels.lblTime.caption = CTime(board.LngTimeLeft);

    // Each phase's tune starts once, at the first tick in the phase, and
    // loops; time added by a level moves the phase back up.
    if (board.LngTimeLeft > 60) {
        if (LngCurrentPlay != kPlayMain) {
            LngCurrentPlay = kPlayMain;
            m_sound.PlayMain();
        }
    } else if (board.LngTimeLeft > 30) {
        if (LngCurrentPlay != kPlayLastMin) {
            LngCurrentPlay = kPlayLastMin;
            m_sound.PlayLastMin();
        }
    } else if (LngCurrentPlay != kPlayLast30) {
        LngCurrentPlay = kPlayLast30;
        m_sound.PlayLast30();
    }

    if (board.LngTimeLeft <= 0) {
        m_view.CentreGameOverFrame();
        state.timGameOverEnabled = true;
        state.FRAGameOverVisible = true;
        state.PicMainEnabled = false;
        state.timSecEnabled = false;
        m_sound.PlayGameOver();
        // The game-over sound has ended the tune, so no clock music is playing:
        // a next game as short as the last phase must still start its tune.
        LngCurrentPlay = kPlayNone;
        AddHighScore();
    }
    state.cmdFillSpaceEnabled = board.LngTimeLeft > 30;
    m_view.ShowState();
}

void GameFlow::timGameOver_Timer()
{
    state.lblGameOverColor = state.lblGameOverColor == kColorRed ? kColorBlack : kColorRed;
    m_view.ShowState();
}

void GameFlow::PauseGame()
{
    if (state.PicMapVisible) {
        state.timSecEnabled = false;
        state.PicMapVisible = false;
    } else {
        // A game that is over stays over: its clock never runs again.
        if (!gameOver()) state.timSecEnabled = true;
        state.PicMapVisible = true;
        state.fraHighscoresVisible = false;
    }
}

void GameFlow::MnuFilePause_Click()
{
    state.MnuFilePauseCaption = state.MnuFilePauseCaption == "Pause" ? "Resume" : "Pause";
    PauseGame();
    m_view.ShowState();
}

void GameFlow::PicMain_Click()
{
    if (!state.PicMainEnabled) return;
    if (state.MnuFilePauseCaption == "Resume") {
        state.MnuFilePauseCaption = "Pause";
        PauseGame();
    }
    m_view.ShowState();
}

void GameFlow::PicMap_MouseUp(std::optional<CellCoord> cell)
{
    // The board surface takes no clicks while hidden or disabled, nor while
    // start-up or a new game is building it.
    if (m_rebuilding || !state.PicMainEnabled || !state.PicMapVisible) return;
    if (!state.timSecEnabled) state.timSecEnabled = true;

    if (cell) {
        const ClickOutcome outcome = board.ClickCell(cell->x, cell->y);
        if (outcome.clearCue) m_sound.PlayClear();
        for (int32_t i = 0; i < outcome.highlightCues; ++i) m_sound.PlayHighlight();
        ShowClick(labels, outcome);
        if (outcome.redraw) drawBricks();
    }
    m_view.ShowState();
}

void GameFlow::cmdFillSpace_Click()
{
    if (m_rebuilding) return;
    if (board.FillForPenalty()) drawBricks();
    m_view.ShowState();
}

void GameFlow::MnuMute_Click()
{
    LngCurrentPlay = kPlayNone;
    if (m_sound.BlnSound) {
        m_sound.BlnSound = false;
        state.MnuMuteChecked = true;
        m_sound.StopSound();
    } else {
        m_sound.BlnSound = true;
        state.MnuMuteChecked = false;
    }
    m_view.ShowState();
}

void GameFlow::MnuTheme_Click()
{
    m_view.ShowState();
    const std::string path = m_files.ShowThemeDialog(m_programFolder);
    std::error_code error;
    if (!path.empty() && std::filesystem::is_regular_file(path, error)) {
        GameTheme = path;
        m_view.LoadBricks(GameTheme);
        drawBricks();
    }
    m_view.ShowState();
}

void GameFlow::MnuHeighScores_Click()
{
    state.fraHighscoresVisible = true;
    ShowHighScores();
    m_view.ShowState();
}

// The final score walks down the table as the carried entry. Where it beats
// a slot it takes the slot, and the slot's old entry is carried on; an entry
// with the same score stays above it. The player's own entry is the one with
// no name yet and a score: it is named by the prompt, and so is any entry
// moved down that was once entered without a name. Whatever is carried past
// the last slot drops out, and LngScore ends holding its score.
void GameFlow::AddHighScore()
{
    std::string carriedName;
    bool entered = false;
    for (int i = 0; i < kHighScoreSlots; ++i) {
        if (LngHighScores[i] >= board.LngScore) continue;
        entered = true;
        const int32_t oldScore = LngHighScores[i];
        LngHighScores[i] = board.LngScore;
        if (!carriedName.empty() || board.LngScore == 0) {
            std::swap(StrHighNames[i], carriedName);
        } else {
            carriedName = StrHighNames[i];
            m_view.ShowState();
            const std::optional<std::string> answer = m_input.Ask("Please enter your name.", "New High Score", "");
            StrHighNames[i] = FirstCharacters(answer.value_or(std::string()), kNameLength);
        }
        board.LngScore = oldScore;
    }
    // Written at once, so a program killed afterwards keeps the score.
    if (entered) saveSettings();
}

void GameFlow::ShowHighScores()
{
    MnuFilePause_Click();
    m_view.CentreHighScoreFrame();
    state.lblNameText.clear();
    state.lblScoresText.clear();
    for (int i = 0; i < kHighScoreSlots; ++i) {
        if (StrHighNames[i].empty()) continue;
        state.lblNameText += "\r\n\r\n" + StrHighNames[i];
        state.lblScoresText += "\r\n\r\n" + std::to_string(LngHighScores[i]);
    }
}

void GameFlow::drawBricks()
{
    labels.lblScore.caption = std::to_string(board.LngScore);
    m_view.DrawBricks();
}
