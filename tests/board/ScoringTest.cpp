#include "BoardPicture.h"

#include <limits>
#include <tuple>

namespace {
const std::string kGrouping =
    "When this text turns green you have aquired the minimum Grouping score for your level. Each level has a "
    "minimum number of bricks that must be grouped together. The grouping number for your level is\r\n";

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
    // Selects and removes the group whose brick is at (x, bottom row).
    void removeAt(int32_t x)
    {
        ASSERT_TRUE(board.ClickCell(x, board.GameHeight));
        ASSERT_GE(board.LngSelected, 2);
        ASSERT_TRUE(board.ClickCell(x, board.GameHeight));
    }
};

// One removal on the 17 x 12 board: points, count, level, bonuses and label colours, from literal counters.
TEST_F(Scoring, RemovalTable)
{
    const int32_t max = std::numeric_limits<int32_t>::max();
    const ColorRef K = kColorBlack, R = kColorRed, G = kColorGreen;
    struct Row {
        const char* rule;
        const char* group;  // laid over the bottom row from column 0
        int32_t level, base, removed, best, score, levelAfter, baseAfter, removedAfter, bestAfter, scoreAfter, time;
        const char* next;                   // lblNextLvl's number; null when it keeps its caption
        ColorRef scoreColor, minimumColor;  // both start black
    };
    const Row table[] = {
        {"first removal of 4", "GGGG", 1, 0, 0, 0, 0, 1, 0, 4, 4, 12, 105, "40", K, G},
        {"44 is not beyond 44", "GG", 1, 0, 42, 2, 0, 1, 0, 44, 2, 2, 105, "0", K, K},
        {"past the target: nothing, level 2", "GG", 1, 0, 44, 2, 2, 2, 0, 46, 0, 2, 130, "42", K, R},
        {"level-up by 3: no 5 seconds", "GGG", 1, 0, 42, 0, 0, 2, 0, 45, 0, 6, 130, "43", K, R},
        {"level-up by 4: both bonuses", "GGGG", 1, 0, 42, 0, 0, 2, 0, 46, 0, 12, 135, "42", K, R},
        {"granted before counting", "GGGGGGGGGG", 1, 0, 40, 0, 0, 2, 0, 50, 0, 90, 135, "38", K, R},
        {"new best below the requirement", "GGG", 2, 0, 0, 0, 0, 2, 0, 3, 3, 6, 100, "85", K, R},
        {"level 2 past 88, small group", "GG", 2, 0, 88, 3, 0, 2, 0, 90, 3, 0, 100, "-2", R, K},
        {"then a group of 4 ends level 2", "GGGG", 2, 0, 90, 3, 0, 3, 44, 94, 0, 0, 130, "82", K, R},
        {"score sum fits", "GG", 1, 1000, 0, 0, max - 2, 1, 1000, 2, 2, max, 105, "1042", K, G},
        {"score overflow skipped", "GG", 1, 1000, 0, 0, max - 1, 1, 1000, 2, 2, max - 1, 105, "1042", K, G},
        {"32768 left: no caption", "GG", 1, 32726, 0, 0, 0, 1, 32726, 2, 2, 2, 105, nullptr, K, G},
        {"32767 left", "GG", 1, 32725, 0, 0, 0, 1, 32725, 2, 2, 2, 105, "32767", K, G},
        {"-32768 left", "GG", 30, 0, 34086, 0, 0, 30, 0, 34088, 2, 0, 100, "-32768", R, R},
        {"-32769 left: no caption", "GG", 30, 0, 34087, 0, 0, 30, 0, 34089, 2, 0, 100, nullptr, R, R},
    };
    for (const Row& r : table) {
        SCOPED_TRACE(r.rule);
        load(checkBoard(r.group));
        board.labels = PanelLabels{};
        board.labels.lblNextLvl.caption = "old";
        std::tie(board.LngLevel, board.LngLevelBase, board.LngBricksRemoved, board.LngBestGroup, board.LngScore) =
            std::tie(r.level, r.base, r.removed, r.best, r.score);
        board.LngTimeLeft = 100;
        random.Queue("YYYYYYYYYY");  // refills at a level-up
        removeAt(0);
        EXPECT_EQ(std::tie(board.LngLevel, board.LngLevelBase, board.LngBricksRemoved, board.LngBestGroup,
                           board.LngScore, board.LngTimeLeft),
                  std::tie(r.levelAfter, r.baseAfter, r.removedAfter, r.bestAfter, r.scoreAfter, r.time));
        EXPECT_EQ(board.labels.lblNextLvl.caption, r.next ? "Bricks For Level\r\n" + std::string(r.next) : "old");
        EXPECT_EQ(board.labels.lblScore.color, r.scoreColor);
        EXPECT_EQ(board.labels.lblMinmumBlock.color, r.minimumColor);
    }
}

