#include "Bricks.h"
#include "CellKey.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// A collection filled like a board: column by column, each under its cell key.
Bricks board(int32_t columns, int32_t rows)
{
    Bricks bricks;
    for (int32_t x = 0; x < columns; ++x)
        for (int32_t y = 0; y < rows; ++y)
            bricks.Add(false, "Red", y, x, CellKey(x, y));
    return bricks;
}

// Every key still present finds a brick of its own cell, at the position
// that the walk in position order gives it.
void expectKeysMatchPositions(const Bricks& bricks)
{
    int32_t position = 1;
    for (const Brick& brick : bricks) {
        const std::string key = CellKey(brick.LngX, brick.LngY);
        ASSERT_EQ(bricks.Item(key), &brick) << key;
        ASSERT_EQ(bricks.Item(position), &brick) << key;
        ASSERT_EQ(bricks.ItemByXY(brick.LngX, brick.LngY), &brick) << key;
        ++position;
    }
    EXPECT_EQ(position - 1, bricks.Count());
}
}  // namespace

// The cell key is X, column, Y, row, with no padding.
TEST(CellKeys, SpellColumnThenRow)
{
    EXPECT_EQ(CellKey(12, 3), "X12Y3");
    EXPECT_EQ(CellKey(0, 0), "X0Y0");
    EXPECT_EQ(CellKey(1, 12), "X1Y12");
    EXPECT_EQ(CellKey(11, 2), "X11Y2");
}

// Only the exact text CellKey makes names a cell; look-alikes are plain keys.
TEST(CellKeys, ParseOnlyCanonicalText)
{
    EXPECT_EQ(ParseCellKey("X11Y2"), (CellCoord{11, 2}));
    EXPECT_EQ(ParseCellKey("X2147483647Y0"), (CellCoord{2147483647, 0}));
    for (const char* key : {"X01Y2", "X1Y02", "X+1Y2", "X-1Y2", "X1Y-2", "x1y2", "X1Y2 ", " X1Y2", "X1Y", "XY2",
                            "X1Z2", "X1YY2", "X2147483648Y0", "Y2X1", ""})
        EXPECT_FALSE(ParseCellKey(key)) << key;
}

// Generation order: the brick of (x, y) is at position x * rows + y + 1.
TEST(BrickCollection, PositionsFollowInsertionOrder)
{
    const Bricks bricks = board(3, 3);
    ASSERT_EQ(bricks.Count(), 9);
    EXPECT_EQ(bricks.Item(1), bricks.Item("X0Y0"));
    EXPECT_EQ(bricks.Item(3), bricks.Item("X0Y2"));
    EXPECT_EQ(bricks.Item(4), bricks.Item("X1Y0"));
    EXPECT_EQ(bricks.Item(9), bricks.ItemByXY(2, 2));
}

// X1Y12 and X11Y2 are different cells and must not collide.
TEST(BrickCollection, SimilarKeysStayApart)
{
    Bricks bricks;
    bricks.Add(false, "Red", 12, 1, "X1Y12");
    bricks.Add(false, "Blue", 2, 11, "X11Y2");
    EXPECT_EQ(bricks.ItemByXY(1, 12)->StrColor, "Red");
    EXPECT_EQ(bricks.ItemByXY(11, 2)->StrColor, "Blue");
}

// Add stores the fields as given, with the row before the column.
TEST(BrickCollection, AddTakesRowBeforeColumn)
{
    Bricks bricks;
    const Brick& brick = bricks.Add(true, "Green", 7, 3, "X3Y7");
    EXPECT_EQ(brick.LngX, 3);
    EXPECT_EQ(brick.LngY, 7);
    EXPECT_EQ(brick.StrColor, "Green");
    EXPECT_TRUE(brick.BlnHighLighted);
    EXPECT_EQ(bricks.LngMaxX, 3);
    EXPECT_EQ(bricks.LngMaxY, 7);
}

