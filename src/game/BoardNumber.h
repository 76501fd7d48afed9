#pragma once

#include <cstdint>
#include <optional>
#include "DialogText.h"

#include <string>
#include <string_view>

// A board number as a player types it: decimal digits for 0 to 4294967295,
// with blanks around them allowed. Anything else is not a board number.
std::optional<uint32_t> ParseBoardNumber(std::string_view text);

// What the player is told when their text is not a board number.
DialogText NotABoardNumberMessage(std::string_view text);

// The current time in UTC, ISO 8601 to the second: "2026-12-06T23:10:00Z".
std::string UtcNowIso8601();

// Today's date in the local time zone as YYYYMMDD, the daily board's number.
uint32_t LocalDateNumber();
