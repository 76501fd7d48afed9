#include "GameReplay.h"

#include <algorithm>
#include <cstdint>
#include <utility>

uint64_t BoardDigest(const GameBoard& board)
{
    // FNV-1a: cheap, and ample to tell two boards apart.
    uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](uint8_t byte) {
        hash ^= byte;
        hash *= 1099511628211ull;
    };
    for (const Brick& brick : board.bricks()) {
        for (const char c : brick.StrColor) mix(static_cast<uint8_t>(c));
        mix(brick.BlnHighLighted ? 1 : 0);
    }
    return hash;
}

GameReplay::GameReplay(GameRecording recording)
    : m_recording(std::move(recording)), m_random(m_recording.boardNumber), m_board(m_random)
{
    m_board.GameWidth = m_recording.width - 1;
    m_board.GameHeight = m_recording.height - 1;
    m_board.ResetCounters(m_recording.gameTime);
    m_random.StartBoard(m_recording.boardNumber);
    m_board.GenTiles();
}

const GameRecording::Move* GameReplay::nextMove() const
{
    return m_next < m_recording.moves.size() ? &m_recording.moves[m_next] : nullptr;
}

std::optional<uint32_t> GameReplay::nextTimeMs() const
{
    if (const GameRecording::Move* move = nextMove()) return move->timeMs;
    return std::nullopt;
}

// The clock's seconds, as the game runs them: a game ends at the tick that
// takes it to 0 or below and not before. Ticks are counted in one step, so a
// game of two billion seconds replays as fast as one of two minutes.
void GameReplay::tickTo(uint64_t ticks)
{
    if (m_over || ticks <= m_ticks) return;
    const auto toEnd = static_cast<uint64_t>(std::max<int64_t>(1, m_board.LngTimeLeft));
    const uint64_t run = std::min(ticks - m_ticks, toEnd);
    m_board.LngTimeLeft = static_cast<int32_t>(m_board.LngTimeLeft - static_cast<int64_t>(run));
    m_ticks += run;
    m_over = run == toEnd;
}

bool GameReplay::next()
{
    const GameRecording::Move* move = nextMove();
    if (!move) return false;
    tickTo(move->ticks);
    if (m_over) return false;
    ++m_next;
    switch (move->kind) {
    case GameRecording::Kind::Press:
        m_board.ClickCell(move->x, move->y);
        break;
    case GameRecording::Kind::Drop:
        m_board.UnHighlightAll();
        break;
    case GameRecording::Kind::Fill:
        m_board.FillForPenalty();
        break;
    case GameRecording::Kind::Pause:
    case GameRecording::Kind::Resume:
        break;
    }
    return true;
}

void GameReplay::finish()
{
    while (next()) {
    }
    // A recording whose ticks outrun its clock stops where the clock did.
    m_next = m_recording.moves.size();
    tickTo(UINT64_MAX);
}

GameRecording::Outcome GameReplay::outcome() const
{
    return {m_board.LngScore, m_board.LngLevel, m_board.LngBricksRemoved, BoardDigest(m_board)};
}
