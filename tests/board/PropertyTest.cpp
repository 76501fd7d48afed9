#include "BoardPicture.h"

#include <random>
#include <tuple>
#include <utility>

namespace {
bool isGap(char c)
{
    return c == '.' || c == '_' || c == '*';
}

// Up to maxSide by maxSide cells; some boards mostly empty, some mostly full.
std::string randomPicture(std::mt19937& rng, std::string_view bricks, std::string_view gaps, size_t maxSide)
{
    const size_t stride = 2 + rng() % maxSide, rows = 1 + rng() % maxSide, emptyShare = rng() % 101;
    std::string text;
    for (size_t i = 1; i < rows * stride; ++i) {
        const std::string_view from = rng() % 100 < emptyShare ? gaps : bricks;
        text += i % stride ? from[rng() % from.size()] : '/';
    }
    return text;
}

size_t strideOf(std::string_view p)
{
    return std::min(p.find('/'), p.size()) + 1;
}

// The plain form of gravity: in passes, every empty cell from the bottom of each column up takes what lies above
// it and the top one turns "none", until a pass moves no brick.
std::string gravityByPasses(std::string p)
{
    const size_t stride = strideOf(p);
    for (bool moved = true; moved;) {
        moved = false;
        for (size_t x = 0; x + 1 < stride; ++x)
            for (size_t y = p.size() / stride + 1; y-- > 0;)
                if (char& cell = p[y * stride + x]; isGap(cell)) {
                    cell = y ? std::exchange(p[(y - 1) * stride + x], '_') : '_';
                    moved = moved || !isGap(cell);
                }
    }
    return p;
}

// The plain form of selection: flag the brick, then recurse into each unflagged neighbour of the same colour,
// below, above, right, left; every call sounds once.
void selectByRecursion(std::string& p, size_t i, int32_t& selected, std::string& cues)
{
    const size_t stride = strideOf(p);
    cues += 'H';
    selected += std::isupper(p[i]) ? 1 : 0;
    const char color = static_cast<char>(std::toupper(p[i]));
    p[i] = static_cast<char>(std::tolower(p[i]));
    for (size_t n : {i + stride, i - stride, i + 1, i - 1})  // off the board: wraps past the end, or lands on '/'
        if (n < p.size() && p[n] == color)
            selectByRecursion(p, n, selected, cues);
}
}  // namespace

using BoardProperties = BoardTest;

// The one-sweep gravity ends exactly where the passes end, with the same spelling of every empty marker.
TEST_F(BoardProperties, GravityMatchesThePasses)
{
    std::mt19937 rng(11);
    for (int round = 0; round < 3000 && !HasFatalFailure(); ++round) {
        const std::string before = randomPicture(rng, "RBGY?", "._*", round < 2900 ? 7 : 40);
        load(before, round % 5 == 0);
        board.DropBlocks();
        ASSERT_EQ(picture(), gravityByPasses(before)) << before;
    }
}

// The explicit-stack fill flags, counts and sounds exactly as the recursion, also when the clicked brick is flagged.
TEST_F(BoardProperties, SelectionMatchesTheRecursion)
{
    std::mt19937 rng(12);
    for (int round = 0; round < 3000 && !HasFatalFailure(); ++round) {
        std::string expected = randomPicture(rng, "RBGYRBGYrbgy", "._", 9);
        load(expected, round % 5 == 0);
        const size_t i = rng() % expected.size(), stride = strideOf(expected);
        if (!std::isalpha(expected[i]))
            continue;
        int32_t selected = board.LngSelected = std::islower(expected[i]) ? 1 : 0;
        std::string heard;
        selectByRecursion(expected, i, selected, heard);
        const ClickOutcome outcome = board.Highlightblock(i % stride, i / stride);
        ASSERT_EQ(picture(), expected);
        ASSERT_EQ(board.LngSelected, selected);
        ASSERT_EQ(cues(outcome), heard);
    }
}

