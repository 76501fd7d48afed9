#include "GameBoard.h"
#include "RandomSource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Size {
    int32_t columns, rows;
};

void PrintTo(const Size& size, std::ostream* out) { *out << size.columns << "x" << size.rows; }

// A game on board `number`, played the same way whatever the board: the first group from the top left is selected
// and removed three times (gravity and column refills follow), then the fill button refills the holes. The source's
// own seed differs per call, as two copies of the game would.
std::string Play(uint32_t number, Size size, uint64_t sourceSeed)
{
    SeededRandomSource random(sourceSeed);
    GameBoard board(random);
    board.GameWidth = size.columns - 1;
    board.GameHeight = size.rows - 1;
    board.ResetCounters(120);
    random.StartBoard(number);
    board.GenTiles();
    for (int move = 0; move < 3; ++move) {
        const Bricks& bricks = board.bricks();
        for (const Brick& brick : bricks) {
            const Brick* right = bricks.ItemByXY(brick.LngX + 1, brick.LngY);
            const Brick* below = bricks.ItemByXY(brick.LngX, brick.LngY + 1);
            if ((right && right->StrColor == brick.StrColor) || (below && below->StrColor == brick.StrColor)) {
                const int32_t x = brick.LngX, y = brick.LngY;
                board.ClickCell(x, y);
                board.ClickCell(x, y);
                break;
            }
        }
    }
    board.FillForPenalty();
    std::string picture;
    for (const Brick& brick : board.bricks())
        picture += brick.StrColor.substr(0, 2);
    return picture + " " + std::to_string(board.LngScore);
}

class Replay : public ::testing::TestWithParam<Size> {};

// The same board number and moves give the same board after removals and refills, on any copy of the game; another
// number gives another board.
TEST_P(Replay, SameNumberSameBoardAnotherNumberAnother)
{
    const Size size = GetParam();
    const std::string first = Play(4242, size, 1);
    EXPECT_EQ(Play(4242, size, 987654321), first);
    if (size.columns * size.rows >= 9) {
        EXPECT_NE(Play(4243, size, 1), first);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, Replay, ::testing::Values(Size{1, 1}, Size{3, 3}, Size{17, 12}, Size{1000, 1000}));

// The colours come from the engine's exact output: board 1's first draws are the same on every platform and
// library, and a new copy of the game starts from a new board number.
TEST(BoardNumbers, DrawsAreFixedByTheNumberAlone)
{
    SeededRandomSource random(5);
    random.StartBoard(1);
    const double first[] = {random.NextUnit(), random.NextUnit()};
    // std::mt19937 seeded with 1 gives 1791095845, 4282876139, 3093770124, 4005303368 first.
    EXPECT_DOUBLE_EQ(first[0], ((1791095845u >> 5) * 67108864.0 + (4282876139u >> 6)) / 9007199254740992.0);
    EXPECT_DOUBLE_EQ(first[1], ((3093770124u >> 5) * 67108864.0 + (4005303368u >> 6)) / 9007199254740992.0);
    EXPECT_NE(SeededRandomSource(5).NextBoardNumber(), SeededRandomSource(6).NextBoardNumber());
}

}  // namespace