// The 5 seconds and a level-up rewrite lblTime, lblLevel and lblMinmumBlock; gaps are refilled after the fall.
TEST_F(Scoring, LabelsAndRefillOfALevelUp)
{
    load(checkBoard("GGGG  GGG"));
    board.LngBricksRemoved = 40;
    removeAt(0);
    EXPECT_EQ(board.labels.lblTime.caption, "00:01:45");
    random.Queue("YYYYYYY");
    removeAt(6);
    EXPECT_EQ(board.labels.lblTime.caption, "00:02:15");
    EXPECT_EQ(board.labels.lblLevel.caption, "Level: 2");
    EXPECT_EQ(board.labels.lblMinmumBlock, (LabelState{kGrouping + "4", kColorRed}));
    EXPECT_EQ(picture().substr(0, 10), "YYYYBRYYYR");
    EXPECT_EQ(picture().find_first_of("._"), std::string::npos);
}

// A time bonus that would carry the clock past 32 bits is skipped, as an overflowing score is, and the other stands.
TEST_F(Scoring, TimeBonusOverflowSkipped)
{
    const int32_t max = std::numeric_limits<int32_t>::max();
    load(checkBoard("GG  GGGG"));
    board.LngTimeLeft = max - 4;
    removeAt(0);
    EXPECT_EQ(board.LngTimeLeft, max - 4);

    board.LngBricksRemoved = 42;
    board.LngTimeLeft = max - 29;
    random.Queue("YYYYYY");
    removeAt(4);
    EXPECT_EQ(board.LngLevel, 2);
    EXPECT_EQ(board.LngTimeLeft, max - 24);
}

// On 3 x 3 cells (A = 4) and 3 x 2 (A = 2) a pair ends level 1, and level 2 asks for A / 3 rounded: 1, met by a pair.
TEST_F(Scoring, SmallestBoards)
{
    for (auto [before, after] : {std::pair{"GGB/RBR/BRB", "YYB/RBR/BRB"}, {"GGB/RBR", "YYB/RBR"}}) {
        load(before);
        board.ResetCounters(100);
        random.Queue("YYRR");
        board.ClickCell(0, 0);
        board.ClickCell(0, 0);
        EXPECT_EQ(board.LngLevel, 2) << before;
        EXPECT_EQ(board.labels.lblMinmumBlock.caption, kGrouping + "1") << before;
        EXPECT_EQ(picture(), after);
        board.ClickCell(0, 0);
        board.ClickCell(0, 0);
        EXPECT_EQ(board.LngLevel, 3) << before;
    }
}

// A new game resets counters and captions (not lblMinmumBlock's colour); lblNextLvl rounds half to even, in 16 bits.
TEST_F(Scoring, NewGameCounters)
{
    std::tie(board.GameWidth, board.GameHeight) = std::tuple(16, 11);
    std::tie(board.LngScore, board.LngLevel, board.LngLevelBase, board.LngSelected, board.LngBestGroup,
             board.LngBricksRemoved) = std::tuple(50, 4, 44, 3, 7, 100);
    board.labels.lblScore.color = kColorRed;
    board.labels.lblMinmumBlock.color = kColorGreen;
    board.ResetCounters(120);
    EXPECT_EQ(std::tie(board.LngTimeLeft, board.LngLevel, board.LngScore, board.LngLevelBase, board.LngSelected,
                       board.LngBestGroup, board.LngBricksRemoved),
              std::tuple(120, 1, 0, 0, 0, 0, 0));
    EXPECT_EQ(board.labels.lblTime.caption, "00:02:00");
    EXPECT_EQ(board.labels.lblScore, (LabelState{"0", kColorBlack}));
    EXPECT_EQ(board.labels.lblLevel.caption, "Level: 1");
    EXPECT_EQ(board.labels.lblNextLvl.caption, "Bricks For Level\r\n44");
    EXPECT_EQ(board.labels.lblMinmumBlock, (LabelState{kGrouping + "2", kColorGreen}));

    // 42.5; 32766.5; 32767.5 rounds to 32768, which does not fit 16 bits and leaves the caption; so does 249500.
    for (auto [width, height, left] :
         {std::tuple{17, 10, "42"}, {2, 65533, "32766"}, {2, 65535, "32766"}, {999, 999, "32766"}}) {
        std::tie(board.GameWidth, board.GameHeight) = std::tie(width, height);
        board.ResetCounters(60);
        EXPECT_EQ(board.labels.lblNextLvl.caption, "Bricks For Level\r\n" + std::string(left)) << height;
    }
}
