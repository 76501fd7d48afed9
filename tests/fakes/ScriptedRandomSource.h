#pragma once

#include "RandomSource.h"

#include <cstddef>
#include <stdexcept>
#include <string_view>
#include <vector>

// Hands out the numbers it was given, in order; running out is a test error.
class ScriptedRandomSource final : public RandomSource {
public:
    ScriptedRandomSource() = default;
    explicit ScriptedRandomSource(std::vector<double> units) : m_units(std::move(units)) {}

    // Draws that give these colours, one letter each: R, B, G, Y.
    static ScriptedRandomSource Colors(std::string_view letters)
    {
        ScriptedRandomSource source;
        source.Queue(letters);
        return source;
    }

    void Queue(std::string_view letters)
    {
        for (char c : letters) {
            switch (c) {
            case 'R': m_units.push_back(0.05); break;
            case 'B': m_units.push_back(0.30); break;
            case 'G': m_units.push_back(0.55); break;
            case 'Y': m_units.push_back(0.80); break;
            default: throw std::invalid_argument("no colour for this letter");
            }
        }
    }

    double NextUnit() override
    {
        if (m_next >= m_units.size())
            throw std::logic_error("the scripted random source ran out of numbers");
        return m_units[m_next++];
    }

    size_t Used() const { return m_next; }
    size_t Left() const { return m_units.size() - m_next; }

private:
    std::vector<double> m_units;
    size_t m_next = 0;
};
