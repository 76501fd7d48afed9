#include "BoardPicture.h"
#include "CTime.h"

#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <tuple>

using Generation = BoardTest;

// Generation fills column by column in draw order, skips taken cells, and a smaller board keeps the old range.
TEST_F(Generation, FillsColumnByColumn)
{
    board.GameWidth = board.GameHeight = 2;
    random.Queue("RBGYRBGYR" "GYBR");
    board.GenTiles();
    EXPECT_EQ(picture(), "RYG/BRY/GBR");
    EXPECT_EQ(board.bricks().Item(3), board.bricks().Item("X0Y2"));
    EXPECT_EQ(board.bricks().Item(4), board.bricks().Item("X1Y0"));
    board.EmptyBoard();
    EXPECT_EQ(board.bricks().Count(), 0);
    board.bricks().Add(true, "Yellow", 1, 0, "X0Y1");
    board.GameWidth = board.GameHeight = 1;
    board.GenTiles();
    EXPECT_EQ(picture(), "GB/yR");
    EXPECT_EQ(board.bricks().Count(), 4);
    EXPECT_EQ(random.Left(), 0u);
    EXPECT_THROW(board.bricks().ItemByXY(2, 2), BricksError);
}

// The board's shortcuts notice bricks added behind their back and a collection replaced as a whole.
TEST_F(Generation, ShortcutsFollowTheCollection)
{
    std::tie(board.GameWidth, board.GameHeight) = std::tuple(1, 0);
    random.Queue("RB");
    board.GenTiles();
    board.bricks().Add(true, "Green", 5, 5, "X5Y5");
    board.UnHighlightAll();
    EXPECT_FALSE(board.bricks().Item("X5Y5")->BlnHighLighted);
    load("R./.B");
    board.DropBlocks();
    Bricks rows;  // the same cells in row order
    for (int32_t i = 0; i < 4; ++i)
        rows.Add(false, i % 3 ? "Yellow" : "None", i / 2, i % 2, CellKey(i % 2, i / 2));
    board.bricks() = std::move(rows);
    board.DropBlocks();
    EXPECT_EQ(picture(), "__/YY");
}

// The colour draw rounds r * 4 half to even, modulo 4, and gives each colour a quarter of the cells; a scripted draw
// outside [0, 1), however wild, still gives a colour.
TEST(ColorDraw, RoundsHalfToEven)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (auto [r, color] : {std::pair{0.0, "Red"}, {0.125, "Red"}, {0.1251, "Blue"}, {0.3749, "Blue"}, {0.375, "Green"},
                            {0.625, "Green"}, {0.6251, "Yellow"}, {0.8749, "Yellow"}, {0.875, "Red"}, {0.99999, "Red"},
                            {1.0, "Red"}, {1.3, "Blue"}, {-0.125, "Red"}, {-0.3, "Yellow"}, {0x1p51 + 0.5, "Green"},
                            {1e300, "Red"}, {-1e300, "Red"}, {inf, "Red"}, {-inf, "Red"}, {std::nan(""), "Red"}})
        EXPECT_EQ(ColorForUnit(r), color) << r;
    const std::string_view names[] = {"Red", "Blue", "Green", "Yellow"};
    std::mt19937_64 rng(99);
    for (int i = 0; i < 200000; ++i) {
        const double edge = (i % 8) / 8.0;  // next to each boundary first
        const double r = i < 16 ? std::nextafter(edge, i < 8 ? 1.0 : 0.0) : std::ldexp(rng() >> 11, -53);
        ASSERT_EQ(ColorForUnit(r), names[static_cast<long>(std::nearbyint(r * 4)) % 4]) << r;
    }
    SeededRandomSource seeded(2024);
    std::map<std::string_view, int> counts;
    for (int i = 0; i < 40000; ++i)
        ++counts[DrawColor(seeded)];
    for (auto name : names)
        EXPECT_NEAR(counts[name], 10000, 500) << name;
}

// The clock text: two digits per field, the last two characters only.
TEST(ClockText, CTimeTable)
{
    for (auto [seconds, text] : {std::pair{0, "00:00:00"}, {59, "00:00:59"}, {60, "00:01:00"}, {120, "00:02:00"},
                                 {3599, "00:59:59"}, {3600, "01:00:00"}, {3660, "01:01:00"}, {7325, "02:02:05"},
                                 {360000, "00:00:00"}, {-1, "00:00:-1"}})
        EXPECT_EQ(CTime(seconds), text) << seconds;
}

using BoardInput = BoardTest;

// Pixels map to cells by whole 32-pixel steps; outside the board (or NaN) is no cell.
TEST_F(BoardInput, PixelToCell)
{
    std::tie(board.GameWidth, board.GameHeight) = std::tuple(16, 11);
    for (auto [X, Y, x, y] :
         {std::tuple{0.0, 0.0, 0, 0}, {31.0, 31.9, 0, 0}, {32.0, 64.0, 1, 2}, {543.0, 383.0, 16, 11}})
        EXPECT_EQ(board.CellAtPixel(X, Y), (CellCoord{x, y})) << X << "," << Y;
    for (auto [X, Y] : {std::pair{544.0, 0.0}, {0.0, 384.0}, {-0.5, 0.0}, {0.0, -1.0}, {1e30, 0.0}, {NAN, 0.0}})
        EXPECT_FALSE(board.CellAtPixel(X, Y)) << X << "," << Y;
}
