#pragma once

#include <cstdint>
#include <string>

// One game as the history keeps it, written once the game is over.
struct FinishedGame {
    std::string finishedAt;  // UTC, ISO 8601 to the second: "2026-12-06T23:10:00Z"
    int32_t width = 0;       // the board in cells
    int32_t height = 0;
    int32_t gameTime = 0;    // the game's length in seconds, as chosen
    uint32_t boardNumber = 0;
    int32_t score = 0;
    int32_t level = 0;
    int32_t bricksRemoved = 0;
    int32_t bestGroup = 0;
    int32_t fillsUsed = 0;
    std::string player;  // the name entered for the high-score table, or empty
    // The game's moves as EncodeRecording wrote them (GameRecording.h), empty
    // when none were kept.
    std::string moves;
    bool daily = false;  // played on the board of the day

    friend bool operator==(const FinishedGame&, const FinishedGame&) = default;
};

// Where finished games go. The window layer keeps them in the history
// database; tests record them.
class GameRecorder {
public:
    virtual ~GameRecorder() = default;
    // A game is recorded at game over, and again once its player is named:
    // a game recorded again (same moment, board, size, length and score) is
    // the same game, which only gains the name.
    virtual void Record(const FinishedGame& game) = 0;
};
