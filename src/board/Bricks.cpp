#include "Bricks.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {
// The grid may hold at most this many slots per brick (plus a floor), so a
// stray far-away cell key goes to the hash map instead of a huge grid.
constexpr size_t kGridSlotsPerBrick = 8;
constexpr size_t kGridFloor = 1 << 16;
}  // namespace

Brick& Bricks::Add(bool BlnHighLighted, std::string_view StrColor, int32_t LngY, int32_t LngX,
                   std::string_view sKey)
{
    if (sKey.empty())
        return append(BlnHighLighted, StrColor, LngY, LngX);
    if (auto cell = ParseCellKey(sKey))
        return addCell(BlnHighLighted, StrColor, LngY, LngX, *cell, sKey);

    if (auto it = m_otherKeys.find(sKey); it != m_otherKeys.end() && positionOf(it->second) != 0)
        throw BricksError("Bricks::Add: key already present: " + std::string(sKey));
    Brick& brick = append(BlnHighLighted, StrColor, LngY, LngX);
    m_otherKeys.insert_or_assign(std::string(sKey), idOf(Count()));
    return brick;
}

Brick& Bricks::AddAtCell(bool BlnHighLighted, std::string_view StrColor, int32_t LngY, int32_t LngX)
{
    if (LngX < 0 || LngY < 0)  // such keys name no cell: keep them as plain text
        return Add(BlnHighLighted, StrColor, LngY, LngX, CellKey(LngX, LngY));
    return addCell(BlnHighLighted, StrColor, LngY, LngX, CellCoord{LngX, LngY}, {});
}

Brick& Bricks::addCell(bool BlnHighLighted, std::string_view StrColor, int32_t LngY, int32_t LngX, CellCoord cell,
                       std::string_view keyText)
{
    if (findCell(cell, keyText) != 0)
        throw BricksError("Bricks::Add: key already present: " + CellKey(cell.x, cell.y));
    Brick& brick = append(BlnHighLighted, StrColor, LngY, LngX);
    const uint32_t id = idOf(Count());
    if (gridHolds(cell) || growGridFor(cell))
        gridSlot(cell) = id;
    else
        m_otherKeys.insert_or_assign(keyText.empty() ? CellKey(cell.x, cell.y) : std::string(keyText), id);
    return brick;
}

Brick& Bricks::append(bool BlnHighLighted, std::string_view StrColor, int32_t LngY, int32_t LngX)
{
    if (m_popped > std::numeric_limits<uint32_t>::max() / 2)
        renumber(0);
    // Bricks removed from the front are dropped only when the vector would
    // otherwise grow, and only when they are at least half of it.
    if (m_head > 0 && m_items.size() == m_items.capacity() && m_head * 2 >= m_items.size())
        dropFront();
    m_items.push_back(Brick{LngX, LngY, std::string(StrColor), BlnHighLighted});
    LngMaxX = std::max(LngMaxX, LngX);
    LngMaxY = std::max(LngMaxY, LngY);
    return m_items.back();
}

void Bricks::dropFront()
{
    m_items.erase(m_items.begin(), m_items.begin() + static_cast<ptrdiff_t>(m_head));
    m_head = 0;
}

Brick* Bricks::ItemByXY(int32_t LngX, int32_t LngY)
{
    return const_cast<Brick*>(std::as_const(*this).ItemByXY(LngX, LngY));
}

const Brick* Bricks::ItemByXY(int32_t LngX, int32_t LngY) const
{
    if (LngX < 0 || LngX > LngMaxX || LngY < 0 || LngY > LngMaxY)
        return nullptr;
    const int32_t position = findCell({LngX, LngY}, {});
    if (position == 0)
        throw BricksError("Bricks::ItemByXY: no brick under key " + CellKey(LngX, LngY));
    return Item(position);
}

Brick* Bricks::FindCell(int32_t LngX, int32_t LngY)
{
    return const_cast<Brick*>(std::as_const(*this).FindCell(LngX, LngY));
}

const Brick* Bricks::FindCell(int32_t LngX, int32_t LngY) const
{
    if (LngX < 0 || LngY < 0)
        return nullptr;
    return Item(findCell({LngX, LngY}, {}));
}

Brick* Bricks::Item(int32_t position)
{
    return const_cast<Brick*>(std::as_const(*this).Item(position));
}

const Brick* Bricks::Item(int32_t position) const
{
    if (position < 1 || position > Count())
        return nullptr;
    return &m_items[m_head + static_cast<size_t>(position) - 1];
}

Brick* Bricks::Item(std::string_view key)
{
    return const_cast<Brick*>(std::as_const(*this).Item(key));
}

const Brick* Bricks::Item(std::string_view key) const
{
    const int32_t position = find(key);
    return position ? Item(position) : nullptr;
}

void Bricks::Remove(int32_t position)
{
    if (position < 1 || position > Count())
        throw BricksError("Bricks::Remove: no element at position " + std::to_string(position));
    removeAt(position);
}

void Bricks::Remove(std::string_view key)
{
    const int32_t position = find(key);
    if (position == 0)
        throw BricksError("Bricks::Remove: key not present: " + std::string(key));
    removeAt(position);
}

void Bricks::Reserve(size_t n)
{
    if (m_head > 0)
        dropFront();
    m_items.reserve(m_items.size() + n);
}

