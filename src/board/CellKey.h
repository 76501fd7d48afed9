#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The key a cell's brick is stored under: "X", column, "Y", row, in plain
// decimal (column 12, row 3 is "X12Y3"). The "Y" keeps X1Y12 and X11Y2 apart.
struct CellCoord {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const CellCoord&, const CellCoord&) = default;
};

std::string CellKey(int32_t x, int32_t y);

// The cell a key names, when the key is exactly the text CellKey would make
// for a cell with non-negative coordinates; other keys (leading zeros, signs,
// blanks, anything else) are ordinary keys that name no cell.
std::optional<CellCoord> ParseCellKey(std::string_view key);
