#pragma once

#include "FinishedGame.h"

#include <cstdint>
#include <string>
#include <vector>

// Keeps the moves of every game the window finishes. A game comes twice
// when its player is named; only the first, nameless, copy is kept.
class KeptRecordings final : public GameRecorder {
public:
    void Record(const FinishedGame& game) override
    {
        if (game.player.empty()) encoded.push_back(game.moves);
    }
    std::vector<std::string> encoded;
};

// What the replays of a run covered, and what they found.
struct ReplayFigures {
    int64_t games = 0;
    int64_t sizes = 0;       // distinct board sizes
    int64_t withFills = 0;   // games with at least one fill
    int64_t withPauses = 0;
    int64_t withLevelUps = 0;
    int64_t altered = 0;     // games replayed again with one removal moved off the board
    int64_t alteredCaught = 0;
};

// Replays every recording on a board of its own and compares the outcome
// with the recorded one; then, for each game whose last removal is followed
// by nothing but pauses, moves that removal off the board, which must leave
// its bricks standing and so change the outcome. The first fault, or empty.
std::string CheckReplays(const std::vector<std::string>& encoded, ReplayFigures& figures);
