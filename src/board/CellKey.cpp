#include "CellKey.h"

#include "DecimalText.h"

#include <charconv>
#include <climits>

std::string CellKey(int32_t x, int32_t y)
{
    // "X", up to 11 characters of column, "Y", up to 11 of row.
    char buffer[24] = {'X'};
    char* p = std::to_chars(buffer + 1, buffer + 12, x).ptr;
    *p = 'Y';
    p = std::to_chars(p + 1, p + 12, y).ptr;
    return std::string(buffer, p);
}

std::optional<CellCoord> ParseCellKey(std::string_view key)
{
    const size_t y = key.find('Y');
    if (key.empty() || key[0] != 'X' || y == std::string_view::npos)
        return std::nullopt;
    const auto column = ParseRounded(key.substr(1, y - 1), kCellKeyNumber, 0, INT32_MAX);
    const auto row = ParseRounded(key.substr(y + 1), kCellKeyNumber, 0, INT32_MAX);
    if (!column || !row)
        return std::nullopt;
    return CellCoord{static_cast<int32_t>(*column), static_cast<int32_t>(*row)};
}
