#pragma once

#include "GameBoard.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// Recolours a board from the top row down, one letter a cell: R, B, G, Y, or
// '.' for an emptied cell; cells past the rows given keep their colour.
inline void PaintBoard(GameBoard& board, const std::vector<std::string>& rows)
{
    const std::map<char, std::string> names{
        {'R', "Red"}, {'B', "Blue"}, {'G', "Green"}, {'Y', "Yellow"}, {'.', "None"}};
    Bricks painted;
    for (const Brick& brick : board.bricks()) {
        const size_t x = static_cast<size_t>(brick.LngX), y = static_cast<size_t>(brick.LngY);
        const bool given = y < rows.size() && x < rows[y].size();
        painted.Add(brick.BlnHighLighted, given ? names.at(rows[y][x]) : brick.StrColor, brick.LngY, brick.LngX,
                    CellKey(brick.LngX, brick.LngY));
    }
    board.Replace(std::move(painted));
}

// The board's colours by their first letters, column by column: equal boards give equal texts.
inline std::string BoardColours(const GameBoard& board)
{
    std::string colours;
    for (const Brick& brick : board.bricks()) colours += brick.StrColor.front();
    return colours;
}
