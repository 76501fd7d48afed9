#include "BoardPicture.h"

#include <stdexcept>
#include <vector>

namespace {
std::vector<std::string_view> rowsOf(std::string_view picture)
{
    std::vector<std::string_view> rows;
    size_t start = 0;
    while (true) {
        const size_t slash = picture.find('/', start);
        rows.push_back(picture.substr(start, slash == std::string_view::npos ? slash : slash - start));
        if (slash == std::string_view::npos)
            return rows;
        start = slash + 1;
    }
}

std::string colorOf(char letter)
{
    switch (letter) {
    case 'R': case 'r': return "Red";
    case 'B': case 'b': return "Blue";
    case 'G': case 'g': return "Green";
    case 'Y': case 'y': return "Yellow";
    case '.': return "None";
    case '_': return "none";
    default: throw std::invalid_argument(std::string("unknown picture letter ") + letter);
    }
}

char letterOf(const Brick& brick)
{
    const std::string& c = brick.StrColor;
    char letter = c == "Red" ? 'R' : c == "Blue" ? 'B' : c == "Green" ? 'G' : c == "Yellow" ? 'Y'
                : c == "None" ? '.' : c == "none" ? '_' : '?';
    if (brick.BlnHighLighted && letter >= 'A' && letter <= 'Z')
        letter = static_cast<char>(letter - 'A' + 'a');
    return letter;
}
}  // namespace

void LoadPicture(GameBoard& board, std::string_view picture)
{
    const auto rows = rowsOf(picture);
    for (auto row : rows)
        if (row.size() != rows[0].size())
            throw std::invalid_argument("picture rows differ in length");
    board.EmptyBoard();
    board.GameWidth = static_cast<int32_t>(rows[0].size()) - 1;
    board.GameHeight = static_cast<int32_t>(rows.size()) - 1;
    board.LngSelected = 0;
    for (int32_t x = 0; x <= board.GameWidth; ++x) {
        for (int32_t y = 0; y <= board.GameHeight; ++y) {
            const char letter = rows[y][x];
            const bool highlighted = letter >= 'a' && letter <= 'z';
            board.bricks().Add(highlighted, colorOf(letter), y, x, CellKey(x, y));
            board.LngSelected += highlighted ? 1 : 0;
        }
    }
}

std::string Picture(const GameBoard& board)
{
    std::string text;
    for (int32_t y = 0; y <= board.GameHeight; ++y) {
        if (y > 0)
            text += '/';
        for (int32_t x = 0; x <= board.GameWidth; ++x)
            text += letterOf(*board.bricks().ItemByXY(x, y));
    }
    return text;
}
