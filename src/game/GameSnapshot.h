#pragma once

#include "GameBoard.h"
#include "RunState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The side panel as numbers. Each field holds what the panel last showed,
// which is not always the board's own counter: the clock is shown on ticks,
// new games and level bonuses only (a fill's penalty waits for the next
// tick), and the score when the board is drawn. An empty field has not been
// shown since start-up, and its label keeps the caption it was designed with.
struct PanelValues {
    std::optional<int32_t> timeLeft;        // seconds
    int32_t level = 1;
    std::optional<int32_t> score;
    bool scoreCounts = true;                // false once points were refused past the target
    std::optional<int32_t> bricksForLevel;  // still to remove; kept while the count does not fit 16 bits
    std::optional<int32_t> selected;
    std::optional<int32_t> groupingNumber;  // the smallest group that meets the level's requirement
    std::optional<bool> groupingMet;        // by the best group so far; empty before the first game
    friend bool operator==(const PanelValues&, const PanelValues&) = default;
};

// A new game: the clock, level 1, a score of 0 that counts, the bricks still
// needed and the grouping number of level 1; whether it is met stays.
void ShowNewGame(PanelValues& panel, int32_t timeLeft, double bricksForLevel);

// What a click changes; a click that asks for no redraw changes nothing. A
// removal that ends the level overrides what the group itself earned.
void ShowClick(PanelValues& panel, const ClickOutcome& outcome);

struct HighScoreRow {
    std::string name;
    int32_t score = 0;
    friend bool operator==(const HighScoreRow&, const HighScoreRow&) = default;
};

// Everything the main window shows of the game, as values; the window alone
// turns them into words. Computed on demand from the board and the run.
struct GameSnapshot {
    RunState run = RunState::Ready;
    bool clockRuns = false;        // the game clock ticks
    bool gameOverShown = false;    // the game-over overlay and its blink
    bool gameOverLit = true;       // the blink's phase: red when lit, black when not
    bool boardEnabled = true;      // the board takes clicks; false once the game is over
    bool boardShown = true;        // false while paused
    bool highScoresShown = false;  // the high-score overlay
    bool fillAvailable = true;
    bool muted = false;
    std::vector<HighScoreRow> highScores;  // the named entries, best first, as the overlay was opened
    PanelValues panel;
    friend bool operator==(const GameSnapshot&, const GameSnapshot&) = default;
};
