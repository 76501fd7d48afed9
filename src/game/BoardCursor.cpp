#include "BoardCursor.h"

#include <algorithm>

CellCoord MoveCursor(CellCoord at, CursorKey key, int32_t GameWidth, int32_t GameHeight)
{
    const int32_t lastColumn = std::max(GameWidth, 0);
    const int32_t lastRow = std::max(GameHeight, 0);
    CellCoord cell{std::clamp(at.x, 0, lastColumn), std::clamp(at.y, 0, lastRow)};
    switch (key) {
    case CursorKey::Left:
        cell.x = std::max(cell.x - 1, 0);
        break;
    case CursorKey::Right:
        cell.x = std::min(cell.x + 1, lastColumn);
        break;
    case CursorKey::Up:
        cell.y = std::max(cell.y - 1, 0);
        break;
    case CursorKey::Down:
        cell.y = std::min(cell.y + 1, lastRow);
        break;
    case CursorKey::Home:
        cell.x = 0;
        break;
    case CursorKey::End:
        cell.x = lastColumn;
        break;
    case CursorKey::PageUp:
        cell.y = 0;
        break;
    case CursorKey::PageDown:
        cell.y = lastRow;
        break;
    }
    return cell;
}
