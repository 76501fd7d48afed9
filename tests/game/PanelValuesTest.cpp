#include "GameSnapshot.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {
// The panel as a game leaves it before a click, each value recognisable.
PanelValues Before()
{
    return PanelValues{.timeLeft = 50, .level = 1, .score = 7, .scoreCounts = true, .bricksForLevel = 11,
                       .selected = 3, .groupingNumber = 2, .groupingMet = std::nullopt};
}
}  // namespace

// Each outcome of a click changes exactly its values; a level-up overrides what the group earned.
TEST(PanelValues, ClickTable)
{
    const std::optional<bool> none, met = true, missed = false;
    struct Row {
        const char* rule;
        ClickOutcome outcome;
        int32_t grouping;
        std::optional<bool> groupingMet;
        bool scoreCounts;
        int32_t level, time, next, selected;
    };
    const Row table[] = {
        {"a selection", {.redraw = true, .selected = 4, .highlightCues = 4}, 2, none, true, 1, 50, 11, 4},
        {"an empty cell shows nothing", {.redraw = false, .selected = 9}, 2, none, true, 1, 50, 11, 3},
        {"best group met, 5 seconds",
         {.redraw = true, .removal = Removal{.bricks = 4, .points = 12, .bestGroupMeetsGrouping = true,
                                             .bonusSeconds = 5, .clockAfterBonus = 55, .bricksForLevel = 40}},
         2, met, true, 1, 55, 40, 0},
        {"best group below the requirement",
         {.redraw = true, .removal = Removal{.bricks = 3, .bestGroupMeetsGrouping = false, .bricksForLevel = 85}},
         2, missed, true, 1, 50, 85, 0},
        {"points refused past the target",
         {.redraw = true, .removal = Removal{.bricks = 2, .pointsRefused = true, .bricksForLevel = -2}}, 2, none,
         false, 1, 50, -2, 0},
        {"level-up: grouping missed, score counts",
         {.redraw = true, .removal = Removal{.bricks = 4, .pointsRefused = true, .bestGroupMeetsGrouping = true,
                                             .newLevel = 3, .groupingNumber = 6, .bonusSeconds = 30,
                                             .clockAfterBonus = 3700, .bricksForLevel = 82}},
         6, missed, true, 3, 3700, 82, 0},
        {"a skipped bonus still shows the clock",
         {.redraw = true, .removal = Removal{.bricks = 2, .clockAfterBonus = 10, .bricksForLevel = 1}}, 2, none, true,
         1, 10, 1, 0},
        {"halves round to even", {.redraw = true, .removal = Removal{.bricks = 2, .bricksForLevel = 42.5}}, 2, none,
         true, 1, 50, 42, 0},
        {"32767 fits 16 bits", {.redraw = true, .removal = Removal{.bricks = 2, .bricksForLevel = 32767}}, 2, none,
         true, 1, 50, 32767, 0},
        {"32767.5 rounds to 32768: kept", {.redraw = true, .removal = Removal{.bricks = 2, .bricksForLevel = 32767.5}},
         2, none, true, 1, 50, 11, 0},
        {"-32768 fits 16 bits", {.redraw = true, .removal = Removal{.bricks = 2, .bricksForLevel = -32768}}, 2, none,
         true, 1, 50, -32768, 0},
        {"-32769: kept", {.redraw = true, .removal = Removal{.bricks = 2, .bricksForLevel = -32769}}, 2, none, true, 1,
         50, 11, 0},
    };
    for (const Row& r : table) {
        SCOPED_TRACE(r.rule);
        PanelValues panel = Before();
        ShowClick(panel, r.outcome);
        EXPECT_EQ(panel, (PanelValues{.timeLeft = r.time, .level = r.level, .score = 7, .scoreCounts = r.scoreCounts,
                                      .bricksForLevel = r.next, .selected = r.selected, .groupingNumber = r.grouping,
                                      .groupingMet = r.groupingMet}));
    }
}

// A new game sets clock, level, score and bricks needed, keeps whether the grouping is met, and counts in 16 bits.
TEST(PanelValues, NewGame)
{
    for (auto [time, left, next] : {std::tuple{120, 44.0, 44}, {60, 42.5, 42}, {60, 32766.5, 32766}, {60, 249500.25, 11}}) {
        SCOPED_TRACE(left);
        PanelValues panel = Before();
        panel.scoreCounts = false;
        panel.groupingMet = true;
        panel.level = 9;
        panel.groupingNumber = 5;
        ShowNewGame(panel, time, left);
        EXPECT_EQ(panel, (PanelValues{.timeLeft = time, .level = 1, .score = 0, .scoreCounts = true,
                                      .bricksForLevel = next, .selected = 3, .groupingNumber = 2, .groupingMet = true}));
    }
}