// Random games keep every cell, report every cell they draw differently, LngSelected, no brick over a gap, n * (n - 1) until the target, full level-ups.
TEST_F(BoardProperties, RandomClickSequences)
{
    std::mt19937 rng(13);
    int removals = 0, levelUps = 0;
    for (int game = 0; game < 150; ++game) {
        std::string draws(20000, 'R');
        for (char& c : draws)
            c = "RBGY"[rng() % 4];
        random.Queue(draws);
        board.EmptyBoard();
        std::tie(board.GameWidth, board.GameHeight) = std::tuple(1 + rng() % 14, 1 + rng() % 14);
        board.GenTiles();
        board.ResetCounters(100000);
        const size_t stride = board.GameWidth + 2, cells = (board.GameWidth + 1) * (board.GameHeight + 1);
        for (int step = 0; step < 300; ++step) {
            const std::string before = picture();
            size_t i = rng() % before.size();
            if (rng() % 2 && board.LngSelected > 0)  // half the clicks go to the selection
                i = before.find_first_of("rbgy");
            const bool fill = step % 40 == 39, removes = !fill && std::islower(before[i]) && board.LngSelected > 1;
            const int32_t n = board.LngSelected, score = board.LngScore, removed = board.LngBricksRemoved;
            const int32_t level = board.LngLevel, points = board.LevelTarget() > removed ? n * (n - 1) : 0;
            board.TakeChangedCells();
            const ClickOutcome outcome = fill ? ClickOutcome{} : board.ClickCell(i % stride, i / stride);
            if (fill)
                board.FillForPenalty();

            const std::string after = picture();
            const ChangedCells changed = board.TakeChangedCells();
            for (size_t j = 0; j < after.size(); ++j)  // a repaint of the changed cells shows the whole board
                ASSERT_TRUE((isGap(before[j]) && isGap(after[j])) || before[j] == after[j] ||
                            changed.contains(j % stride, j / stride))
                    << before << " -> " << after << " at " << j;
            ASSERT_EQ(board.bricks().Count(), static_cast<int32_t>(cells));
            ASSERT_EQ(std::count_if(after.begin(), after.end(), ::islower), board.LngSelected);
            for (size_t j = stride; j < after.size(); ++j)
                ASSERT_FALSE(isGap(after[j]) && std::isalpha(after[j - stride])) << "brick over a gap: " << after;
            ASSERT_EQ(board.LngBricksRemoved, removed + (removes ? n : 0));
            ASSERT_EQ(board.LngScore, score + (removes ? points : 0));
            ASSERT_EQ(outcome.removal.has_value(), removes);
            if (removes) {
                ASSERT_EQ(std::tie(outcome.removal->bricks, outcome.removal->points), std::tie(n, points));
                ASSERT_EQ(outcome.removal->newLevel.has_value(), board.LngLevel > level);
                ASSERT_EQ(outcome.removal->bricksForLevel, board.BricksForLevel());
            }
            if (outcome.redraw) {
                ASSERT_EQ(outcome.selected, board.LngSelected);
            }
            const bool gaps = after.find_first_of("._") != std::string::npos;
            ASSERT_TRUE(board.LngLevel == level || (removes && board.LngLevel == level + 1 && !gaps));
            removals += removes;
            levelUps += board.LngLevel > level;
        }
    }
    EXPECT_GT(removals, 4000);
    EXPECT_GT(levelUps, 400);
}

// The changed cells keep every cell added and at most a few rectangles; an empty rectangle adds nothing to repaint.
TEST(ChangedCellsTest, KeepEveryCellInAFewRectangles)
{
    std::mt19937 rng(3);
    for (int round = 0; round < 20; ++round) {
        ChangedCells changed;
        changed.add(CellRect{});
        ASSERT_TRUE(changed.empty());
        std::vector<std::pair<int32_t, int32_t>> cells;
        for (int i = 0; i <= round; ++i) {
            const int32_t x = rng() % 50, y = rng() % 50;
            changed.add({x, y, x, y});
            cells.emplace_back(x, y);
        }
        changed.add(CellRect{7, 7, 6, 6});
        ASSERT_LE(changed.rects.size(), ChangedCells::kMostRects);
        for (const auto& [x, y] : cells)
            ASSERT_TRUE(changed.contains(x, y)) << round;
        ASSERT_FALSE(changed.all);
    }
}
