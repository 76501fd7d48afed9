#include "CTime.h"
#include "PanelText.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {
const std::string kGrouping =
    "When this text turns green you have aquired the minimum Grouping score for your level. Each level has a "
    "minimum number of bricks that must be grouped together. The grouping number for your level is\r\n";

// Labels as a game leaves them before a click, each one recognisable.
PanelLabels Before()
{
    PanelLabels labels;
    labels.lblMinmumBlock = {kGrouping + "2", kColorBlack};
    labels.lblScore = {"7", kColorBlack};
    labels.lblLevel = {"Level: 1", kColorBlack};
    labels.lblTime = {"00:00:50", kColorBlack};
    labels.lblNextLvl = {"old", kColorBlack};
    labels.lblSelected = {"Bricks Selected\r\n3", kColorBlack};
    return labels;
}
}  // namespace

// Each outcome of a click writes exactly its captions and colours; a level-up overrides what the group earned.
TEST(PanelText, ClickTable)
{
    const ColorRef K = kColorBlack, R = kColorRed, G = kColorGreen;
    struct Row {
        const char* rule;
        ClickOutcome outcome;
        const char* minimum;  // lblMinmumBlock's grouping number
        ColorRef minimumColor, scoreColor;
        const char *level, *time, *next, *selected;
    };
    const Row table[] = {
        {"a selection", {.redraw = true, .selected = 4, .highlightCues = 4}, "2", K, K, "Level: 1", "00:00:50", "old",
         "Bricks Selected\r\n4"},
        {"an empty cell shows nothing", {.redraw = false}, "2", K, K, "Level: 1", "00:00:50", "old",
         "Bricks Selected\r\n3"},
        {"best group met, 5 seconds",
         {.redraw = true, .removal = Removal{.bricks = 4, .points = 12, .bestGroupMeetsGrouping = true,
                                             .bonusSeconds = 5, .clockAfterBonus = 55, .bricksForLevel = 40}},
         "2", G, K, "Level: 1", "00:00:55", "Bricks For Level\r\n40", "Bricks Selected\r\n0"},
        {"best group below the requirement",
         {.redraw = true, .removal = Removal{.bricks = 3, .bestGroupMeetsGrouping = false, .bricksForLevel = 85}},
         "2", R, K, "Level: 1", "00:00:50", "Bricks For Level\r\n85", "Bricks Selected\r\n0"},
        {"points refused past the target",
         {.redraw = true, .removal = Removal{.bricks = 2, .pointsRefused = true, .bricksForLevel = -2}}, "2", K, R,
         "Level: 1", "00:00:50", "Bricks For Level\r\n-2", "Bricks Selected\r\n0"},
        {"level-up: red grouping, black score",
         {.redraw = true, .removal = Removal{.bricks = 4, .pointsRefused = true, .bestGroupMeetsGrouping = true,
                                             .newLevel = 3, .groupingNumber = 6, .bonusSeconds = 30,
                                             .clockAfterBonus = 3700, .bricksForLevel = 82}},
         "6", R, K, "Level: 3", "01:01:40", "Bricks For Level\r\n82", "Bricks Selected\r\n0"},
        {"a skipped bonus still shows the clock",
         {.redraw = true, .removal = Removal{.bricks = 2, .clockAfterBonus = 10, .bricksForLevel = 1}}, "2", K, K,
         "Level: 1", "00:00:10", "Bricks For Level\r\n1", "Bricks Selected\r\n0"},
        {"halves round to even", {.redraw = true, .removal = Removal{.bricks = 2, .bricksForLevel = 42.5}}, "2", K, K,
         "Level: 1", "00:00:50", "Bricks For Level\r\n42", "Bricks Selected\r\n0"},
        {"32767 fits 16 bits", {.redraw = true, .removal = Removal{.bricks = 2, .bricksForLevel = 32767}}, "2", K, K,
         "Level: 1", "00:00:50", "Bricks For Level\r\n32767", "Bricks Selected\r\n0"},
        {"32767.5 rounds to 32768: kept", {.redraw = true, .removal = Removal{.bricks = 2, .bricksForLevel = 32767.5}},
         "2", K, K, "Level: 1", "00:00:50", "old", "Bricks Selected\r\n0"},
        {"-32768 fits 16 bits", {.redraw = true, .removal = Removal{.bricks = 2, .bricksForLevel = -32768}}, "2", K, K,
         "Level: 1", "00:00:50", "Bricks For Level\r\n-32768", "Bricks Selected\r\n0"},
        {"-32769: kept", {.redraw = true, .removal = Removal{.bricks = 2, .bricksForLevel = -32769}}, "2", K, K,
         "Level: 1", "00:00:50", "old", "Bricks Selected\r\n0"},
    };
    for (const Row& r : table) {
        SCOPED_TRACE(r.rule);
        PanelLabels labels = Before();
        ShowClick(labels, r.outcome);
        EXPECT_EQ(labels.lblMinmumBlock, (LabelState{kGrouping + r.minimum, r.minimumColor}));
        EXPECT_EQ(labels.lblScore, (LabelState{"7", r.scoreColor}));
        EXPECT_EQ(labels.lblLevel, (LabelState{r.level, K}));
        EXPECT_EQ(labels.lblTime, (LabelState{r.time, K}));
        EXPECT_EQ(labels.lblNextLvl, (LabelState{r.next, K}));
        EXPECT_EQ(labels.lblSelected, (LabelState{r.selected, K}));
    }
}

// A new game writes clock, level, score and bricks needed, keeps lblMinmumBlock's colour, and counts in 16 bits.
TEST(PanelText, NewGame)
{
    for (auto [time, left, next] : {std::tuple{120, 44.0, "Bricks For Level\r\n44"},
                                    {60, 42.5, "Bricks For Level\r\n42"},
                                    {60, 32766.5, "Bricks For Level\r\n32766"},
                                    {60, 249500.25, "old"}}) {
        SCOPED_TRACE(left);
        PanelLabels labels = Before();
        labels.lblScore.color = kColorRed;
        labels.lblMinmumBlock.color = kColorGreen;
        labels.lblLevel.caption = "Level: 9";
        ShowNewGame(labels, time, left);
        EXPECT_EQ(labels.lblTime.caption, CTime(time));
        EXPECT_EQ(labels.lblScore, (LabelState{"0", kColorBlack}));
        EXPECT_EQ(labels.lblLevel.caption, "Level: 1");
        EXPECT_EQ(labels.lblNextLvl.caption, next);
        EXPECT_EQ(labels.lblMinmumBlock, (LabelState{kGrouping + "2", kColorGreen}));
        EXPECT_EQ(labels.lblSelected.caption, "Bricks Selected\r\n3");
    }
}

// The clock text: two digits per field, the last two characters only.
TEST(PanelText, CTimeTable)
{
    for (auto [seconds, text] : {std::pair{0, "00:00:00"}, {59, "00:00:59"}, {60, "00:01:00"}, {120, "00:02:00"},
                                 {3599, "00:59:59"}, {3600, "01:00:00"}, {3660, "01:01:00"}, {7325, "02:02:05"},
                                 {360000, "00:00:00"}, {-1, "00:00:-1"}})
        EXPECT_EQ(CTime(seconds), text) << seconds;
}
