#include "BoardPicture.h"
#include "BrickColors.h"
#include "CTime.h"

#include <cmath>

#include <map>
#include <random>

using Generation = BoardTest;

// Generation fills column by column from the top, in draw order.
TEST_F(Generation, FillsColumnByColumn)
{
    board.GameWidth = 2;
    board.GameHeight = 2;
    random.Queue("RBGYRBGYR");
    board.GenTiles();
    ASSERT_EQ(board.bricks().Count(), 9);
    EXPECT_EQ(picture(), "RYG/BRY/GBR");
    EXPECT_EQ(board.bricks().Item(4), board.bricks().ItemByXY(1, 0));
    for (const Brick& brick : board.bricks())
        EXPECT_FALSE(brick.BlnHighLighted);
}

// A cell whose key is taken keeps its brick; its draw is still made.
TEST_F(Generation, TakenCellsAreSkipped)
{
    board.GameWidth = 1;
    board.GameHeight = 1;
    board.bricks().Add(true, "Purple", 1, 0, "X0Y1");
    random.Queue("RBGY");
    board.GenTiles();
    EXPECT_EQ(board.bricks().Count(), 4);
    EXPECT_EQ(random.Used(), 4u);
    EXPECT_EQ(board.bricks().Item(1)->StrColor, "Purple");
    EXPECT_TRUE(board.bricks().Item(1)->BlnHighLighted);
    EXPECT_EQ(board.bricks().ItemByXY(0, 0)->StrColor, "Red");
    EXPECT_EQ(board.bricks().ItemByXY(1, 1)->StrColor, "Yellow");
}

// A new game empties the board by position and builds the new size.
TEST_F(Generation, EmptyThenSmallerBoard)
{
    SeededRandomSource seeded(7);
    GameBoard game(seeded, sounds);
    game.GameWidth = 9;
    game.GameHeight = 6;
    game.GenTiles();
    game.EmptyBoard();
    EXPECT_EQ(game.bricks().Count(), 0);
    game.GameWidth = 3;
    game.GameHeight = 2;
    game.GenTiles();
    EXPECT_EQ(game.bricks().Count(), 12);
    EXPECT_EQ(game.bricks().LngMaxX, 9);
    EXPECT_THROW(game.bricks().ItemByXY(5, 5), BricksError);
    for (const Brick& brick : game.bricks())
        EXPECT_FALSE(BrickColors::IsEmpty(brick.StrColor));
}

// The draw: r * 4 rounded half to even, modulo 4.
TEST(ColorDraw, RoundsHalfToEven)
{
    const std::pair<double, std::string_view> table[] = {
        {0.0, "Red"},     {0.125, "Red"},      {0.1251, "Blue"},   {0.25, "Blue"},   {0.375, "Green"},
        {0.3749, "Blue"}, {0.625, "Green"},    {0.6251, "Yellow"}, {0.8749, "Yellow"}, {0.875, "Red"},
        {0.99999, "Red"},
    };
    for (auto [r, color] : table)
        EXPECT_EQ(ColorForUnit(r), color) << r;
}

// The quick rounding agrees with the library's half-to-even rounding.
TEST(ColorDraw, AgreesWithLibraryRounding)
{
    const char* names[] = {"Red", "Blue", "Green", "Yellow"};
    std::mt19937_64 rng(99);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 200000; ++i) {
        const double r = i < 9 ? i / 8.0 * 0.999999999 : unit(rng);
        const long rounded = static_cast<long>(std::nearbyint(r * 4)) % 4;
        ASSERT_EQ(ColorForUnit(r), names[rounded]) << r;
    }
    for (double r : {0.125, 0.375, 0.625, 0.875, std::nextafter(0.125, 1.0), std::nextafter(0.375, 0.0)})
        EXPECT_EQ(ColorForUnit(r), names[static_cast<long>(std::nearbyint(r * 4)) % 4]) << r;
}

// Over many boards each colour covers about a quarter of the cells.
TEST(ColorDraw, QuarterEach)
{
    SeededRandomSource random(2024);
    std::map<std::string_view, int> counts;
    for (int i = 0; i < 40000; ++i)
        ++counts[DrawColor(random)];
    ASSERT_EQ(counts.size(), 4u);
    for (auto [color, count] : counts) {
        EXPECT_GT(count, 9500) << color;
        EXPECT_LT(count, 10500) << color;
    }
}

// The clock text: two digits per field, the last two characters only.
TEST(ClockText, CTimeTable)
{
    const std::pair<int32_t, const char*> table[] = {
        {0, "00:00:00"},    {59, "00:00:59"},   {60, "00:01:00"},   {120, "00:02:00"},
        {3599, "00:59:59"}, {3600, "01:00:00"}, {3660, "01:01:00"}, {7325, "02:02:05"},
        {360000, "00:00:00"}, {-1, "00:00:-1"},
    };
    for (auto [seconds, text] : table)
        EXPECT_EQ(CTime(seconds), text) << seconds;
}

// Flags given to bricks added after generation are still cleared.
TEST_F(Generation, UnHighlightAllAfterLaterAdds)
{
    board.GameWidth = 1;
    board.GameHeight = 0;
    random.Queue("RB");
    board.GenTiles();
    board.bricks().Add(true, "Green", 5, 5, "X5Y5");
    board.UnHighlightAll();
    EXPECT_FALSE(board.bricks().Item("X5Y5")->BlnHighLighted);
}

// A collection replaced as a whole is looked at anew, not through the old layout.
TEST_F(Generation, ReplacedCollectionIsLookedAtAnew)
{
    load("R./.B");
    board.DropBlocks();
    EXPECT_EQ(picture(), "__/RB");
    Bricks rows;  // the same cells in row order
    for (int32_t y = 0; y <= 1; ++y)
        for (int32_t x = 0; x <= 1; ++x)
            rows.Add(false, x == y ? "None" : "Yellow", y, x, CellKey(x, y));
    board.bricks() = std::move(rows);
    board.DropBlocks();
    EXPECT_EQ(picture(), "__/YY");
}

using BoardInput = BoardTest;

// Pixels map to cells by whole 32-pixel steps; the board's outside is no cell.
TEST_F(BoardInput, PixelToCell)
{
    board.GameWidth = 16;
    board.GameHeight = 11;
    EXPECT_EQ(board.CellAtPixel(0, 0), (CellCoord{0, 0}));
    EXPECT_EQ(board.CellAtPixel(31, 31.9), (CellCoord{0, 0}));
    EXPECT_EQ(board.CellAtPixel(32, 64), (CellCoord{1, 2}));
    EXPECT_EQ(board.CellAtPixel(32 * 16 + 31, 32 * 11 + 31), (CellCoord{16, 11}));
    EXPECT_FALSE(board.CellAtPixel(32 * 17, 0));
    EXPECT_FALSE(board.CellAtPixel(0, 32 * 12));
    EXPECT_FALSE(board.CellAtPixel(-0.5, 0));
    EXPECT_FALSE(board.CellAtPixel(0, -1));
    EXPECT_FALSE(board.CellAtPixel(1e30, 0));
    EXPECT_FALSE(board.CellAtPixel(std::nan(""), 0));
}
