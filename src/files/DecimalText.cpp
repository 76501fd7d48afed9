#include "DecimalText.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t digitsFrom(std::string_view text, std::size_t i)
{
    while (i < text.size() && isDigit(text[i])) ++i;
    return i;
}

}  // namespace

std::optional<DecimalText> ScanDecimal(std::string_view text, Exponent exponent)
{
    DecimalText number;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    number.magnitude = text;
    std::size_t i = digitsFrom(text, 0);
    number.whole = text.substr(0, i);
    if (i < text.size() && text[i] == '.') {
        const std::size_t end = digitsFrom(text, i + 1);
        number.fraction = text.substr(i + 1, end - i - 1);
        i = end;
    }
    if (number.whole.empty() && number.fraction.empty()) return std::nullopt;
    if (exponent == Exponent::Allowed && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t start = i + 1;
        if (start < text.size() && (text[start] == '+' || text[start] == '-')) ++start;
        i = digitsFrom(text, start);
        if (i == start) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    return number;
}
