#include "BoardNumber.h"

#include "DecimalText.h"
#include "Utf8Text.h"

#include <chrono>
#include <ctime>
#include <limits>

std::optional<uint32_t> ParseBoardNumber(std::string_view text)
{
    const auto value = ParseRounded(text, kBoardNumberText, 0, std::numeric_limits<uint32_t>::max());
    return value ? std::optional<uint32_t>(static_cast<uint32_t>(*value)) : std::nullopt;
}

DialogText NotABoardNumberMessage(std::string_view text)
{
    // Long text is quoted only in part, so the message stays readable.
    constexpr std::size_t kQuoted = 40;
    std::string quoted = FirstCharacters(text, kQuoted);
    if (quoted.size() < text.size())
        quoted += "...";
    return {TOLMORA_TEXT("Tolmora", "\"%1\" is not a board number. A board number is a whole number from 0 to %2."),
            {quoted, std::to_string(std::numeric_limits<uint32_t>::max())}};
}

std::string UtcNowIso8601()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

uint32_t LocalDateNumber()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<uint32_t>((local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday);
}
