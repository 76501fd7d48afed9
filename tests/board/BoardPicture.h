#pragma once

#include "GameBoard.h"

#include <string>
#include <string_view>

// Boards as text pictures such as "RRB/GRB/GGY": rows from the top, separated
// by '/', one letter per column. R, B, G and Y are bricks (lower case when
// highlighted), '.' is the removal marker "None" and '_' the gravity marker
// "none". Any other colour text reads back as '?'.

// Replaces the board with the picture, sets GameWidth and GameHeight, and
// sets LngSelected to the number of highlighted bricks.
void LoadPicture(GameBoard& board, std::string_view picture);

std::string Picture(const GameBoard& board);

#include "fakes/RecordingSelectionSounds.h"
#include "fakes/ScriptedRandomSource.h"

#include <gtest/gtest.h>

// A board with scripted draws and recorded cues.
class BoardTest : public ::testing::Test {
protected:
    ScriptedRandomSource random;
    RecordingSelectionSounds sounds;
    GameBoard board{random, sounds};

    void load(std::string_view picture) { LoadPicture(board, picture); }
    std::string picture() const { return Picture(board); }
};
