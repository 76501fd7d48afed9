#include "CellKey.h"

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

namespace {
// A canonical non-negative decimal at key[i...]: digits only, no leading zero
// unless the number is 0, no more than fits 32 bits. Moves i past it.
bool parseNumber(std::string_view key, size_t& i, int32_t& value)
{
    const size_t start = i;
    uint64_t number = 0;
    while (i < key.size() && key[i] >= '0' && key[i] <= '9') {
        number = number * 10 + static_cast<uint64_t>(key[i] - '0');
        if (number > static_cast<uint64_t>(INT32_MAX))
            return false;
        ++i;
    }
    const size_t length = i - start;
    if (length == 0 || (length > 1 && key[start] == '0'))
        return false;
    value = static_cast<int32_t>(number);
    return true;
}
}  // namespace

std::optional<CellCoord> ParseCellKey(std::string_view key)
{
    if (key.size() < 4 || key[0] != 'X')
        return std::nullopt;
    CellCoord cell;
    size_t i = 1;
    if (!parseNumber(key, i, cell.x) || i >= key.size() || key[i] != 'Y')
        return std::nullopt;
    ++i;
    if (!parseNumber(key, i, cell.y) || i != key.size())
        return std::nullopt;
    return cell;
}