// A brick added without a key is reachable by position only.
TEST(BrickCollection, UnkeyedBrickOnlyByPosition)
{
    Bricks bricks;
    bricks.Add(false, "Red", 0, 0, "X0Y0");
    bricks.Add(false, "Blue", 1, 1);
    EXPECT_EQ(bricks.Item(2)->StrColor, "Blue");
    EXPECT_EQ(bricks.Item("X1Y1"), nullptr);
    EXPECT_THROW(bricks.ItemByXY(1, 1), BricksError);
}

// A duplicate key is refused and changes nothing, not even LngMaxX/LngMaxY.
TEST(BrickCollection, DuplicateAddChangesNothing)
{
    Bricks bricks = board(2, 2);
    EXPECT_THROW(bricks.Add(true, "Blue", 50, 40, "X1Y1"), BricksError);
    EXPECT_EQ(bricks.Count(), 4);
    EXPECT_EQ(bricks.LngMaxX, 1);
    EXPECT_EQ(bricks.LngMaxY, 1);
    EXPECT_EQ(bricks.Item("X1Y1")->StrColor, "Red");
    EXPECT_EQ(bricks.Item("X1Y1")->LngX, 1);

    bricks.Add(false, "Red", 0, 0, "other");
    EXPECT_THROW(bricks.Add(false, "Red", 0, 0, "other"), BricksError);
    EXPECT_EQ(bricks.Count(), 5);
}

// Missing keys and positions outside 1..Count give none from Item.
TEST(BrickCollection, ItemMissesGiveNull)
{
    const Bricks bricks = board(2, 2);
    EXPECT_EQ(bricks.Item(0), nullptr);
    EXPECT_EQ(bricks.Item(-1), nullptr);
    EXPECT_EQ(bricks.Item(5), nullptr);
    EXPECT_EQ(bricks.Item("X2Y0"), nullptr);
    EXPECT_EQ(bricks.Item(""), nullptr);
}

// ItemByXY: none outside 0..LngMaxX, 0..LngMaxY, an error inside it without a brick.
TEST(BrickCollection, ItemByXYRange)
{
    Bricks bricks;
    bricks.Add(false, "Red", 0, 0, "X0Y0");
    bricks.Add(false, "Red", 4, 3, "X3Y4");
    EXPECT_EQ(bricks.ItemByXY(-1, 0), nullptr);
    EXPECT_EQ(bricks.ItemByXY(0, -1), nullptr);
    EXPECT_EQ(bricks.ItemByXY(bricks.LngMaxX + 1, 0), nullptr);
    EXPECT_EQ(bricks.ItemByXY(0, bricks.LngMaxY + 1), nullptr);
    EXPECT_THROW(bricks.ItemByXY(2, 2), BricksError);
    EXPECT_THROW(bricks.ItemByXY(3, 0), BricksError);
    EXPECT_NE(bricks.ItemByXY(3, 4), nullptr);
}

// Remove of a missing key or a position outside 1..Count is the caller's error.
TEST(BrickCollection, BadRemoveIsAnError)
{
    Bricks bricks = board(2, 2);
    EXPECT_THROW(bricks.Remove(0), BricksError);
    EXPECT_THROW(bricks.Remove(5), BricksError);
    EXPECT_THROW(bricks.Remove("X5Y5"), BricksError);
    EXPECT_THROW(bricks.Remove("X01Y1"), BricksError);
    EXPECT_EQ(bricks.Count(), 4);
    expectKeysMatchPositions(bricks);
}

// Removing middle positions shifts the later bricks and keeps every key right.
TEST(BrickCollection, RemoveInTheMiddleKeepsLookups)
{
    Bricks bricks = board(4, 4);
    bricks.Remove(6);  // X1Y1
    EXPECT_EQ(bricks.Count(), 15);
    EXPECT_EQ(bricks.Item("X1Y1"), nullptr);
    EXPECT_THROW(bricks.ItemByXY(1, 1), BricksError);
    EXPECT_EQ(bricks.Item(6), bricks.Item("X1Y2"));
    bricks.Remove("X2Y0");
    bricks.Remove(1);
    bricks.Remove(1);
    bricks.Remove(bricks.Count());
    bricks.Remove(7);
    EXPECT_EQ(bricks.Count(), 10);
    expectKeysMatchPositions(bricks);
    EXPECT_EQ(bricks.Item(1), bricks.Item("X0Y2"));
}

