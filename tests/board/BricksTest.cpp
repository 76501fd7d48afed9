#include "Bricks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

// The cell key is X, column, Y, row, unpadded; the Y keeps X1Y12 and X11Y2 apart.
TEST(BrickCollection, CellKeySpelling)
{
    for (auto [x, y, key] : {std::tuple{12, 3, "X12Y3"}, {0, 0, "X0Y0"}, {1, 12, "X1Y12"}, {11, 2, "X11Y2"}})
        EXPECT_EQ(CellKey(x, y), key);
}

// Through any mix of adds and removes the collection answers as a plain list of keyed bricks would.
TEST(BrickCollection, MatchesAPlainList)
{
    // Look-alikes of cell keys are plain keys; "" adds without a key.
    const std::string odd[] = {"", "X01Y2", "X1Y02", "X+1Y2", "x1y2", "X1Y", "X1Y2 ", "X2147483648Y0", "X-1Y-2", "Q1Y2"};
    std::mt19937 rng(5);
    auto pick = [&](size_t n) { return static_cast<int32_t>(rng() % n); };
    for (int round = 0; round < 30; ++round) {
        Bricks bricks;
        std::vector<std::pair<std::string, Brick>> list;
        int32_t maxX = 0, maxY = 0;
        const int32_t side = 6 + 3 * round, adds = 3 + round % 5;  // small rounds collide, large ones grow the index
        auto find = [&](const std::string& key) {
            return std::find_if(list.begin(), list.end(), [&](auto& e) { return !key.empty() && e.first == key; });
        };
        for (int op = 0; op < 600; ++op) {
            const int32_t x = pick(side), y = pick(side), kind = pick(10);
            const int32_t position = pick(3) ? 1 : pick(list.size() + 2);
            std::string key = pick(6) ? CellKey(x, y) : odd[pick(std::size(odd))];
            if (kind >= adds && kind < 8) {  // by position, mostly 1 as a new game does; 0 and Count + 1 are errors
                if (position < 1 || position > static_cast<int32_t>(list.size()))
                    ASSERT_THROW(bricks.Remove(position), BricksError);
                else
                    bricks.Remove(position), list.erase(list.begin() + position - 1);
            } else if (kind >= adds) {
                key = list.empty() || !pick(4) ? key : list[pick(list.size())].first;
                if (const auto it = find(key); it == list.end())
                    ASSERT_THROW(bricks.Remove(key), BricksError) << key;
                else
                    bricks.Remove(key), list.erase(it);
            } else if (find(key) != list.end()) {
                ASSERT_THROW(bricks.Add(true, "dup", 99, 99, key), BricksError) << key;
            } else {
                const std::string color = std::to_string(op);
                const Brick& added = key == CellKey(x, y) && pick(2) ? bricks.AddAtCell(op % 2, color, y, x)
                                                                     : bricks.Add(op % 2, color, y, x, key);
                list.emplace_back(key, added);
                std::tie(maxX, maxY) = std::tuple(std::max(maxX, x), std::max(maxY, y));
            }

            ASSERT_EQ(std::tuple(bricks.Count(), bricks.LngMaxX, bricks.LngMaxY),
                      std::tuple(static_cast<int32_t>(list.size()), maxX, maxY));
            int32_t at = 0;
            for (const Brick& brick : bricks) {
                const auto& [key, b] = list.at(at++);
                ASSERT_EQ(bricks.Item(at), &brick);
                ASSERT_EQ(std::tie(brick.StrColor, brick.LngX, brick.LngY, brick.BlnHighLighted),
                          std::tie(b.StrColor, b.LngX, b.LngY, b.BlnHighLighted));
                ASSERT_EQ(bricks.Item(key), key.empty() ? nullptr : &brick) << key;
            }
            ASSERT_EQ(at, bricks.Count());
            ASSERT_TRUE(bricks.Item(0) == nullptr && bricks.Item(at + 1) == nullptr);
            const int32_t cx = pick(side + 2) - 1, cy = pick(side + 2) - 1;  // a cell in or around the range
            if (const auto it = find(CellKey(cx, cy)); cx < 0 || cy < 0 || cx > maxX || cy > maxY)
                ASSERT_EQ(bricks.ItemByXY(cx, cy), nullptr) << cx << "," << cy;
            else if (it == list.end())
                ASSERT_THROW(bricks.ItemByXY(cx, cy), BricksError) << cx << "," << cy;
            else
                ASSERT_EQ(bricks.ItemByXY(cx, cy)->StrColor, it->second.StrColor) << cx << "," << cy;
        }
    }
}

// Far-away cell keys must not grow an index of their size, and a popped key must not shadow its cell's new brick.
TEST(BrickCollection, FarAwayCellKeys)
{
    Bricks far;
    far.AddAtCell(false, "Green", 0, 1000000);
    far.Add(false, "Blue", 2000000000, 2147483647, "X2147483647Y2000000000");
    EXPECT_LT(far.MemoryUsage(), 1u << 20);
    EXPECT_EQ(far.ItemByXY(1000000, 0)->StrColor, "Green");
    EXPECT_EQ(far.ItemByXY(2147483647, 2000000000)->StrColor, "Blue");

    Bricks bricks;
    bricks.Add(false, "Gone", 300, 300, "X300Y300");
    bricks.Add(false, "Yellow", 7, 299, "X299Y7");
    bricks.Remove(1);
    EXPECT_THROW(bricks.ItemByXY(300, 300), BricksError);
    for (int32_t x = 0; x <= 300; ++x)
        for (int32_t y = 0; y <= 300; ++y)
            if (x != 299 || y != 7)
                bricks.AddAtCell(false, "Red", y, x);
    EXPECT_EQ(bricks.ItemByXY(299, 7)->StrColor, "Yellow");
    EXPECT_EQ(bricks.ItemByXY(300, 300)->StrColor, "Red");
}

// Removing position 1 while adding at the end keeps lookups right and memory bounded.
TEST(BrickCollection, RotatingThroughTheFront)
{
    Bricks bricks;
    for (int32_t i = 0; i < 20100; ++i) {
        bricks.AddAtCell(false, "Red", i % 10, i / 10);
        if (i >= 100)
            bricks.Remove(1);
    }
    EXPECT_EQ(bricks.Item(1), bricks.Item("X2000Y0"));
    EXPECT_EQ(bricks.Item("X1999Y9"), nullptr);
    EXPECT_LT(bricks.MemoryUsage(), 200u * 1024);

    // Keys too far out for the cell index must not pile up once their bricks are gone.
    Bricks far;
    for (int32_t i = 0; i < 20000; ++i) {
        far.AddAtCell(false, "Blue", 0, 100000000 + i);
        if (i >= 2)
            far.Remove(1);
    }
    EXPECT_EQ(far.ItemByXY(100019999, 0)->StrColor, "Blue");
    EXPECT_LT(far.MemoryUsage(), 64u * 1024);
}
