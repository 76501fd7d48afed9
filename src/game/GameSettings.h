#pragma once

#include "SettingsFile.h"

#include <optional>
#include <string>

// The values the game keeps in "Settings.log" between runs.
using GameSettings = SettingsWrite;

inline constexpr int32_t kDefaultGameWidth = 16;
inline constexpr int32_t kDefaultGameHeight = 11;
inline constexpr int32_t kDefaultGameTime = 120;

// The settings a run starts with, from the file's bytes (none: no file). A
// missing or unreadable line leaves its default; a board index outside 2..999
// or a game time below 1 second takes the default too.
GameSettings ReadGameSettings(const std::optional<std::string>& bytes);

// The file's text for these settings.
std::string WriteGameSettings(const GameSettings& settings);
