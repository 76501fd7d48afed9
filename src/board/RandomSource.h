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
};

class SeededRandomSource final : public RandomSource {
public:
    explicit SeededRandomSource(uint64_t seed) : m_engine(seed) {}
    double NextUnit() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937_64 m_engine;
};

// Seeded from the system clock, so successive games differ.
uint64_t ClockSeed();

// The random colour draw: r * 4 rounded half to even (0 to 4), modulo 4,
// mapped to Red, Blue, Green, Yellow. Red thus covers [0, 0.5] and [3.5, 4).
std::string_view DrawColor(RandomSource& random);
std::string_view ColorForUnit(double r);
