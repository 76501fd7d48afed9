#pragma once

#include "HighScoreTable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a "Settings.log" text gave. A line that is missing, or a number line
// that does not convert, is empty here, and the caller leaves its variable
// as it was.
struct SettingsRead {
    std::optional<std::string> GameTheme;
    std::optional<int32_t> GameWidth;
    std::optional<int32_t> GameHeight;
    std::optional<int32_t> GameTime;
    bool mute = false;  // line 5, lower-cased, is exactly "mute"
    std::array<std::optional<std::string>, kHighScoreSlots> StrHighNames{};
    std::array<std::optional<int32_t>, kHighScoreSlots> LngHighScores{};
};

// What the game writes back.
struct SettingsWrite {
    std::string GameTheme;
    int32_t GameWidth = 0;
    int32_t GameHeight = 0;
    int32_t GameTime = 0;
    bool mute = false;
    HighScoreTable table;
};

// Reads the file's bytes. Lines end with CR LF, LF or a lone CR; each line
// is UTF-8 when it is valid UTF-8 and Windows-1252 otherwise.
SettingsRead ReadSettingsText(std::string_view bytes);
// A number line, or a number the player types: DecimalText.h's grammar with
// everything allowed, rounded to a 32-bit whole number.
std::optional<int32_t> ParseWholeNumber(std::string_view text);
// The 25 lines, UTF-8, each ended by CR LF.
std::string WriteSettingsText(const SettingsWrite& values);

// The table a read found, a missing name or score read as a never-filled slot.
HighScoreTable TableOf(const SettingsRead& read);