size_t Bricks::MemoryUsage() const
{
    size_t bytes = sizeof(*this) + m_items.capacity() * sizeof(Brick) + m_grid.capacity() * sizeof(uint32_t);
    for (const Brick& b : m_items)
        if (b.StrColor.capacity() > 15)  // beyond the short-string buffer
            bytes += b.StrColor.capacity() + 1;
    bytes += m_otherKeys.bucket_count() * sizeof(void*);
    for (const auto& [key, id] : m_otherKeys)
        bytes += sizeof(key) + sizeof(id) + 2 * sizeof(void*) + (key.capacity() > 15 ? key.capacity() + 1 : 0);
    return bytes;
}

int32_t Bricks::positionOf(uint32_t id) const
{
    if (id <= m_popped || id > m_popped + static_cast<uint32_t>(Count()))
        return 0;
    return static_cast<int32_t>(id - m_popped);
}

int32_t Bricks::find(std::string_view key) const
{
    if (key.empty())
        return 0;
    if (auto cell = ParseCellKey(key))
        return findCell(*cell, key);
    if (m_otherKeys.empty())
        return 0;
    auto it = m_otherKeys.find(key);
    return it == m_otherKeys.end() ? 0 : positionOf(it->second);
}

// A cell key lives in the grid, or in the map when it lay too far out for
// the grid when it was added. keyText is the key's text when the caller has it.
int32_t Bricks::findCell(CellCoord cell, std::string_view keyText) const
{
    if (gridHolds(cell)) {
        if (int32_t position = positionOf(m_grid[static_cast<size_t>(cell.x) * m_gridH + cell.y]))
            return position;
    }
    if (m_otherKeys.empty())
        return 0;
    auto it = keyText.empty() ? m_otherKeys.find(CellKey(cell.x, cell.y)) : m_otherKeys.find(keyText);
    return it == m_otherKeys.end() ? 0 : positionOf(it->second);
}

bool Bricks::gridHolds(CellCoord cell) const
{
    return cell.x < m_gridW && cell.y < m_gridH;
}

uint32_t& Bricks::gridSlot(CellCoord cell)
{
    return m_grid[static_cast<size_t>(cell.x) * m_gridH + cell.y];
}

// Grows the grid to take in the cell when that keeps it proportional to the
// collection. Widening appends whole columns; a taller grid is laid out anew,
// which board generation only does while the first column is being added.
bool Bricks::growGridFor(CellCoord cell)
{
    int64_t newW = std::max<int64_t>(m_gridW, int64_t(cell.x) + 1);
    int64_t newH = std::max<int64_t>(m_gridH, int64_t(cell.y) + 1);
    const int64_t oldSize = int64_t(m_gridW) * m_gridH;
    if (newH > m_gridH && oldSize > 4096)
        newH = std::max<int64_t>(newH, m_gridH + m_gridH / 2);
    const size_t limit = std::max(kGridFloor, kGridSlotsPerBrick * (static_cast<size_t>(Count()) + 1));
    if (newW * newH > static_cast<int64_t>(limit) || newW > INT32_MAX || newH > INT32_MAX)
        return false;

    if (newH == m_gridH) {
        m_grid.resize(static_cast<size_t>(newW * newH), 0);
    } else {
        std::vector<uint32_t> grid(static_cast<size_t>(newW * newH), 0);
        for (int64_t x = 0; x < m_gridW; ++x)
            std::copy_n(m_grid.begin() + x * m_gridH, m_gridH, grid.begin() + x * newH);
        m_grid.swap(grid);
    }
    m_gridW = static_cast<int32_t>(newW);
    m_gridH = static_cast<int32_t>(newH);

    // Cell keys parked in the map because the grid was too small move in now,
    // so each key lives in exactly one index.
    for (auto it = m_otherKeys.begin(); it != m_otherKeys.end();) {
        auto c = ParseCellKey(it->first);
        if (c && gridHolds(*c)) {
            gridSlot(*c) = it->second;
            it = m_otherKeys.erase(it);
        } else {
            ++it;
        }
    }
    return true;
}

void Bricks::removeAt(int32_t position)
{
    if (Count() == 1) {
        m_items.clear();
        m_head = 0;
        resetIndex();
        return;
    }
    if (position == 1) {
        // Leave the brick and its index entries behind: its id is now dead.
        ++m_head;
        ++m_popped;
        // Dead ids in the key map are swept once they outnumber the live
        // bricks, so a long run of remove-first and add stays bounded.
        if (m_otherKeys.size() > 2 * static_cast<size_t>(Count()) + 64)
            std::erase_if(m_otherKeys, [this](const auto& entry) { return positionOf(entry.second) == 0; });
        return;
    }
    const uint32_t removedId = idOf(position);
    m_items.erase(m_items.begin() + static_cast<ptrdiff_t>(m_head) + position - 1);
    renumber(removedId);
}

void Bricks::resetIndex()
{
    m_popped = 0;
    std::fill(m_grid.begin(), m_grid.end(), 0);
    m_otherKeys.clear();
}

// Rewrites every id relative to a fresh front: ids of dead bricks and of the
// removed one become 0, ids after the removed one shift down by one.
void Bricks::renumber(uint32_t removedId)
{
    const uint32_t lastLive = m_popped + static_cast<uint32_t>(Count()) + (removedId ? 1 : 0);
    auto rewrite = [&](uint32_t id) -> uint32_t {
        if (id <= m_popped || id > lastLive || id == removedId)
            return 0;
        return id - m_popped - ((removedId && id > removedId) ? 1 : 0);
    };
    for (uint32_t& id : m_grid)
        id = rewrite(id);
    for (auto it = m_otherKeys.begin(); it != m_otherKeys.end();) {
        it->second = rewrite(it->second);
        it = it->second ? std::next(it) : m_otherKeys.erase(it);
    }
    m_popped = 0;
}
