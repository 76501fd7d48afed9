#include "BoardPicture.h"

#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <utility>

using Generation = BoardTest;

// Generation fills column by column in draw order, skips taken cells, and still knows every flag it kept.
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
    Bricks one;
    one.Add(true, "Yellow", 1, 0, "X0Y1");
    board.Replace(std::move(one));
    board.GameWidth = board.GameHeight = 1;
    board.GenTiles();
    EXPECT_EQ(picture(), "GB/yR");
    EXPECT_EQ(board.bricks().Count(), 4);
    EXPECT_EQ(random.Left(), 0u);
    board.UnHighlightAll();
    EXPECT_EQ(picture(), "GB/YR");
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
