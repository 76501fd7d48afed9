#pragma once

#include "GameBoard.h"
#include "fakes/BoardPaint.h"
#include "fakes/ScriptedRandomSource.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <utility>

// A board with scripted draws, written and read as text pictures in BoardPaint.h's letters ("RRB/GRB/GGY").
class BoardTest : public ::testing::Test {
protected:
    ScriptedRandomSource random;
    GameBoard board{random};

    // Replaces the board, adding column by column as generation does, or row by row; LngSelected counts the flags.
    void load(std::string_view picture, bool rowOrder = false)
    {
        Bricks bricks = BricksOf(picture, rowOrder);
        ASSERT_EQ(bricks.Count(), (bricks.LngMaxX + 1) * (bricks.LngMaxY + 1)) << picture;
        ASSERT_GT(bricks.Count(), 0) << picture;
        std::tie(board.GameWidth, board.GameHeight, board.LngSelected) = std::tuple(bricks.LngMaxX, bricks.LngMaxY, 0);
        for (const Brick& brick : bricks) board.LngSelected += brick.BlnHighLighted;
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
            for (int32_t x = 0; x <= board.GameWidth; ++x) text += LetterOf(*board.bricks().ItemByXY(x, y));
        }
        return text;
    }
};
