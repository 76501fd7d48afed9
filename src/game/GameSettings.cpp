#include "GameSettings.h"

namespace {

// Larger boards no longer fit the scroll bars' range, and memory grows with
// the cell count; a file asking for one gets the default instead.
constexpr int32_t kLargestIndex = 999;

int32_t IndexOrDefault(std::optional<int32_t> index, int32_t fallback)
{
    return index && *index >= 2 && *index <= kLargestIndex ? *index : fallback;
}

}  // namespace

GameSettings ReadGameSettings(const std::optional<std::string>& bytes)
{
    const SettingsRead read = bytes ? ReadSettingsText(*bytes) : SettingsRead{};
    GameSettings settings;
    settings.GameTheme = read.GameTheme.value_or(std::string());
    settings.GameWidth = IndexOrDefault(read.GameWidth, kDefaultGameWidth);
    settings.GameHeight = IndexOrDefault(read.GameHeight, kDefaultGameHeight);
    settings.GameTime = read.GameTime && *read.GameTime >= 1 ? *read.GameTime : kDefaultGameTime;
    settings.mute = read.mute;
    settings.table = TableOf(read);
    return settings;
}

std::string WriteGameSettings(const GameSettings& settings) { return WriteSettingsText(settings); }
