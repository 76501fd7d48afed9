#include "PanelText.h"

#include "CTime.h"
#include "RoundHalfEven.h"

#include <limits>

namespace {
constexpr const char* kCrLf = "\r\n";

// The panel counts in 16 bits: a number of bricks that does not fit leaves
// the previous caption standing.
void showBricksForLevel(LabelState& label, double bricksForLevel)
{
    const double left = RoundHalfEven(bricksForLevel);
    if (!(left >= std::numeric_limits<int16_t>::min() && left <= std::numeric_limits<int16_t>::max()))
        return;
    label.caption = "Bricks For Level" + std::string(kCrLf) + std::to_string(static_cast<int>(left));
}
}  // namespace

std::string MinimumBlockText(int32_t groupingNumber)
{
    return "When this text turns green you have aquired the minimum Grouping score for your level. "
           "Each level has a minimum number of bricks that must be grouped together. "
           "The grouping number for your level is" +
           std::string(kCrLf) + std::to_string(groupingNumber);
}

void ShowNewGame(PanelLabels& labels, int32_t timeLeft, double bricksForLevel)
{
    labels.lblTime.caption = CTime(timeLeft);
    labels.lblScore.color = kColorBlack;
    labels.lblLevel.caption = "Level: 1";
    labels.lblScore.caption = "0";
    showBricksForLevel(labels.lblNextLvl, bricksForLevel);
    labels.lblMinmumBlock.caption = MinimumBlockText(2);
}

// A removal that ends the level overrides what the group itself earned: the
// grouping label turns red for the new level and the score black again.
void ShowClick(PanelLabels& labels, const ClickOutcome& outcome)
{
    if (!outcome.redraw)
        return;
    if (const auto& removal = outcome.removal) {
        if (removal->bestGroupMeetsGrouping)
            labels.lblMinmumBlock.color = *removal->bestGroupMeetsGrouping ? kColorGreen : kColorRed;
        if (removal->pointsRefused)
            labels.lblScore.color = kColorRed;
        if (removal->newLevel) {
            labels.lblLevel.caption = "Level: " + std::to_string(*removal->newLevel);
            labels.lblMinmumBlock = {MinimumBlockText(removal->groupingNumber), kColorRed};
            labels.lblScore.color = kColorBlack;
        }
        if (removal->clockAfterBonus)
            labels.lblTime.caption = CTime(*removal->clockAfterBonus);
        showBricksForLevel(labels.lblNextLvl, removal->bricksForLevel);
    }
    labels.lblSelected.caption = "Bricks Selected" + std::string(kCrLf) + std::to_string(outcome.selected);
}

ColorRef PanelTextColor(ColorRef color, bool highContrast)
{
    if (!highContrast)
        return color;
    if (color == kColorGreen)
        return 0x006400;  // RGB 0, 100, 0
    if (color == kColorRed)
        return 0x0000B0;  // RGB 176, 0, 0
    return color;
}
