#include "NewGameRules.h"

#include "DecimalText.h"

#include <string>

namespace {

constexpr uint64_t kLargestCount = 1000;

// One dimension of the board: `count` is what the player typed, `index` the
// largest index that stays in force when the text is refused.
// What is wrong with one dimension's text, each in a sentence of its own so
// that a translation can word it whole.
struct DimensionMessages {
    const char* notANumber;
    const char* tooSmall;
    const char* tooLarge;
};
constexpr DimensionMessages kHeightMessages{TOLMORA_TEXT("Tolmora", "The game height must be a number"),
                                            TOLMORA_TEXT("Tolmora", "The game height must be above 2"),
                                            TOLMORA_TEXT("Tolmora", "The game height must be at most 1000")};
constexpr DimensionMessages kWidthMessages{TOLMORA_TEXT("Tolmora", "The game width must be a number"),
                                           TOLMORA_TEXT("Tolmora", "The game width must be above 2"),
                                           TOLMORA_TEXT("Tolmora", "The game width must be at most 1000")};

void decideDimension(const std::string& count, const DimensionMessages& says, int32_t& index,
                     std::vector<DialogText>& messages)
{
    auto value = ParseDecimal(count, kSettingsNumber);
    if (!value) {
        messages.emplace_back(says.notANumber);
    } else if (!value->Above(2)) {
        messages.emplace_back(says.tooSmall);
    } else if (value->Above(kLargestCount)) {
        messages.emplace_back(says.tooLarge);
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
    decideDimension(texts.txtGameHeight, kHeightMessages, decision.values.GameHeight, decision.messages);
    decideDimension(texts.txtGameWidth, kWidthMessages, decision.values.GameWidth, decision.messages);
    // The time converts the text itself, so 2.5 seconds rounds to 2; text
    // that is no number, or a number beyond 32 bits, counts as no time.
    if (const auto value = ParseDecimal(texts.txtGameTime, kSettingsNumber); value && value->Above(1)) {
        if (const auto seconds = value->Rounded(INT32_MIN, INT32_MAX)) decision.values.GameTime = int32_t(*seconds);
    }
    return decision;
}
