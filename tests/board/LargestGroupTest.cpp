#include "BoardPicture.h"
#include "LargestGroup.h"

#include <algorithm>
#include <ostream>
#include <random>

namespace {

struct GroupCase {
    const char* board;
    bool rowOrder;  // laid out row by row: no cell index on the board
    int32_t size;
    std::vector<CellCoord> cells;  // sorted by column, then row
};

std::vector<CellCoord> Sorted(std::vector<CellCoord> cells)
{
    std::sort(cells.begin(), cells.end(), [](CellCoord a, CellCoord b) { return std::tie(a.x, a.y) < std::tie(b.x, b.y); });
    return cells;
}

}  // namespace

inline void PrintTo(const CellCoord& cell, std::ostream* os) { *os << "(" << cell.x << "," << cell.y << ")"; }

using LargestGroupOnBoard = BoardTest;

// Edge-connected bricks of one exact colour; gaps of every spelling join nothing; the first of equal groups wins.
TEST_F(LargestGroupOnBoard, FindsTheBiggestGroup)
{
    const GroupCase cases[] = {
        {"RBBB/RBGB/RRRB/GGYY", false, 6, {{1, 0}, {1, 1}, {2, 0}, {3, 0}, {3, 1}, {3, 2}}},
        {"RBBY/RBGB/RRRB/GGYY", true, 5, {{0, 0}, {0, 1}, {0, 2}, {1, 2}, {2, 2}}},
        {"BR/RB", false, 1, {{0, 0}}},  // no corner contact
        {"GG/YY", false, 2, {{0, 0}, {1, 0}}},
        {"._*/_.*", false, 0, {}},
        {"R.R/RRR/.R?", false, 6, {{0, 0}, {0, 1}, {1, 1}, {1, 2}, {2, 0}, {2, 1}}},
        {"??Y/Y??", false, 4, {{0, 0}, {1, 0}, {1, 1}, {2, 1}}},
        {"R/R/B", false, 2, {{0, 0}, {0, 1}}},  // a single column
    };
    for (const GroupCase& c : cases) {
        load(c.board, c.rowOrder);
        const GroupFound found = LargestGroup(board);
        EXPECT_EQ(found.size, c.size) << c.board;
        EXPECT_EQ(found.points, int64_t(c.size) * (c.size - 1)) << c.board;
        EXPECT_EQ(Sorted(found.cells), c.cells) << c.board;
    }
}

// On drawn boards with gaps, the group is the largest any click selects, all of one colour.
TEST(LargestGroup, MatchesTheLargestSelection)
{
    for (const uint32_t seed : {1u, 2u, 3u}) {
        SeededRandomSource random(seed);
        GameBoard board(random);
        board.GameWidth = 29;
        board.GameHeight = 19;
        board.ResetCounters(1000);
        board.GenTiles();
        std::mt19937 rng(seed);
        for (int i = 0; i < 40; ++i) {  // removals leave gaps and refills
            const int x = int(rng() % 30), y = int(rng() % 20);
            board.ClickCell(x, y);
            board.ClickCell(x, y);
        }
        board.UnHighlightAll();
        int32_t largest = 0;
        for (int x = 0; x <= board.GameWidth; ++x)
            for (int y = 0; y <= board.GameHeight; ++y) {
                board.ClickCell(x, y);
                largest = std::max(largest, board.LngSelected);
                board.UnHighlightAll();
            }
        const GroupFound found = LargestGroup(board);
        EXPECT_EQ(found.size, largest) << seed;
        ASSERT_EQ(found.cells.size(), size_t(largest));
        board.ClickCell(found.cells[0].x, found.cells[0].y);
        EXPECT_EQ(board.LngSelected, largest) << "the cells are one group";
        for (const CellCoord cell : found.cells) EXPECT_TRUE(board.bricks().ItemByXY(cell.x, cell.y)->BlnHighLighted);
    }
}
