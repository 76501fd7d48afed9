#include "BoardPicture.h"
#include "BrickColors.h"

#include <random>

namespace {
// The plain forms of the rules, written as the game first described them:
// gravity in passes, selection by recursion. The engine must agree with them.
struct Reference {
    int32_t width = 0;   // largest column index
    int32_t height = 0;  // largest row index
    std::vector<std::string> color;
    std::vector<char> flag;
    int32_t selected = 0;
    int cues = 0;

    size_t at(int32_t x, int32_t y) const { return size_t(x) * (height + 1) + y; }

    void dropBlocks()
    {
        bool moved = true;
        while (moved) {
            moved = false;
            for (int32_t x = 0; x <= width; ++x) {
                for (int32_t y = height; y >= 0; --y) {
                    if (!BrickColors::IsEmpty(color[at(x, y)]))
                        continue;
                    if (y > 0) {
                        color[at(x, y)] = color[at(x, y - 1)];
                        color[at(x, y - 1)] = "none";
                        if (!BrickColors::IsEmpty(color[at(x, y)]))
                            moved = true;
                    } else {
                        color[at(x, y)] = "none";
                    }
                }
            }
        }
    }

    void highlight(int32_t x, int32_t y)
    {
        ++cues;
        if (!flag[at(x, y)])
            ++selected;
        flag[at(x, y)] = 1;
        const std::string& c = color[at(x, y)];
        if (y < height && !flag[at(x, y + 1)] && color[at(x, y + 1)] == c)
            highlight(x, y + 1);
        if (y > 0 && !flag[at(x, y - 1)] && color[at(x, y - 1)] == c)
            highlight(x, y - 1);
        if (x < width && !flag[at(x + 1, y)] && color[at(x + 1, y)] == c)
            highlight(x + 1, y);
        if (x > 0 && !flag[at(x - 1, y)] && color[at(x - 1, y)] == c)
            highlight(x - 1, y);
    }
};

Reference randomReference(std::mt19937& rng, const std::vector<std::string>& palette, int maxSide)
{
    Reference ref;
    ref.width = std::uniform_int_distribution<int32_t>(0, maxSide - 1)(rng);
    ref.height = std::uniform_int_distribution<int32_t>(0, maxSide - 1)(rng);
    const size_t cells = size_t(ref.width + 1) * (ref.height + 1);
    // Some boards are mostly empty, some mostly full.
    const double emptyShare = std::uniform_real_distribution<double>(0, 1)(rng);
    std::uniform_int_distribution<size_t> pick(0, palette.size() - 1);
    for (size_t i = 0; i < cells; ++i) {
        const bool empty = std::uniform_real_distribution<double>(0, 1)(rng) < emptyShare;
        ref.color.push_back(empty ? (rng() % 2 ? "None" : "none") : palette[pick(rng)]);
        ref.flag.push_back(rng() % 8 == 0);
    }
    return ref;
}

// Loads the reference into the engine, in generation order or, now and
// then, in row order so that cells are found through their keys.
void loadReference(GameBoard& board, const Reference& ref, bool rowOrder)
{
    board.EmptyBoard();
    board.GameWidth = ref.width;
    board.GameHeight = ref.height;
    for (int32_t a = 0; a <= (rowOrder ? ref.height : ref.width); ++a)
        for (int32_t b = 0; b <= (rowOrder ? ref.width : ref.height); ++b) {
            const int32_t x = rowOrder ? b : a;
            const int32_t y = rowOrder ? a : b;
            board.bricks().Add(ref.flag[ref.at(x, y)] != 0, ref.color[ref.at(x, y)], y, x, CellKey(x, y));
        }
}

void expectSameBoard(const GameBoard& board, const Reference& ref)
{
    for (int32_t x = 0; x <= ref.width; ++x)
        for (int32_t y = 0; y <= ref.height; ++y) {
            const Brick* brick = board.bricks().ItemByXY(x, y);
            ASSERT_EQ(brick->StrColor, ref.color[ref.at(x, y)]) << x << "," << y;
            ASSERT_EQ(brick->BlnHighLighted, ref.flag[ref.at(x, y)] != 0) << x << "," << y;
        }
}
}  // namespace

using BoardProperties = BoardTest;

// The one-sweep gravity ends exactly where the passes end, markers included.
TEST_F(BoardProperties, GravityMatchesThePasses)
{
    std::mt19937 rng(11);
    const std::vector<std::string> palette = {"Red", "Blue", "Green", "Yellow", "NONE", "nOnE", "red",
                                              "",    " none", "Purple", "a colour name too long to fit inline"};
    for (int round = 0; round < 3000; ++round) {
        Reference ref = randomReference(rng, palette, round < 2900 ? 7 : 40);
        loadReference(board, ref, round % 5 == 0);
        ref.dropBlocks();
        board.DropBlocks();
        expectSameBoard(board, ref);
        if (HasFatalFailure())
            return;
    }
}

