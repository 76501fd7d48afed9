#include "NewGameRules.h"

#include "NumberText.h"

#include <string>

namespace {

constexpr double kLargestCount = 1000;

// One dimension of the board: `count` is what the player typed, `index` the
// largest index that stays in force when the text is refused.
void decideDimension(const std::string& count, const char* name, int32_t& index,
                     std::vector<std::string>& messages)
{
    const auto value = ParseNumber(count);
    if (!value) {
        messages.push_back(std::string("The game ") + name + " must be a number");
    } else if (*value <= 2) {
        messages.push_back(std::string("The game ") + name + " must be above 2");
    } else if (*value > kLargestCount) {
        messages.push_back(std::string("The game ") + name + " must be at most 1000");
    } else if (const auto rounded = RoundToInt32(*value - 1)) {
        index = *rounded;
    }
}

}  // namespace

NewGameTexts NewGameDialogTexts(const NewGameValues& current)
{
    return {std::to_string(static_cast<int64_t>(current.GameWidth) + 1),
            std::to_string(static_cast<int64_t>(current.GameHeight) + 1), std::to_string(current.GameTime)};
}

NewGameTexts NewGameDefaultTexts() { return {"16", "11", "120"}; }

NewGameDecision DecideNewGame(const NewGameTexts& texts, const NewGameValues& current)
{
    NewGameDecision decision{current, {}};
    decideDimension(texts.txtGameHeight, "height", decision.values.GameHeight, decision.messages);
    decideDimension(texts.txtGameWidth, "width", decision.values.GameWidth, decision.messages);
    // The time converts the text itself, so 2.5 seconds rounds to 2; text
    // that is no number, or a number beyond 32 bits, counts as no time.
    if (const auto value = ParseNumber(texts.txtGameTime); value && *value > 1) {
        if (const auto seconds = RoundToInt32(*value)) decision.values.GameTime = *seconds;
    }
    return decision;
}
