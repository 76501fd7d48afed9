#include "BoardNumber.h"

#include "Utf8Text.h"

#include <chrono>
#include <ctime>
#include <limits>

std::optional<uint32_t> ParseBoardNumber(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > std::numeric_limits<uint32_t>::max())
            return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

std::string NotABoardNumberMessage(std::string_view text)
{
    // Long text is quoted only in part, so the message stays readable.
    constexpr std::size_t kQuoted = 40;
    std::string quoted = FirstCharacters(text, kQuoted);
    if (quoted.size() < text.size())
        quoted += "...";
    return "\"" + quoted + "\" is not a board number. A board number is a whole number from 0 to " +
           std::to_string(std::numeric_limits<uint32_t>::max()) + ".";
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
