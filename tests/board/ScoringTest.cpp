#include "BoardPicture.h"

#include <cstdint>
#include <limits>
#include <map>

namespace {
const std::string kGroupingText =
    "When this text turns green you have aquired the minimum Grouping score for your level. Each level has a "
    "minimum number of bricks that must be grouped together. The grouping number for your level is\r\n";

// A 17 x 12 board (GameWidth 16, GameHeight 11) in a red and blue check
// pattern, so it holds no group, with groups laid over its bottom row:
// column -> letter (G or Y).
std::string checkBoard(const std::map<int, char>& bottom)
{
    std::string text;
    for (int y = 0; y < 12; ++y) {
        if (y)
            text += '/';
        for (int x = 0; x < 17; ++x) {
            char letter = (x + y) % 2 ? 'R' : 'B';
            if (y == 11 && bottom.count(x))
                letter = bottom.at(x);
            text += letter;
        }
    }
    return text;
}

std::map<int, char> run(int from, int count, char letter, std::map<int, char> more = {})
{
    for (int x = from; x < from + count; ++x)
        more[x] = letter;
    return more;
}
}  // namespace

class Scoring : public BoardTest {
protected:
    void SetUp() override { board.LngTimeLeft = 100; }
    // Selects and removes the group whose brick is at (x, bottom row).
    void removeAt(int32_t x)
    {
        ASSERT_TRUE(board.ClickCell(x, 11));
        ASSERT_GE(board.LngSelected, 2);
        ASSERT_TRUE(board.ClickCell(x, 11));
    }
    std::string nextLevel() const { return board.labels.lblNextLvl.caption; }
};

// The worked first removal of four bricks on the default board.
TEST_F(Scoring, FirstRemovalOfFour)
{
    load(checkBoard(run(0, 4, 'G')));
    removeAt(0);
    EXPECT_EQ(board.LngScore, 12);
    EXPECT_EQ(board.LngBricksRemoved, 4);
    EXPECT_EQ(board.LngBestGroup, 4);
    EXPECT_EQ(board.labels.lblMinmumBlock.color, kColorGreen);
    EXPECT_EQ(nextLevel(), "Bricks For Level\r\n40");
    EXPECT_EQ(board.LngTimeLeft, 105);
    EXPECT_EQ(board.labels.lblTime.caption, "00:01:45");
    EXPECT_EQ(board.LngSelected, 0);
}

// Points per group are n * (n - 1).
TEST_F(Scoring, PointsPerGroupSize)
{
    for (auto [n, points] : {std::pair{2, 2}, {3, 6}, {10, 90}, {17, 272}}) {
        load(checkBoard(run(0, n, 'Y')));
        board.LngScore = 0;
        board.LngBricksRemoved = 0;
        board.LngLevelBase = 1000;
        removeAt(0);
        EXPECT_EQ(board.LngScore, points) << n;
    }
}

// Reaching the target exactly is not beyond it; the next removal earns nothing and ends the level.
TEST_F(Scoring, TargetReachedExactly)
{
    load(checkBoard(run(0, 2, 'G', run(10, 2, 'Y'))));
    board.LngBricksRemoved = 42;
    board.LngBestGroup = 2;
    removeAt(0);
    EXPECT_EQ(board.LngLevel, 1);
    EXPECT_EQ(board.LngScore, 2);
    EXPECT_EQ(nextLevel(), "Bricks For Level\r\n0");

    random.Queue("RRRR");  // the level-up refills the gaps of both removals
    removeAt(10);
    EXPECT_EQ(board.LngScore, 2);
    EXPECT_EQ(board.LngLevel, 2);
    EXPECT_EQ(board.labels.lblScore.color, kColorBlack);
    EXPECT_EQ(board.LngBricksRemoved, 46);
}

