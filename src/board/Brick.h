#pragma once

#include <cstdint>
#include <string>

// One cell of the board. A brick never leaves its cell during a game:
// removal, gravity and refills only rewrite StrColor and BlnHighLighted.
struct Brick {
    int32_t LngX = 0;             // column, 0 at the left
    int32_t LngY = 0;             // row, 0 at the top
    std::string StrColor;         // "Red", "Blue", "Green", "Yellow", or the empty marker "None"/"none"
    bool BlnHighLighted = false;  // part of the highlighted group
};
