#include "NumberText.h"

#include "DecimalText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<double> ParseNumber(std::string_view text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    // The grammar is checked first: from_chars alone would also take "inf",
    // "nan" and hexadecimal floats.
    const auto number = ScanDecimal(text.substr(begin, end - begin), Exponent::Allowed);
    if (!number) return std::nullopt;

    const std::string_view digits = number->magnitude;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || ptr != digits.data() + digits.size() || !std::isfinite(value))
        return std::nullopt;
    return number->negative ? -value : value;
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