// Level 1 to 2 by a group of 3: base 0, +30 s, no +5 s, grouping 4, target 88, refill after the fall.
TEST_F(Scoring, LevelUpByThree)
{
    load(checkBoard(run(0, 3, 'G')));
    board.LngBricksRemoved = 42;
    random.Queue("YYY");
    removeAt(0);
    EXPECT_EQ(board.LngLevel, 2);
    EXPECT_EQ(board.LngLevelBase, 0);
    EXPECT_EQ(board.LngScore, 6);
    EXPECT_EQ(board.LngBestGroup, 0);
    EXPECT_EQ(board.labels.lblLevel.caption, "Level: 2");
    EXPECT_EQ(board.labels.lblMinmumBlock.caption, kGroupingText + "4");
    EXPECT_EQ(board.labels.lblMinmumBlock.color, kColorRed);
    EXPECT_EQ(board.LngTimeLeft, 130);
    EXPECT_EQ(board.labels.lblTime.caption, "00:02:10");
    EXPECT_EQ(board.LevelTarget(), 88.0);
    EXPECT_EQ(nextLevel(), "Bricks For Level\r\n43");
    const std::string after = picture();
    EXPECT_EQ(after.substr(0, 4), "YYYR");        // new bricks on top
    EXPECT_EQ(after.substr(11 * 18, 4), "BRBB");  // the check fell one row
    EXPECT_EQ(after.find_first_of("._"), std::string::npos);
}

// A level-up by a group that also meets the new level's size earns both bonuses.
TEST_F(Scoring, LevelUpByFourGetsBothBonuses)
{
    load(checkBoard(run(0, 4, 'G')));
    board.LngBricksRemoved = 42;
    random.Queue("YYYY");
    removeAt(0);
    EXPECT_EQ(board.LngLevel, 2);
    EXPECT_EQ(board.LngTimeLeft, 135);
}

// Past the level-2 target small groups earn nothing; a group of 4 ends the level with base 44, target 176.
TEST_F(Scoring, LevelTwoWithSmallGroupsOnly)
{
    load(checkBoard(run(0, 2, 'G', run(3, 3, 'Y', run(7, 4, 'G')))));
    board.LngLevel = 2;
    board.LngBricksRemoved = 86;
    board.LngBestGroup = 3;
    removeAt(0);
    EXPECT_EQ(board.LngScore, 2);
    EXPECT_EQ(nextLevel(), "Bricks For Level\r\n0");
    EXPECT_EQ(board.labels.lblScore.color, kColorBlack);

    removeAt(3);
    EXPECT_EQ(board.LngScore, 2);
    EXPECT_EQ(board.LngLevel, 2);
    EXPECT_EQ(board.labels.lblScore.color, kColorRed);
    EXPECT_EQ(nextLevel(), "Bricks For Level\r\n-3");

    random.Queue(std::string(9, 'B'));
    removeAt(7);
    EXPECT_EQ(board.LngScore, 2);
    EXPECT_EQ(board.LngLevel, 3);
    EXPECT_EQ(board.LngLevelBase, 44);
    EXPECT_EQ(board.LevelTarget(), 176.0);
    EXPECT_EQ(nextLevel(), "Bricks For Level\r\n81");
    EXPECT_EQ(board.LngTimeLeft, 130);  // 4 < 6: no 5 seconds
}

// On 3 x 3 cells (A = 4, target 1) the first removal ends level 1 and level 2 asks for a group of 1.
TEST_F(Scoring, SmallestBoard)
{
    load("GGB/RBR/BRB");
    random.Queue("YY");
    board.ClickCell(0, 0);
    board.ClickCell(0, 0);
    EXPECT_EQ(board.LngLevel, 2);
    EXPECT_EQ(board.GroupingNumber(), 1);
    EXPECT_EQ(board.labels.lblMinmumBlock.caption, kGroupingText + "1");
    EXPECT_EQ(picture(), "YYB/RBR/BRB");

    board.LngBricksRemoved = 0;  // keep level 2 open
    board.ClickCell(0, 0);
    board.ClickCell(0, 0);
    EXPECT_EQ(board.LngLevel, 2);
    EXPECT_EQ(board.labels.lblMinmumBlock.color, kColorGreen);
}

// The score is granted before the removed bricks are counted.
TEST_F(Scoring, ScoreBeforeCounting)
{
    load(checkBoard(run(0, 10, 'G')));
    board.LngBricksRemoved = 40;
    random.Queue(std::string(10, 'Y'));
    removeAt(0);
    EXPECT_EQ(board.LngScore, 90);
    EXPECT_EQ(board.LngBricksRemoved, 50);
}

// lblMinmumBlock: red for a new best below the requirement, unchanged for a group no larger than the best.
TEST_F(Scoring, MinimumBlockColour)
{
    load(checkBoard(run(0, 4, 'G', run(6, 2, 'Y'))));
    board.LngLevel = 3;
    removeAt(0);
    EXPECT_EQ(board.labels.lblMinmumBlock.color, kColorRed);
    board.labels.lblMinmumBlock.color = kColorGreen;
    removeAt(6);
    EXPECT_EQ(board.labels.lblMinmumBlock.color, kColorGreen);
    EXPECT_EQ(board.LngBestGroup, 4);
}

