#pragma once

#include "ColorRef.h"
#include "GameBoard.h"

#include <cstdint>
#include <string>

struct LabelState {
    std::string caption;
    ColorRef color = kColorBlack;
    friend bool operator==(const LabelState&, const LabelState&) = default;
};

// The side panel's texts and colours; the window shows them as they are.
// Captions use CR LF where the panel breaks a line. The initial values are
// the captions the window is designed with, before the first game sets them.
struct PanelLabels {
    LabelState lblMinmumBlock;
    LabelState lblScore;
    LabelState lblLevel{"Level: 1", kColorBlack};
    LabelState lblTime{"0:02:00", kColorBlack};
    LabelState lblNextLvl{"Bricks For Level  50", kColorBlack};
    LabelState lblSelected{"Bricks Selected", kColorBlack};
};

// The colour a label is drawn in. With high contrast on, the panel's red and
// green become darker shades that reach at least 4.5:1 against its light
// grey (pure green there is about 1.2:1); off, every colour is as given.
ColorRef PanelTextColor(ColorRef color, bool highContrast);

// The text of lblMinmumBlock for a grouping number.
std::string MinimumBlockText(int32_t groupingNumber);

// A new game's captions: the clock, level 1, a score of 0 in black, the
// bricks still needed, and the grouping number of level 1 (lblMinmumBlock
// keeps its colour).
void ShowNewGame(PanelLabels& labels, int32_t timeLeft, double bricksForLevel);

// The captions and colours a click changes; a click that asks for no redraw
// changes none.
void ShowClick(PanelLabels& labels, const ClickOutcome& outcome);
