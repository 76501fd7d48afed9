#pragma once

#include "GameBoard.h"
#include "GameRecording.h"
#include "RandomSource.h"

#include <cstdint>
#include <optional>

// A fingerprint of the board as it stands: every cell's colour, spelling of
// the empty marker included, and its highlight, in column order.
uint64_t BoardDigest(const GameBoard& board);

// A recorded game played again on a board of its own: the board number
// seeds the board and every refill, each move is applied after the clock
// ticks the game had run before it, and after the last one the clock runs
// out. Step by step with next(), or all at once with finish().
class GameReplay {
public:
    explicit GameReplay(GameRecording recording);
    GameReplay(const GameReplay&) = delete;
    GameReplay& operator=(const GameReplay&) = delete;

    const GameRecording& recording() const { return m_recording; }
    const GameBoard& board() const { return m_board; }

    // The move next() applies, or none once all are applied.
    const GameRecording::Move* nextMove() const;
    std::optional<uint32_t> nextTimeMs() const;
    // The number of moves applied so far.
    size_t applied() const { return m_next; }

    // Ticks the clock up to the next move and applies it; false when no move
    // is left or the clock ran out first (a recording that does not hold
    // together).
    bool next();
    // Applies every move left, then runs the clock out.
    void finish();
    bool over() const { return m_over; }

    // What the board came to; after finish(), to be checked against
    // recording().outcome.
    GameRecording::Outcome outcome() const;
    bool matchesRecording() const { return m_over && outcome() == m_recording.outcome; }

private:
    void tickTo(uint64_t ticks);

    GameRecording m_recording;
    SeededRandomSource m_random;
    GameBoard m_board;
    size_t m_next = 0;
    uint64_t m_ticks = 0;
    bool m_over = false;
};