// A score sum that would overflow 32 bits is skipped; the removal goes on.
TEST_F(Scoring, ScoreOverflowIsSkipped)
{
    const int32_t max = std::numeric_limits<int32_t>::max();
    for (auto [before, after] : {std::pair{max - 2, max}, {max - 1, max - 1}, {max, max}}) {
        load(checkBoard(run(0, 2, 'G')));
        board.LngLevelBase = 1000;
        board.LngScore = before;
        board.LngBricksRemoved = 0;
        removeAt(0);
        EXPECT_EQ(board.LngScore, after) << before;
        EXPECT_EQ(board.LngBricksRemoved, 2);
        EXPECT_EQ(nextLevel(), "Bricks For Level\r\n1042");
    }
}

// lblNextLvl holds 16 bits: a count that does not fit leaves the old caption.
TEST_F(Scoring, NextLevelCaptionSixteenBits)
{
    struct Case {
        int32_t base;
        int32_t removedBefore;
        int32_t level;
        std::string caption;
    };
    // After a group of 2 the count is 44 * level + base - removedBefore - 2.
    for (const Case& c : {Case{32726, 0, 1, "old"}, Case{32725, 0, 1, "Bricks For Level\r\n32767"},
                          Case{0, 34086, 30, "Bricks For Level\r\n-32768"}, Case{0, 34087, 30, "old"}}) {
        load(checkBoard(run(0, 2, 'G')));
        board.labels.lblNextLvl.caption = "old";
        board.LngLevelBase = c.base;
        board.LngBricksRemoved = c.removedBefore;
        board.LngLevel = c.level;
        removeAt(0);
        EXPECT_EQ(nextLevel(), c.caption) << c.base << " " << c.removedBefore;
    }
}

// Halves round to the even neighbour before the 16-bit check.
TEST_F(Scoring, NextLevelCaptionRoundsHalfToEven)
{
    // 3 x 2 cells: A = 2, so T = 0.5 + base.
    for (auto [base, caption] : {std::pair{32769, "old"}, {32768, "Bricks For Level\r\n32766"},
                                 {10, "Bricks For Level\r\n8"}, {11, "Bricks For Level\r\n10"}}) {
        load("GGB/BRG");
        board.LngBricksRemoved = 0;
        board.labels.lblNextLvl.caption = "old";
        board.LngLevelBase = base;
        board.ClickCell(0, 0);
        board.ClickCell(0, 0);
        EXPECT_EQ(nextLevel(), caption) << base;
    }
}

// A new game's counters and captions; lblMinmumBlock keeps its colour.
TEST_F(Scoring, ResetCountersForNewGame)
{
    board.GameWidth = 16;
    board.GameHeight = 11;
    board.LngScore = 50;
    board.LngLevel = 4;
    board.LngLevelBase = 44;
    board.LngSelected = 3;
    board.LngBestGroup = 7;
    board.LngBricksRemoved = 100;
    board.labels.lblScore.color = kColorRed;
    board.labels.lblMinmumBlock.color = kColorGreen;
    board.ResetCounters(120);
    EXPECT_EQ(board.LngTimeLeft, 120);
    EXPECT_EQ(board.labels.lblTime.caption, "00:02:00");
    EXPECT_EQ(board.LngLevel, 1);
    EXPECT_EQ(board.LngScore + board.LngLevelBase + board.LngSelected + board.LngBestGroup + board.LngBricksRemoved,
              0);
    EXPECT_EQ(board.labels.lblScore, (LabelState{"0", kColorBlack}));
    EXPECT_EQ(board.labels.lblLevel.caption, "Level: 1");
    EXPECT_EQ(nextLevel(), "Bricks For Level\r\n44");
    EXPECT_EQ(board.labels.lblMinmumBlock, (LabelState{kGroupingText + "2", kColorGreen}));

    board.GameWidth = 15;
    board.GameHeight = 10;
    board.ResetCounters(60);
    EXPECT_EQ(nextLevel(), "Bricks For Level\r\n38");  // 37.5 rounds to even

    board.GameWidth = 999;
    board.GameHeight = 999;
    board.ResetCounters(60);
    EXPECT_EQ(nextLevel(), "Bricks For Level\r\n38");  // 249500 does not fit
}
