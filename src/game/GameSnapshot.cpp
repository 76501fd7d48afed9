#include "GameSnapshot.h"

#include "RoundHalfEven.h"

#include <limits>

namespace {
// The panel counts in 16 bits: a number of bricks that does not fit leaves
// the previous one standing.
void showBricksForLevel(PanelValues& panel, double bricksForLevel)
{
    const double left = RoundHalfEven(bricksForLevel);
    if (left >= std::numeric_limits<int16_t>::min() && left <= std::numeric_limits<int16_t>::max())
        panel.bricksForLevel = static_cast<int32_t>(left);
}
}  // namespace

void ShowNewGame(PanelValues& panel, int32_t timeLeft, double bricksForLevel)
{
    panel.timeLeft = timeLeft;
    panel.scoreCounts = true;
    panel.level = 1;
    panel.score = 0;
    showBricksForLevel(panel, bricksForLevel);
    panel.groupingNumber = 2;
}

void ShowClick(PanelValues& panel, const ClickOutcome& outcome)
{
    if (!outcome.redraw)
        return;
    if (const auto& removal = outcome.removal) {
        if (removal->bestGroupMeetsGrouping)
            panel.groupingMet = *removal->bestGroupMeetsGrouping;
        if (removal->pointsRefused)
            panel.scoreCounts = false;
        if (removal->newLevel) {
            panel.level = *removal->newLevel;
            panel.groupingNumber = removal->groupingNumber;
            panel.groupingMet = false;
            panel.scoreCounts = true;
        }
        if (removal->clockAfterBonus)
            panel.timeLeft = *removal->clockAfterBonus;
        showBricksForLevel(panel, removal->bricksForLevel);
    }
    panel.selected = outcome.selected;
}
