#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Everything a player did in one game, so that the game can be played again
// exactly: the board number rebuilds the board and every refill, and the
// moves, applied in order with the clock ticks between them, rebuild the rest.
struct GameRecording {
    enum class Kind : uint8_t { Press, Drop, Fill, Pause, Resume };
    // What a press did, as the board reported it; a replay works it out again.
    enum class Press : uint8_t { Nothing, Selected, Removed };

    struct Move {
        uint32_t timeMs = 0;  // since the clock started (0 for moves before it)
        // Clock ticks the game had run before this move: a tick can fall on
        // either side of a press in the same millisecond, so the order is
        // kept as a count and not inferred from the times.
        uint32_t ticks = 0;
        Kind kind = Kind::Press;
        Press press = Press::Nothing;
        int32_t x = 0;  // the cell, for a press
        int32_t y = 0;
        friend bool operator==(const Move&, const Move&) = default;
    };

    // What the game came to, for checking a replay against.
    struct Outcome {
        int32_t score = 0;
        int32_t level = 0;
        int32_t bricksRemoved = 0;
        uint64_t boardDigest = 0;
        friend bool operator==(const Outcome&, const Outcome&) = default;
    };

    uint32_t boardNumber = 0;
    int32_t width = 0;     // in cells
    int32_t height = 0;
    int32_t gameTime = 0;  // the game's length in seconds, as chosen
    std::vector<Move> moves;
    Outcome outcome;

    friend bool operator==(const GameRecording&, const GameRecording&) = default;
};

// The compact form kept in the history: varints, times and ticks as
// differences from the move before, and a checksum, so that a damaged copy
// is refused rather than replayed into a different game.
std::string EncodeRecording(const GameRecording& recording);
std::optional<GameRecording> DecodeRecording(std::string_view bytes);
