#pragma once

#include "GameBoard.h"
#include "fakes/ScriptedRandomSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

// A board with scripted draws, written and read as text pictures such as "RRB/GRB/GGY": rows
// from the top, one letter per column. R, B, G, Y are bricks (lower case when highlighted), '.' is the removal
// marker "None", '_' the gravity marker "none", '*' the odd empty "NONE", '?' any other text ("Purple").
class BoardTest : public ::testing::Test {
protected:
    static constexpr std::string_view kLetters = "RBGY._*?";
    static constexpr std::array<std::string_view, 8> kNames{"Red",  "Blue", "Green", "Yellow",
                                                            "None", "none", "NONE",  "Purple"};

    ScriptedRandomSource random;
    GameBoard board{random};

    // Replaces the board, adding column by column as generation does, or row by row; LngSelected counts the flags.
    void load(std::string_view picture, bool rowOrder = false)
    {
        const size_t width = std::min(picture.find('/'), picture.size()), height = (picture.size() + 1) / (width + 1);
        ASSERT_EQ(height * (width + 1), picture.size() + 1) << picture;
        Bricks bricks;
        std::tie(board.GameWidth, board.GameHeight, board.LngSelected) = std::tuple(width - 1, height - 1, 0);
        for (size_t i = 0; i < width * height; ++i) {
            const size_t x = rowOrder ? i % width : i / height, y = rowOrder ? i / width : i % height;
            const char c = picture.at(y * (width + 1) + x);
            const size_t name = kLetters.find(static_cast<char>(std::toupper(c)));
            ASSERT_LT(name, kNames.size()) << picture;
            bricks.Add(c >= 'a', kNames[name], y, x, CellKey(x, y));
            board.LngSelected += c >= 'a';
        }
        board.Replace(std::move(bricks));
    }

    // The cues of a click as letters: 'C' for the clear, then 'H' for each highlight step.
    static std::string cues(const ClickOutcome& outcome)
    {
        return std::string(outcome.clearCue ? "C" : "") + std::string(outcome.highlightCues, 'H');
    }

    std::string picture() const
    {
        std::string text;
        for (int32_t y = 0; y <= board.GameHeight; ++y) {
            text += y ? "/" : "";
            for (int32_t x = 0; x <= board.GameWidth; ++x) {
                const Brick& brick = *board.bricks().ItemByXY(x, y);
                const size_t name = std::find(kNames.begin(), kNames.end(), brick.StrColor) - kNames.begin();
                text += name < 4 && brick.BlnHighLighted ? "rbgy"[name] : name < 8 ? kLetters[name] : '?';
            }
        }
        return text;
    }
};