// Popping from the front across many bricks stays consistent with the keys.
TEST(BrickCollection, ManyFrontRemovalsThenMiddle)
{
    Bricks bricks = board(100, 50);
    for (int i = 0; i < 3000; ++i)
        bricks.Remove(1);
    EXPECT_EQ(bricks.Count(), 2000);
    EXPECT_EQ(bricks.Item(1), bricks.Item("X60Y0"));
    EXPECT_EQ(bricks.Item("X59Y49"), nullptr);
    EXPECT_THROW(bricks.ItemByXY(10, 10), BricksError);
    bricks.Remove(1000);
    bricks.Remove("X99Y49");
    expectKeysMatchPositions(bricks);
    EXPECT_EQ(bricks.Count(), 1998);
}

// A removed key can be added again; it goes to the end of the order.
TEST(BrickCollection, ReAddAfterRemove)
{
    Bricks bricks = board(3, 3);
    bricks.Remove(1);
    bricks.Remove("X1Y1");
    bricks.Add(false, "Blue", 0, 0, "X0Y0");
    bricks.Add(false, "Blue", 1, 1, "X1Y1");
    EXPECT_EQ(bricks.Count(), 9);
    EXPECT_EQ(bricks.Item(8), bricks.Item("X0Y0"));
    EXPECT_EQ(bricks.Item(9)->StrColor, "Blue");
    expectKeysMatchPositions(bricks);
}

// Emptying keeps LngMaxX/LngMaxY; a smaller refill answers with errors in the old range.
TEST(BrickCollection, EmptyAndRefillSmaller)
{
    Bricks bricks = board(6, 5);
    while (bricks.Count() > 0)
        bricks.Remove(1);
    EXPECT_EQ(bricks.LngMaxX, 5);
    EXPECT_EQ(bricks.LngMaxY, 4);
    EXPECT_THROW(bricks.ItemByXY(0, 0), BricksError);
    EXPECT_EQ(bricks.begin(), bricks.end());

    for (int32_t x = 0; x < 3; ++x)
        for (int32_t y = 0; y < 2; ++y)
            bricks.Add(false, "Yellow", y, x, CellKey(x, y));
    EXPECT_EQ(bricks.Count(), 6);
    EXPECT_EQ(bricks.LngMaxX, 5);
    EXPECT_THROW(bricks.ItemByXY(4, 4), BricksError);
    EXPECT_EQ(bricks.ItemByXY(6, 0), nullptr);
    EXPECT_EQ(bricks.Item("X5Y4"), nullptr);
    expectKeysMatchPositions(bricks);
}

// Look-alike keys are ordinary keys: no collision with the cell key.
TEST(BrickCollection, NonCanonicalKeysAreOrdinary)
{
    Bricks bricks;
    bricks.Add(false, "Red", 2, 1, "X1Y2");
    bricks.Add(false, "Blue", 2, 1, "X01Y2");
    bricks.Add(false, "Green", 2, 1, "X1Y2 ");
    bricks.Add(false, "Yellow", -2, -1, "X-1Y-2");
    EXPECT_EQ(bricks.Count(), 4);
    EXPECT_EQ(bricks.ItemByXY(1, 2)->StrColor, "Red");
    EXPECT_EQ(bricks.Item("X01Y2")->StrColor, "Blue");
    bricks.Remove("X1Y2");
    EXPECT_THROW(bricks.ItemByXY(1, 2), BricksError);
    EXPECT_EQ(bricks.Item("X1Y2 ")->StrColor, "Green");
    EXPECT_EQ(bricks.Item("X-1Y-2")->StrColor, "Yellow");
}

