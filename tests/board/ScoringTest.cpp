#include "BoardPicture.h"

#include <limits>
#include <tuple>

namespace {
// A 17 x 12 board (GameWidth 16, GameHeight 11: A = 176, level 1 target 44) in
// a blue and red check, so it holds no group, with the letters of `bottom`
// laid over its bottom row where they are not blank.
std::string checkBoard(std::string_view bottom)
{
    std::string text;
    for (size_t y = 0; y < 12; ++y)
        for (size_t x = 0; x < 18; ++x)
            text += x == 17 ? '/' : y == 11 && x < bottom.size() && bottom[x] != ' ' ? bottom[x] : "BR"[(x + y) % 2];
    text.pop_back();
    return text;
}
}  // namespace

class Scoring : public BoardTest {
protected:
    void SetUp() override { board.LngTimeLeft = 100; }
    // Selects and removes the group whose brick is at (x, bottom row); what the removal did.
    Removal removeAt(int32_t x)
    {
        const ClickOutcome selection = board.ClickCell(x, board.GameHeight);
        EXPECT_TRUE(selection.selected >= 2 && !selection.removal);
        const ClickOutcome removal = board.ClickCell(x, board.GameHeight);
        EXPECT_TRUE(removal.clearCue && removal.removal);
        return removal.removal.value_or(Removal{});
    }
};

// One removal on the 17 x 12 board: counters and the removal's outcome, from literal values.
TEST_F(Scoring, RemovalTable)
{
    const int32_t max = std::numeric_limits<int32_t>::max();
    struct Row {
        const char* rule;
        const char* group;  // laid over the bottom row from column 0
        int32_t level, base, removed, best, score, levelAfter, baseAfter, removedAfter, bestAfter, scoreAfter, time;
        Removal outcome;
    };
    const Row table[] = {
        {"first removal of 4", "GGGG", 1, 0, 0, 0, 0, 1, 0, 4, 4, 12, 105,
         {.bricks = 4, .points = 12, .bestGroupMeetsGrouping = true, .bonusSeconds = 5, .clockAfterBonus = 105,
          .bricksForLevel = 40}},
        {"44 is not beyond 44", "GG", 1, 0, 42, 2, 0, 1, 0, 44, 2, 2, 105,
         {.bricks = 2, .points = 2, .bonusSeconds = 5, .clockAfterBonus = 105, .bricksForLevel = 0}},
        {"past the target: nothing, level 2", "GG", 1, 0, 44, 2, 2, 2, 0, 46, 0, 2, 130,
         {.bricks = 2, .pointsRefused = true, .newLevel = 2, .groupingNumber = 4, .bonusSeconds = 30,
          .clockAfterBonus = 130, .bricksForLevel = 42}},
        {"level-up by 3: no 5 seconds", "GGG", 1, 0, 42, 0, 0, 2, 0, 45, 0, 6, 130,
         {.bricks = 3, .points = 6, .bestGroupMeetsGrouping = true, .newLevel = 2, .groupingNumber = 4,
          .bonusSeconds = 30, .clockAfterBonus = 130, .bricksForLevel = 43}},
        {"level-up by 4: both bonuses", "GGGG", 1, 0, 42, 0, 0, 2, 0, 46, 0, 12, 135,
         {.bricks = 4, .points = 12, .bestGroupMeetsGrouping = true, .newLevel = 2, .groupingNumber = 4,
          .bonusSeconds = 35, .clockAfterBonus = 135, .bricksForLevel = 42}},
        {"granted before counting", "GGGGGGGGGG", 1, 0, 40, 0, 0, 2, 0, 50, 0, 90, 135,
         {.bricks = 10, .points = 90, .bestGroupMeetsGrouping = true, .newLevel = 2, .groupingNumber = 4,
          .bonusSeconds = 35, .clockAfterBonus = 135, .bricksForLevel = 38}},
        {"new best below the requirement", "GGG", 2, 0, 0, 0, 0, 2, 0, 3, 3, 6, 100,
         {.bricks = 3, .points = 6, .bestGroupMeetsGrouping = false, .bricksForLevel = 85}},
        {"level 2 past 88, small group", "GG", 2, 0, 88, 3, 0, 2, 0, 90, 3, 0, 100,
         {.bricks = 2, .pointsRefused = true, .bricksForLevel = -2}},
        {"then a group of 4 ends level 2", "GGGG", 2, 0, 90, 3, 0, 3, 44, 94, 0, 0, 130,
         {.bricks = 4, .pointsRefused = true, .bestGroupMeetsGrouping = true, .newLevel = 3, .groupingNumber = 6,
          .bonusSeconds = 30, .clockAfterBonus = 130, .bricksForLevel = 82}},
        {"score sum fits", "GG", 1, 1000, 0, 0, max - 2, 1, 1000, 2, 2, max, 105,
         {.bricks = 2, .points = 2, .bestGroupMeetsGrouping = true, .bonusSeconds = 5, .clockAfterBonus = 105,
          .bricksForLevel = 1042}},
        {"score overflow skipped", "GG", 1, 1000, 0, 0, max - 1, 1, 1000, 2, 2, max - 1, 105,
         {.bricks = 2, .points = 0, .bestGroupMeetsGrouping = true, .bonusSeconds = 5, .clockAfterBonus = 105,
          .bricksForLevel = 1042}},
        {"far from the target", "GG", 30, 0, 34086, 0, 0, 30, 0, 34088, 2, 0, 100,
         {.bricks = 2, .pointsRefused = true, .bestGroupMeetsGrouping = false, .bricksForLevel = -32768}},
    };
    for (const Row& r : table) {
        SCOPED_TRACE(r.rule);
        load(checkBoard(r.group));
        std::tie(board.LngLevel, board.LngLevelBase, board.LngBricksRemoved, board.LngBestGroup, board.LngScore) =
            std::tie(r.level, r.base, r.removed, r.best, r.score);
        board.LngTimeLeft = 100;
        random.Queue("YYYYYYYYYY");  // refills at a level-up
        EXPECT_EQ(removeAt(0), r.outcome);
        EXPECT_EQ(std::tie(board.LngLevel, board.LngLevelBase, board.LngBricksRemoved, board.LngBestGroup,
                           board.LngScore, board.LngTimeLeft),
                  std::tie(r.levelAfter, r.baseAfter, r.removedAfter, r.bestAfter, r.scoreAfter, r.time));
    }
}

