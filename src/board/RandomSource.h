#pragma once

#include <cstdint>
#include <random>
#include <string_view>

// Where the board's colours come from. The game seeds it from the clock;
// tests seed it with a fixed number or script the draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A number uniformly distributed in [0, 1).
    virtual double NextUnit() = 0;
    // Every game has a board number. The board and every refill of the game
    // are drawn from a source seeded with it, so the same number and the same
    // moves give the same boards. A source whose draws are scripted ignores both.
    virtual uint32_t NextBoardNumber() { return 0; }
    virtual void StartBoard(uint32_t boardNumber) { static_cast<void>(boardNumber); }
};

// Board numbers come from one engine seeded once, the colours from another
// that each board number seeds afresh. The colour draws are built from the
// engine's raw output, which the C++ standard fixes exactly, so a board
// number gives the same board on every platform and library.
class SeededRandomSource final : public RandomSource {
public:
    explicit SeededRandomSource(uint64_t seed) : m_numbers(seed) { StartBoard(static_cast<uint32_t>(seed)); }
    double NextUnit() override
    {
        const uint32_t high = m_board() >> 5;
        const uint32_t low = m_board() >> 6;
        return (high * 67108864.0 + low) * (1.0 / 9007199254740992.0);
    }
    uint32_t NextBoardNumber() override { return static_cast<uint32_t>(m_numbers() >> 32); }
    void StartBoard(uint32_t boardNumber) override { m_board.seed(boardNumber); }

private:
    std::mt19937_64 m_numbers;
    std::mt19937 m_board;
};

// Seeded from the system clock, so successive games differ.
uint64_t ClockSeed();

// The random colour draw: r * 4 rounded half to even (0 to 4), modulo 4,
// mapped to Red, Blue, Green, Yellow. Red thus covers [0, 0.5] and [3.5, 4).
std::string_view DrawColor(RandomSource& random);
std::string_view ColorForUnit(double r);