// A far-away cell key works without a grid the size of the range.
TEST(BrickCollection, FarAwayCellKeys)
{
    Bricks bricks = board(10, 10);
    bricks.Add(false, "Blue", 2000000000, 2147483647, "X2147483647Y2000000000");
    bricks.Add(false, "Green", 7, 1000000, "X1000000Y7");
    EXPECT_EQ(bricks.LngMaxX, 2147483647);
    EXPECT_EQ(bricks.ItemByXY(2147483647, 2000000000)->StrColor, "Blue");
    EXPECT_EQ(bricks.ItemByXY(1000000, 7)->StrColor, "Green");
    EXPECT_THROW(bricks.ItemByXY(500, 500), BricksError);
    EXPECT_LT(bricks.MemoryUsage(), 1u << 20);

    // More cells later may widen the index past a parked key; it must stay found.
    for (int32_t x = 10; x < 400; ++x)
        for (int32_t y = 0; y < 10; ++y)
            bricks.Add(false, "Red", y, x, CellKey(x, y));
    bricks.Remove(1);
    expectKeysMatchPositions(bricks);
}

// A parked key whose brick was popped must not shadow the cell's new brick.
TEST(BrickCollection, PoppedParkedKeyDoesNotComeBack)
{
    Bricks bricks;
    bricks.Add(false, "Blue", 300, 300, "X300Y300");
    bricks.Add(false, "Red", 0, 0, "X0Y0");
    bricks.Remove(1);
    EXPECT_THROW(bricks.ItemByXY(300, 300), BricksError);
    for (int32_t x = 0; x <= 300; ++x)
        for (int32_t y = 0; y <= 300; ++y)
            if (x + y > 0)
                bricks.Add(false, "Green", y, x, CellKey(x, y));
    EXPECT_EQ(bricks.ItemByXY(300, 300)->StrColor, "Green");
    expectKeysMatchPositions(bricks);
}

// A new, empty collection's range is the single cell (0, 0), which has no brick.
TEST(BrickCollection, NewCollectionHasNoCell)
{
    const Bricks bricks;
    EXPECT_EQ(bricks.Count(), 0);
    EXPECT_THROW(bricks.ItemByXY(0, 0), BricksError);
    EXPECT_EQ(bricks.ItemByXY(1, 0), nullptr);
}

// AddAtCell is Add under the cell key: same duplicate rule and lookups; negative cells get a plain key.
TEST(BrickCollection, AddAtCellIsAddUnderTheCellKey)
{
    Bricks bricks;
    bricks.AddAtCell(false, "Red", 3, 2);
    EXPECT_EQ(bricks.Item("X2Y3"), bricks.Item(1));
    EXPECT_THROW(bricks.AddAtCell(false, "Blue", 3, 2), BricksError);
    EXPECT_THROW(bricks.Add(false, "Blue", 0, 0, "X2Y3"), BricksError);
    bricks.AddAtCell(false, "Green", 0, -1);
    EXPECT_EQ(bricks.Item("X-1Y0")->StrColor, "Green");
    EXPECT_EQ(bricks.Count(), 2);
    EXPECT_EQ(bricks.LngMaxX, 2);
}

// Removing position 1 and adding at the end forever keeps lookups right and memory bounded.
TEST(BrickCollection, RotatingThroughTheFront)
{
    Bricks bricks = board(10, 10);
    for (int32_t i = 0; i < 20000; ++i) {
        bricks.Remove(1);
        bricks.AddAtCell(false, "Red", i % 10, 10 + i / 10);
    }
    EXPECT_EQ(bricks.Count(), 100);
    EXPECT_EQ(bricks.Item(1), bricks.Item("X2000Y0"));
    EXPECT_EQ(bricks.Item("X1999Y9"), nullptr);
    expectKeysMatchPositions(bricks);
    EXPECT_LT(bricks.MemoryUsage(), 200u * 1024);
}