// The 5 seconds and a level-up set the clock; the level-up's gaps are refilled after the fall.
TEST_F(Scoring, ClockAndRefillOfALevelUp)
{
    load(checkBoard("GGGG  GGG"));
    board.LngBricksRemoved = 40;
    EXPECT_EQ(removeAt(0).clockAfterBonus, 105);
    random.Queue("YYYYYYY");
    const Removal levelUp = removeAt(6);
    EXPECT_EQ(std::tuple(levelUp.clockAfterBonus, levelUp.newLevel, levelUp.groupingNumber),
              std::tuple(std::optional(135), std::optional(2), 4));
    EXPECT_EQ(picture().substr(0, 10), "YYYYBRYYYR");
    EXPECT_EQ(picture().find_first_of("._"), std::string::npos);
}

// A time bonus that would carry the clock past 32 bits is skipped, as an overflowing score is, and the other stands.
TEST_F(Scoring, TimeBonusOverflowSkipped)
{
    const int32_t max = std::numeric_limits<int32_t>::max();
    load(checkBoard("GG  GGGG"));
    board.LngTimeLeft = max - 4;
    const Removal skipped = removeAt(0);
    EXPECT_EQ(board.LngTimeLeft, max - 4);
    EXPECT_EQ(std::tuple(skipped.bonusSeconds, skipped.clockAfterBonus), std::tuple(0, std::optional(max - 4)));

    board.LngBricksRemoved = 42;
    board.LngTimeLeft = max - 29;
    random.Queue("YYYYYY");
    const Removal levelUp = removeAt(4);
    EXPECT_EQ(board.LngLevel, 2);
    EXPECT_EQ(board.LngTimeLeft, max - 24);
    EXPECT_EQ(levelUp.bonusSeconds, 5);
}

// On 3 x 3 cells (A = 4) and 3 x 2 (A = 2) a pair ends level 1, and level 2 asks for A / 3 rounded up (2 and 1),
// met by a pair.
TEST_F(Scoring, SmallestBoards)
{
    for (auto [before, after, grouping] : {std::tuple{"GGB/RBR/BRB", "YYB/RBR/BRB", 2}, {"GGB/RBR", "YYB/RBR", 1}}) {
        load(before);
        board.ResetCounters(100);
        random.Queue("YYRR");
        board.ClickCell(0, 0);
        const ClickOutcome first = board.ClickCell(0, 0);
        EXPECT_EQ(board.LngLevel, 2) << before;
        ASSERT_TRUE(first.removal) << before;
        EXPECT_EQ(first.removal->groupingNumber, grouping) << before;
        EXPECT_EQ(picture(), after);
        board.ClickCell(0, 0);
        board.ClickCell(0, 0);
        EXPECT_EQ(board.LngLevel, 3) << before;
    }
}

// The requirement is met at A / 3 exactly (A = 9, 6), and the number shown is the fewest bricks that meet it, one
// below it never does: A = 10 asks for 4 from level 2 on, and 17 x 12 (A / 3 = 58.67) for 58 at level 29, 59 after.
TEST_F(Scoring, GroupingNumberIsTheFewestBricksThatMeetTheRequirement)
{
    for (auto [width, height, level, number] : {std::tuple{5, 2, 1, 2}, {5, 2, 2, 4}, {5, 2, 9, 4}, {3, 3, 2, 3},
                                                {3, 2, 2, 2}, {16, 11, 29, 58}, {16, 11, 30, 59}}) {
        std::tie(board.GameWidth, board.GameHeight, board.LngLevel) = std::tie(width, height, level);
        EXPECT_EQ(board.GroupingNumber(), number) << width << " x " << height << " level " << level;
        for (const int32_t best : {number - 1, number}) {
            board.LngBestGroup = best;
            EXPECT_EQ(board.GroupingMet(), best == number) << width << " x " << height << " best " << best;
        }
    }
}

// A new game resets every counter; the bricks still needed come from the board's largest indices.
TEST_F(Scoring, NewGameCounters)
{
    std::tie(board.GameWidth, board.GameHeight) = std::tuple(16, 11);
    std::tie(board.LngScore, board.LngLevel, board.LngLevelBase, board.LngSelected, board.LngBestGroup,
             board.LngBricksRemoved) = std::tuple(50, 4, 44, 3, 7, 100);
    board.ResetCounters(120);
    EXPECT_EQ(std::tie(board.LngTimeLeft, board.LngLevel, board.LngScore, board.LngLevelBase, board.LngSelected,
                       board.LngBestGroup, board.LngBricksRemoved),
              std::tuple(120, 1, 0, 0, 0, 0, 0));
    for (auto [width, height, left] :
         {std::tuple{16, 11, 44.0}, {17, 10, 42.5}, {2, 65533, 32766.5}, {999, 999, 249500.25}}) {
        std::tie(board.GameWidth, board.GameHeight) = std::tie(width, height);
        board.ResetCounters(60);
        EXPECT_EQ(board.BricksForLevel(), left) << height;
    }
}
