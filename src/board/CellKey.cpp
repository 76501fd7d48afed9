#include "CellKey.h"

#include <charconv>

std::string CellKey(int32_t x, int32_t y)
{
    // "X", up to 11 characters of column, "Y", up to 11 of row.
    char buffer[24] = {'X'};
    char* p = std::to_chars(buffer + 1, buffer + 12, x).ptr;
    *p = 'Y';
    p = std::to_chars(p + 1, p + 12, y).ptr;
    return std::string(buffer, p);
}

namespace {
// A canonical non-negative decimal: digits only, no leading zero unless "0".
std::optional<int32_t> parseCanonical(std::string_view digits)
{
    if (digits.empty() || (digits.size() > 1 && digits[0] == '0'))
        return std::nullopt;
    for (char c : digits)
        if (c < '0' || c > '9')
            return std::nullopt;
    int32_t value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}
}  // namespace

std::optional<CellCoord> ParseCellKey(std::string_view key)
{
    if (key.size() < 4 || key[0] != 'X')
        return std::nullopt;
    const size_t ypos = key.find('Y', 1);
    if (ypos == std::string_view::npos)
        return std::nullopt;
    auto x = parseCanonical(key.substr(1, ypos - 1));
    auto y = parseCanonical(key.substr(ypos + 1));
    if (!x || !y)
        return std::nullopt;
    return CellCoord{*x, *y};
}
