#pragma once

#include "DialogText.h"

#include <cstdint>
#include <string>
#include <vector>

// The three texts of the new-game dialog: counts of columns and rows, and
// the game's length in seconds.
struct NewGameTexts {
    std::string txtGameWidth;
    std::string txtGameHeight;
    std::string txtGameTime;
    friend bool operator==(const NewGameTexts&, const NewGameTexts&) = default;
};

// The board settings the dialog reads and writes (largest indices, seconds).
struct NewGameValues {
    int32_t GameWidth = 0;
    int32_t GameHeight = 0;
    int32_t GameTime = 0;
    friend bool operator==(const NewGameValues&, const NewGameValues&) = default;
};

// What the Start button decides: the values to store and the messages to show
// first, in order (each with the title "Error" and an OK button).
struct NewGameDecision {
    NewGameValues values;
    std::vector<DialogText> messages;
};

inline constexpr const char* kNewGameErrorTitle = TOLMORA_TEXT("Tolmora", "Error");

// The dialog's texts when it opens: columns, rows, seconds.
NewGameTexts NewGameDialogTexts(const NewGameValues& current);
// "Reset Defaults": 16 columns, 11 rows, 120 seconds.
NewGameTexts NewGameDefaultTexts();

// The Start button's rules. The height is checked before the width; a
// rejected dimension keeps its value and the game starts all the same. A
// dimension must be a number above 2 and at most 1000 (a larger board no
// longer fits the scroll bars and its memory grows without bound); it is
// stored as the count minus one, rounded half to even. A time that is not a
// number above 1 is ignored without a message.
NewGameDecision DecideNewGame(const NewGameTexts& texts, const NewGameValues& current);
