#include "GameFlow.h"

#include "BoardNumber.h"
#include "GameReplay.h"
#include "GameSettings.h"
#include "ModSound.h"
#include "RegularFile.h"

#include <iostream>
#include <system_error>

class GameFlow::Rebuild {
public:
    explicit Rebuild(GameFlow& game) : m_game(game) { m_game.m_rebuilding = true; }
    ~Rebuild() { m_game.m_rebuilding = false; }
    Rebuild(const Rebuild&) = delete;
    Rebuild& operator=(const Rebuild&) = delete;

private:
    GameFlow& m_game;
};

GameFlow::GameFlow(GameView& view, ModSound& sound, RandomSource& random, MessageBoxService& messages,
                   InputBoxService& input, FileDialogService& files, SettingsStore& settings,
                   std::filesystem::path programFolder)
    : board(random),
      m_view(view),
      m_sound(sound),
      m_random(random),
      m_messages(messages),
      m_input(input),
      m_files(files),
      m_settings(settings),
      m_programFolder(std::move(programFolder))
{
}

void GameFlow::Form_Load()
{
    {
        Rebuild rebuild(*this);
        board.LngLevel = 1;
        board.LngLevelBase = 0;
        m_sound.BlnSound = true;
        const GameSettings read = ReadGameSettings(m_settings.Read());
        m_view.ShowWindow();
        m_gameTheme = read.GameTheme;
        m_view.LoadBricks(m_gameTheme);
        board.GameWidth = read.GameWidth;
        board.GameHeight = read.GameHeight;
        m_gameTime = read.GameTime;
        if (read.mute) toggleMute();
        m_table = read.table;
        m_tableOnDisk = m_table;
        if (m_firstGameDaily) enterDaily();

        board.LngTimeLeft = m_gameTime;
        // The first board's panel reads as a new game's on the same settings.
        ShowNewGame(m_panel, board.LngTimeLeft, board.BricksForLevel());
        m_panel.groupingMet = false;

        m_view.SizeToBoard(true);
        m_view.ProcessEvents();
        startBoard();
        board.GenTiles();
        startRecording();
        drawBricks();
    }
}

GameSnapshot GameFlow::snapshot() const
{
    GameSnapshot shown;
    shown.run = m_run.state();
    shown.clockRuns = m_run.clockRuns();
    shown.gameOverShown = m_gameOverShown;
    shown.gameOverLit = m_gameOverLit;
    shown.boardEnabled = !m_run.over();
    shown.boardShown = m_run.boardShown();
    shown.highScoresShown = m_highScoresShown;
    shown.fillAvailable = m_fillEnabled;
    shown.muted = !m_sound.BlnSound;
    shown.highScores = m_highScoreRows;
    shown.panel = m_panel;
    return shown;
}

MessageAnswer GameFlow::tell(const DialogText& message, const DialogText& title, MessageButtons buttons)
{
    m_view.ShowState();
    return m_messages.Show(message, title, buttons);
}

std::optional<std::string> GameFlow::ask(const DialogText& prompt, const DialogText& title,
                                         const std::string& value)
{
    m_view.ShowState();
    return m_input.Ask(prompt, title, value);
}

void GameFlow::Form_Unload()
{
    m_sound.StopSound();
    saveSettings();
}

