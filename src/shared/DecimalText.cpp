#include "DecimalText.h"

#include <algorithm>
#include <string>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t digitsFrom(std::string_view text, std::size_t i)
{
    while (i < text.size() && isDigit(text[i])) ++i;
    return i;
}

}  // namespace

std::optional<Decimal> ParseDecimal(std::string_view text, DecimalRules rules)
{
    if (rules.blanks) {
        text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
        text = text.substr(0, text.find_last_not_of(" \t") + 1);
    }
    Decimal number;
    if (rules.sign && !text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::size_t i = digitsFrom(text, 0);
    const std::string_view whole = text.substr(0, i);
    std::string_view fraction;
    if (rules.fraction && i < text.size() && text[i] == '.') {
        const std::size_t end = digitsFrom(text, i + 1);
        fraction = text.substr(i + 1, end - i - 1);
        i = end;
    }
    if (whole.empty() && fraction.empty()) return std::nullopt;
    if (!rules.leadingZeros && whole.size() > 1 && whole.front() == '0') return std::nullopt;
    // The exponent only moves the point. Beyond a thousand places every
    // number is too large for any reader, or below a half.
    int64_t exponent = 0;
    if (rules.exponent && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t start = i + 1;
        const bool down = start < text.size() && text[start] == '-';
        if (start < text.size() && (text[start] == '+' || down)) ++start;
        i = digitsFrom(text, start);
        if (i == start) return std::nullopt;
        for (std::size_t d = start; d < i; ++d) exponent = std::min<int64_t>(exponent * 10 + (text[d] - '0'), 1000);
        if (down) exponent = -exponent;
    }
    if (i != text.size()) return std::nullopt;

    const std::string digits = std::string(whole) + std::string(fraction);
    const int64_t point = static_cast<int64_t>(whole.size()) + exponent;
    for (int64_t d = 0; d < point; ++d) {
        const uint64_t digit = d < static_cast<int64_t>(digits.size()) ? uint64_t(digits[d] - '0') : 0;
        number.whole = std::min(number.whole * 10 + digit, Decimal::kHuge);
    }
    // What follows the point: leading zeros when the point moved left of
    // every digit, then the digits not taken by the whole part.
    const std::string_view rest =
        std::string_view(digits).substr(static_cast<std::size_t>(std::clamp<int64_t>(point, 0, digits.size())));
    if (rest.find_first_not_of('0') == std::string_view::npos)
        number.fraction = Decimal::Part::None;
    else if (point < 0 || rest.front() < '5')
        number.fraction = Decimal::Part::BelowHalf;
    else if (rest.front() > '5' || rest.find_first_not_of('0', 1) != std::string_view::npos)
        number.fraction = Decimal::Part::AboveHalf;
    else
        number.fraction = Decimal::Part::Half;
    return number;
}

std::optional<int64_t> Decimal::Rounded(int64_t lowest, int64_t highest) const
{
    const bool up = fraction == Part::AboveHalf || (fraction == Part::Half && whole % 2 == 1);
    const uint64_t magnitude = whole + (up ? 1 : 0);
    if (magnitude >= kHuge) return std::nullopt;
    // A number that rounds to zero from below is zero, not negative.
    const int64_t value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

std::optional<int64_t> ParseRounded(std::string_view text, DecimalRules rules, int64_t lowest, int64_t highest)
{
    const auto number = ParseDecimal(text, rules);
    return number ? number->Rounded(lowest, highest) : std::nullopt;
}