// The explicit-stack fill flags, counts and sounds exactly as the recursion, also from a flagged brick.
TEST_F(BoardProperties, SelectionMatchesTheRecursion)
{
    std::mt19937 rng(12);
    const std::vector<std::string> palette = {"Red", "Blue", "Green", "Yellow"};
    for (int round = 0; round < 3000; ++round) {
        Reference ref = randomReference(rng, palette, 9);
        const int32_t x = std::uniform_int_distribution<int32_t>(0, ref.width)(rng);
        const int32_t y = std::uniform_int_distribution<int32_t>(0, ref.height)(rng);
        if (BrickColors::IsEmpty(ref.color[ref.at(x, y)]))
            continue;
        loadReference(board, ref, round % 5 == 0);
        ref.selected = board.LngSelected = ref.flag[ref.at(x, y)] ? 1 : 0;
        sounds.cues.clear();
        ref.highlight(x, y);
        board.Highlightblock(x, y);
        expectSameBoard(board, ref);
        ASSERT_EQ(board.LngSelected, ref.selected);
        ASSERT_EQ(sounds.cues, std::string(ref.cues, 'H'));
        if (HasFatalFailure())
            return;
    }
}

// Random games keep the board whole, the count equal to the flags, no brick over a gap, n * (n - 1) until the target.
TEST(GameProperties, RandomClickSequences)
{
    std::mt19937 rng(13);
    int removals = 0;
    int levelUps = 0;
    for (int game = 0; game < 150; ++game) {
        SeededRandomSource random(1000 + game);
        RecordingSelectionSounds sounds;
        GameBoard board(random, sounds);
        board.GameWidth = std::uniform_int_distribution<int32_t>(1, 14)(rng);
        board.GameHeight = std::uniform_int_distribution<int32_t>(1, 14)(rng);
        board.ResetCounters(100000);
        board.GenTiles();
        const int32_t cells = (board.GameWidth + 1) * (board.GameHeight + 1);

        for (int step = 0; step < 300; ++step) {
            int32_t x = std::uniform_int_distribution<int32_t>(0, board.GameWidth)(rng);
            int32_t y = std::uniform_int_distribution<int32_t>(0, board.GameHeight)(rng);
            // Half the clicks go to the selection, so that groups get removed.
            if (rng() % 2) {
                for (const Brick& brick : board.bricks())
                    if (brick.BlnHighLighted) {
                        x = brick.LngX;
                        y = brick.LngY;
                        break;
                    }
            }
            const Brick& clicked = *board.bricks().ItemByXY(x, y);
            const bool removes = clicked.BlnHighLighted && board.LngSelected > 1;
            const int32_t n = board.LngSelected;
            const bool beforeTarget = board.LevelTarget() > board.LngBricksRemoved;
            const int32_t score = board.LngScore;
            const int32_t removed = board.LngBricksRemoved;
            const int32_t level = board.LngLevel;

            if (step % 40 == 39)
                board.cmdFillSpace_Click();
            else
                board.ClickCell(x, y);

            ASSERT_EQ(board.bricks().Count(), cells);
            int32_t flagged = 0;
            for (int32_t cx = 0; cx <= board.GameWidth; ++cx) {
                bool gapSeen = false;
                for (int32_t cy = board.GameHeight; cy >= 0; --cy) {
                    const Brick& brick = *board.bricks().ItemByXY(cx, cy);
                    ASSERT_EQ(brick.LngX, cx);
                    ASSERT_EQ(brick.LngY, cy);
                    flagged += brick.BlnHighLighted ? 1 : 0;
                    const bool empty = BrickColors::IsEmpty(brick.StrColor);
                    ASSERT_FALSE(gapSeen && !empty) << "brick over a gap at " << cx << "," << cy;
                    gapSeen = gapSeen || empty;
                }
            }
            ASSERT_EQ(board.LngSelected, flagged);

            if (step % 40 != 39 && removes) {
                ASSERT_EQ(board.LngBricksRemoved, removed + n);
                ASSERT_EQ(board.LngScore, score + (beforeTarget ? n * (n - 1) : 0));
                ASSERT_EQ(board.LngSelected, 0);
                ++removals;
                if (board.LngLevel > level) {
                    ++levelUps;
                    ASSERT_EQ(Picture(board).find_first_of("._"), std::string::npos);
                }
            } else {
                ASSERT_EQ(board.LngBricksRemoved, removed);
                ASSERT_EQ(board.LngScore, score);
            }
            ASSERT_GE(board.LngLevel, level);
        }
    }
    EXPECT_GT(removals, 4000);
    EXPECT_GT(levelUps, 400);
}
