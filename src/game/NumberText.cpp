#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> ParseNumber(std::string_view text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    std::string_view number = text.substr(begin, end - begin);

    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    // Check the grammar ourselves: from_chars alone would also take "inf",
    // "nan" and hexadecimal floats.
    std::size_t i = 0, digits = 0;
    while (i < number.size() && isDigit(number[i])) ++i, ++digits;
    if (i < number.size() && number[i] == '.') {
        ++i;
        while (i < number.size() && isDigit(number[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < number.size() && isDigit(number[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != number.size()) return std::nullopt;

    double value = 0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec != std::errc() || ptr != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<int32_t> RoundToInt32(double value)
{
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = RoundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<int32_t>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return static_cast<int32_t>(rounded);
}

std::optional<int32_t> ParseWholeNumber(std::string_view text)
{
    const auto value = ParseNumber(text);
    if (!value) return std::nullopt;
    return RoundToInt32(*value);
}
