#pragma once

#include "GameBoard.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Boards as text pictures such as "RRB/GRB/GGY": rows from the top, one letter a cell. R, B, G, Y are bricks
// (lower case when highlighted), '.' the removal marker "None", '_' the gravity marker "none", '*' the odd empty
// "NONE", '?' any other text ("Purple").
inline constexpr std::string_view kBoardLetters = "RBGY._*?";
inline constexpr std::array<std::string_view, 8> kBoardNames{"Red", "Blue", "Green", "Yellow",
                                                            "None", "none", "NONE",  "Purple"};

// The colour a letter stands for; nothing is what no letter stands for.
inline std::string_view ColourOfLetter(char letter)
{
    const size_t at = kBoardLetters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
    return at < kBoardNames.size() ? kBoardNames[at] : std::string_view();
}

// A brick's letter, lower case for a highlighted brick.
inline char LetterOf(const Brick& brick)
{
    const size_t at = std::find(kBoardNames.begin(), kBoardNames.end(), brick.StrColor) - kBoardNames.begin();
    return at < 4 && brick.BlnHighLighted ? "rbgy"[at] : at < kBoardNames.size() ? kBoardLetters[at] : '?';
}

// The bricks of a picture, added column by column as generation adds them, or row by row; a short row leaves its
// last cells out. An empty collection for a letter that stands for nothing.
inline Bricks BricksOf(std::string_view picture, bool rowOrder = false)
{
    std::vector<std::string_view> rows;
    size_t width = 0;
    for (size_t start = 0; start <= picture.size(); start += rows.back().size() + 1) {
        rows.push_back(picture.substr(start, picture.find('/', start) - start));
        width = std::max(width, rows.back().size());
    }
    Bricks bricks;
    for (size_t i = 0; i < width * rows.size(); ++i) {
        const size_t x = rowOrder ? i % width : i / rows.size(), y = rowOrder ? i / width : i % rows.size();
        if (x >= rows[y].size())
            continue;
        if (ColourOfLetter(rows[y][x]).empty())
            return Bricks();
        bricks.AddAtCell(std::islower(static_cast<unsigned char>(rows[y][x])) != 0, ColourOfLetter(rows[y][x]),
                         int32_t(y), int32_t(x));
    }
    return bricks;
}

// Recolours a board from the top row down; cells past the rows given keep their colour and every brick its flag.
inline void PaintBoard(GameBoard& board, const std::vector<std::string>& rows)
{
    Bricks painted;
    for (const Brick& brick : board.bricks()) {
        const size_t x = static_cast<size_t>(brick.LngX), y = static_cast<size_t>(brick.LngY);
        const bool given = y < rows.size() && x < rows[y].size();
        painted.AddAtCell(brick.BlnHighLighted, given ? ColourOfLetter(rows[y][x]) : brick.StrColor, brick.LngY,
                          brick.LngX);
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
