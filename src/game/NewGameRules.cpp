#include "NewGameRules.h"

#include "DecimalText.h"

#include <string>

namespace {

constexpr uint64_t kLargestCount = 1000;

// One dimension of the board: `count` is what the player typed, `index` the
// largest index that stays in force when the text is refused.
void decideDimension(const std::string& count, const char* name, int32_t& index,
                     std::vector<std::string>& messages)
{
    auto value = ParseDecimal(count, kSettingsNumber);
    if (!value) {
        messages.push_back(std::string("The game ") + name + " must be a number");
    } else if (!value->Above(2)) {
        messages.push_back(std::string("The game ") + name + " must be above 2");
    } else if (value->Above(kLargestCount)) {
        messages.push_back(std::string("The game ") + name + " must be at most 1000");
    } else {
        // The count less one, its fraction kept, then rounded.
        value->whole -= 1;
        index = static_cast<int32_t>(*value->Rounded(0, kLargestCount));
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
    if (const auto value = ParseDecimal(texts.txtGameTime, kSettingsNumber); value && value->Above(1)) {
        if (const auto seconds = value->Rounded(INT32_MIN, INT32_MAX)) decision.values.GameTime = int32_t(*seconds);
    }
    return decision;
}