SettingsWriteResult GameFlow::WriteSettings()
{
    SettingsWrite values;
    values.GameTheme = m_gameTheme;
    const NewGameValues own = newGameValues();
    values.GameWidth = own.GameWidth;
    values.GameHeight = own.GameHeight;
    values.GameTime = own.GameTime;
    values.mute = !m_sound.BlnSound;
    const HighScoreTable& ours = m_table;
    // Another copy of the game may have entered scores since we read the
    // file; its settings lose to ours, its scores are kept.
    const SettingsWriteResult result = m_settings.Write([&](const std::optional<std::string>& onDisk) {
        values.table = onDisk ? MergeHighScores(m_tableOnDisk, TableOf(ReadSettingsText(*onDisk)), ours) : ours;
        return WriteGameSettings(values);
    });
    if (result.written) {
        m_table = values.table;
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
    tell({TOLMORA_TEXT("Tolmora", "Your settings and high scores could not be saved to %1: %2."),
          {result.path.string(), result.reason}},
         TOLMORA_TEXT("Tolmora", "Tolmora"), MessageButtons::Ok);
}

bool GameFlow::ConfirmNewGame()
{
    return tell(TOLMORA_TEXT("Tolmora", "Are you sure you want to start a new game?"), TOLMORA_TEXT("Tolmora", "Tolmora"),
                MessageButtons::YesNo) == MessageAnswer::Yes;
}

void GameFlow::MnuFileNewGame_Click()
{
    if (!acceptsInput()) return;
    if (ConfirmNewGame()) {
        m_run.StopClock();
        m_view.ShowNewGameDialog();
        m_highScoresShown = false;
    }
}

NewGameValues GameFlow::newGameValues() const
{
    return m_playerValues.value_or(NewGameValues{board.GameWidth, board.GameHeight, m_gameTime});
}

void GameFlow::cmdStart_Click(const NewGameTexts& texts)
{
    // A second press while the first one's new game lets events run.
    if (!acceptsInput()) return;
    const NewGameDecision decision = DecideNewGame(texts, newGameValues());
    for (const DialogText& message : decision.messages)
        tell(message, kNewGameErrorTitle, MessageButtons::Ok);
    leaveDaily();
    board.GameWidth = decision.values.GameWidth;
    board.GameHeight = decision.values.GameHeight;
    m_gameTime = decision.values.GameTime;
    NewGame();
}

void GameFlow::NewGame()
{
    // Events run inside a new game; a second one started from there would
    // rebuild the board under the first.
    if (!acceptsInput()) return;
    leaveDaily();
    rebuildForNewGame();
}

void GameFlow::MnuDailyBoard_Click()
{
    if (!acceptsInput()) return;
    // A board not touched yet, or a game already over, has nothing to lose.
    const bool underWay = m_clockStartMs && !m_run.over();
    if (underWay && !ConfirmNewGame())
        return;
    PlayDailyBoard();
}

void GameFlow::PlayDailyBoard()
{
    if (!acceptsInput()) return;
    m_highScoresShown = false;
    enterDaily();
    rebuildForNewGame();
}

void GameFlow::enterDaily()
{
    if (!m_playerValues) m_playerValues = NewGameValues{board.GameWidth, board.GameHeight, m_gameTime};
    board.GameWidth = kDailyWidth - 1;
    board.GameHeight = kDailyHeight - 1;
    m_gameTime = kDailyTime;
    m_nextBoardNumber = m_calendar ? m_calendar->Today() : LocalDateNumber();
    m_daily = true;
}

void GameFlow::leaveDaily()
{
    if (m_playerValues) {
        board.GameWidth = m_playerValues->GameWidth;
        board.GameHeight = m_playerValues->GameHeight;
        m_gameTime = m_playerValues->GameTime;
        m_playerValues.reset();
    }
    m_daily = false;
}

void GameFlow::rebuildForNewGame()
{
    {
        Rebuild rebuild(*this);
        if (!m_keepThemeForNewGames) m_view.LoadBricks(std::string());
        m_run.StopClock();
        board.ResetCounters(m_gameTime);
        m_fillsUsed = 0;
        ShowNewGame(m_panel, board.LngTimeLeft, board.BricksForLevel());
        m_gameOverShown = false;
        m_view.SizeToBoard(false);
        m_view.ProcessEvents();
        board.EmptyBoard();
        startBoard();
        board.GenTiles();
        startRecording();
        drawBricks();
        m_run.Rebuilt();
    }
}

void GameFlow::timSec_Timer()
{
    if (!m_run.clockRuns()) return;
    ++m_ticks;
    board.LngTimeLeft -= 1;
    m_panel.timeLeft = board.LngTimeLeft;

    if (const MusicPhase tune = TuneToStart(m_currentPlay, board.LngTimeLeft); tune != MusicPhase::None) {
        m_currentPlay = tune;
        if (tune == MusicPhase::Main)
            m_sound.PlayMain();
        else if (tune == MusicPhase::LastMin)
            m_sound.PlayLastMin();
        else
            m_sound.PlayLast30();
    }

    if (board.LngTimeLeft <= 0) {
        m_view.CentreGameOverFrame();
        m_gameOverShown = true;
        m_run.End();
        m_sound.PlayGameOver();
        // The game-over sound has ended the tune, so no clock music is playing:
        // a next game as short as the last phase must still start its tune.
        m_currentPlay = MusicPhase::None;
        // Recorded before the name prompt, which may stay open until the
        // program is killed; the name follows as a second record.
        FinishedGame finished = finishedGame();
        if (m_recorder) m_recorder->Record(finished);
        finished.player = AddHighScore();
        if (m_recorder && !finished.player.empty()) m_recorder->Record(finished);
    }
    m_fillEnabled = board.FillAllowed();
}

void GameFlow::timGameOver_Timer()
{
    m_gameOverLit = !m_gameOverLit;
}

void GameFlow::PauseGame()
{
    const bool live = !m_run.over();
    m_run.TogglePause();
    noteClockStart();
    // A finished game's moves are complete; pausing it changes nothing.
    if (live) record(m_run.boardShown() ? GameRecording::Kind::Resume : GameRecording::Kind::Pause);
    if (m_run.boardShown()) m_highScoresShown = false;
}

void GameFlow::MnuFilePause_Click()
{
    if (!acceptsInput()) return;
    PauseGame();
}

void GameFlow::PlayerLeft()
{
    if (!acceptsInput() || !m_pauseWhenInactive) return;
    // A game paused already, not started or over has no clock to stop.
    if (m_run.clockRuns()) PauseGame();
}

void GameFlow::PicMain_Click()
{
    if (!acceptsInput() || m_run.over()) return;
    if (m_run.state() == RunState::Paused) PauseGame();
}

void GameFlow::PicMap_MouseUp(std::optional<CellCoord> cell)
{
    // The board surface takes no clicks while hidden or disabled, nor while
    // start-up or a new game is building it.
    if (!boardAcceptsInput()) return;
    m_run.Start();
    noteClockStart();

    if (cell) {
        const ClickOutcome outcome = board.ClickCell(cell->x, cell->y);
        record(GameRecording::Kind::Press, cell->x, cell->y,
               outcome.removal  ? GameRecording::Press::Removed
               : outcome.redraw ? GameRecording::Press::Selected
                                : GameRecording::Press::Nothing);
        if (outcome.clearCue) m_sound.PlayClear();
        for (int32_t i = 0; i < outcome.highlightCues; ++i) m_sound.PlayHighlight();
        ShowClick(m_panel, outcome);
        if (outcome.redraw) drawChangedBricks();
    }
}

void GameFlow::DropSelection()
{
    if (!boardAcceptsInput()) return;
    board.UnHighlightAll();
    record(GameRecording::Kind::Drop);
    ShowClick(m_panel, ClickOutcome{.redraw = true});
    // Drawn even when nothing was flagged: a click on an empty cell drops
    // the flags but leaves the old highlight on the screen.
    drawBricks();
}

void GameFlow::cmdFillSpace_Click()
{
    if (!acceptsInput()) return;
    if (board.FillForPenalty()) {
        record(GameRecording::Kind::Fill);
        ++m_fillsUsed;
        drawBricks();
    }
}

void GameFlow::MnuMute_Click()
{
    if (!acceptsInput()) return;
    toggleMute();
}

void GameFlow::toggleMute()
{
    m_currentPlay = MusicPhase::None;
    m_sound.BlnSound = !m_sound.BlnSound;
    if (!m_sound.BlnSound) m_sound.StopSound();
}

void GameFlow::setMusic(bool on)
{
    if (m_sound.music == on) return;
    m_sound.music = on;
    // While a phase has its tune, the tune is the sound playing: no effect
    // starts over it and the game-over sound ends it, so stopping the sound
    // cuts only the tune. Muted, nothing plays to be stopped.
    if (!on && m_sound.BlnSound && m_currentPlay != MusicPhase::None) m_sound.StopSound();
    m_currentPlay = MusicPhase::None;
}

void GameFlow::setSoundEffects(bool on) { m_sound.effects = on; }

void GameFlow::MnuTheme_Click()
{
    if (!acceptsInput()) return;
    m_view.ShowState();  // the dialog waits on the player
    const std::string path = m_files.ShowThemeDialog(m_programFolder);
    if (!path.empty() && IsRegularFile(path)) {
        Rebuild rebuild(*this);
        m_gameTheme = path;
        m_view.LoadBricks(m_gameTheme);
        drawBricks();
    }
}

void GameFlow::MnuHeighScores_Click()
{
    if (!acceptsInput()) return;
    m_highScoresShown = true;
    ShowHighScores();
}

// The player names their own entry when the walk gives it a slot; the table
// is written at once, so a program killed afterwards keeps the score. The
// first prompt is always for that entry: later ones name older entries moved
// down, so their answers are not this game's player.
std::string GameFlow::AddHighScore()
{
    std::optional<int> ownSlot;
    const ScoreEntry entry = EnterHighScore(m_table, board.LngScore, [this, &ownSlot](int slot) {
        if (!ownSlot) ownSlot = slot;
        return ask(TOLMORA_TEXT("Tolmora", "Please enter your name."), TOLMORA_TEXT("Tolmora", "New High Score"), "").value_or(std::string());
    });
    board.LngScore = entry.carried;
    if (entry.entered) saveSettings();
    return ownSlot ? m_table.StrHighNames[*ownSlot] : std::string();
}

void GameFlow::startBoard()
{
    m_boardNumber = m_nextBoardNumber.value_or(m_random.NextBoardNumber());
    m_nextBoardNumber.reset();
    m_random.StartBoard(m_boardNumber);
}

FinishedGame GameFlow::finishedGame() const
{
    FinishedGame game;
    game.finishedAt = UtcNowIso8601();
    game.width = board.GameWidth + 1;
    game.height = board.GameHeight + 1;
    game.gameTime = m_gameTime;
    game.boardNumber = m_boardNumber;
    game.score = board.LngScore;
    game.level = board.LngLevel;
    game.bricksRemoved = board.LngBricksRemoved;
    game.bestGroup = board.LngBestGroup;
    game.fillsUsed = m_fillsUsed;
    game.daily = m_daily;
    GameRecording recording = m_recording;
    recording.outcome = {board.LngScore, board.LngLevel, board.LngBricksRemoved, BoardDigest(board)};
    game.moves = EncodeRecording(recording);
    return game;
}

void GameFlow::startRecording()
{
    m_recording.boardNumber = m_boardNumber;
    m_recording.width = board.GameWidth + 1;
    m_recording.height = board.GameHeight + 1;
    m_recording.gameTime = m_gameTime;
    m_recording.outcome = {};
    m_recording.moves.clear();
    // A long game of quick clicks stays within this; the click path then
    // never allocates.
    m_recording.moves.reserve(4096);
    m_clockStartMs.reset();
    m_ticks = 0;
}

void GameFlow::noteClockStart()
{
    if (!m_clockStartMs && m_run.clockRuns()) m_clockStartMs = m_clock ? m_clock->SteadyMs() : 0;
}

void GameFlow::record(GameRecording::Kind kind, int32_t x, int32_t y, GameRecording::Press press)
{
    const int64_t now = m_clockStartMs && m_clock ? m_clock->SteadyMs() - *m_clockStartMs : 0;
    m_recording.moves.push_back({static_cast<uint32_t>(now), m_ticks, kind, press, x, y});
}

void GameFlow::MnuPlayBoardNumber_Click()
{
    if (!acceptsInput()) return;
    const std::optional<std::string> text =
        ask(TOLMORA_TEXT("Tolmora", "Board number (0 to 4294967295):"), TOLMORA_TEXT("Tolmora", "Play Board Number"),
            std::to_string(m_boardNumber));
    if (!text) return;
    if (const std::optional<uint32_t> number = ParseBoardNumber(*text))
        return PlayBoardNumber(*number);
    tell(NotABoardNumberMessage(*text), TOLMORA_TEXT("Tolmora", "Play Board Number"), MessageButtons::Ok);
}

void GameFlow::PlayBoardNumber(uint32_t number)
{
    if (!acceptsInput()) return;
    m_highScoresShown = false;
    m_nextBoardNumber = number;
    NewGame();
}

void GameFlow::ShowHighScores()
{
    PauseGame();
    m_view.CentreHighScoreFrame();
    m_highScoreRows.clear();
    for (int i = 0; i < kHighScoreSlots; ++i)
        if (!m_table.StrHighNames[i].empty())
            m_highScoreRows.push_back({m_table.StrHighNames[i], m_table.LngHighScores[i]});
}

void GameFlow::drawBricks()
{
    board.TakeChangedCells();  // all of them are drawn
    m_panel.score = board.LngScore;
    m_view.DrawBricks();
}

// Changes the view has not drawn yet, such as the flags dropped by a click
// on an empty cell, wait in the board until this call takes them.
void GameFlow::drawChangedBricks()
{
    m_panel.score = board.LngScore;
    m_view.DrawChangedBricks(board.TakeChangedCells());
}
