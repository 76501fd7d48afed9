#include "LargestGroup.h"

#include "BrickColors.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace {

constexpr uint16_t kNoBrick = 0;

// The four colours the game draws get fixed codes; any other colour a board
// laid out elsewhere holds gets one of its own.
class ColorCodes {
public:
    uint16_t operator()(const std::string& color)
    {
        // By length first: a million bricks are read, nearly all of them
        // one of the four.
        switch (color.size()) {
        case 3:
            if (color == BrickColors::Red) return 1;
            break;
        case 4:
            if (color == BrickColors::Blue) return 2;
            if (BrickColors::IsEmpty(color)) return kNoBrick;
            break;
        case 5:
            if (color == BrickColors::Green) return 3;
            break;
        case 6:
            if (color == BrickColors::Yellow) return 4;
            break;
        default:
            break;
        }
        const auto [at, added] = m_others.try_emplace(color, static_cast<uint16_t>(5 + m_others.size()));
        return at->second;
    }

private:
    std::unordered_map<std::string, uint16_t> m_others;
};

}  // namespace

GroupFound LargestGroup(const GameBoard& board)
{
    GroupFound best;
    if (board.GameWidth < 0 || board.GameHeight < 0) return best;
    const int64_t columns = int64_t(board.GameWidth) + 1;
    const int64_t rows = int64_t(board.GameHeight) + 1;
    // A frame of empty cells around the board: a neighbour is always one
    // step away in the grid, with no bounds to test and no division.
    const int64_t stride = rows + 2;
    std::vector<uint16_t> codes(static_cast<size_t>((columns + 2) * stride), kNoBrick);
    ColorCodes code;
    for (const Brick& brick : board.bricks())
        if (brick.LngX >= 0 && brick.LngX < columns && brick.LngY >= 0 && brick.LngY < rows)
            codes[static_cast<size_t>((brick.LngX + 1) * stride + brick.LngY + 1)] = code(brick.StrColor);

    // A cell once reached is cleared to "no brick", so no second array
    // remembers what the fill has seen.
    std::vector<uint32_t> stack;
    std::vector<uint32_t> group;
    std::vector<uint32_t> largest;
    stack.reserve(1024);
    const int64_t last = (columns + 1) * stride;
    for (int64_t start = stride + 1; start < last; ++start) {
        const uint16_t color = codes[start];
        if (color == kNoBrick) continue;
        group.clear();
        codes[start] = kNoBrick;
        stack.push_back(static_cast<uint32_t>(start));
        while (!stack.empty()) {
            const int64_t at = stack.back();
            stack.pop_back();
            group.push_back(static_cast<uint32_t>(at));
            for (const int64_t next : {at + 1, at - 1, at + stride, at - stride})
                if (codes[next] == color) {
                    codes[next] = kNoBrick;
                    stack.push_back(static_cast<uint32_t>(next));
                }
        }
        // Of equal groups the one found first stays.
        if (group.size() > largest.size()) largest.swap(group);
    }

    best.size = static_cast<int32_t>(largest.size());
    best.points = int64_t(best.size) * (best.size - 1);
    best.cells.reserve(largest.size());
    for (const uint32_t at : largest)
        best.cells.push_back({static_cast<int32_t>(at / stride - 1), static_cast<int32_t>(at % stride - 1)});
    return best;
}
