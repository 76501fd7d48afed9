#pragma once

#include <cstdint>
#include <string>

// Colours as the game stores them: 0x00BBGGRR, red in the low byte.
using ColorRef = uint32_t;
inline constexpr ColorRef kColorBlack = 0x000000;
inline constexpr ColorRef kColorRed = 0x0000FF;
inline constexpr ColorRef kColorGreen = 0x00FF00;
inline constexpr ColorRef kColorWhite = 0xFFFFFF;

struct LabelState {
    std::string caption;
    ColorRef color = kColorBlack;
    friend bool operator==(const LabelState&, const LabelState&) = default;
};

// The side panel's texts and colours as the rules leave them; the window
// shows them as they are. Captions use CR LF where the panel breaks a line.
struct PanelLabels {
    LabelState lblMinmumBlock;
    LabelState lblScore;
    LabelState lblLevel{"Level: 1", kColorBlack};
    LabelState lblTime{"0:02:00", kColorBlack};
    LabelState lblNextLvl{"Bricks For Level  50", kColorBlack};
    LabelState lblSelected{"Bricks Selected", kColorBlack};
};
