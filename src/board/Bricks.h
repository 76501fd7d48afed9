#pragma once

#include "Brick.h"
#include "CellKey.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Raised for the collection's refusals: a duplicate key in Add, a missing key
// or position in Remove, and a missing brick inside ItemByXY's range.
class BricksError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The board collection: bricks in insertion order, reachable by 1-based
// position or by an optional unique key, and by cell through ItemByXY.
//
// Storage: the bricks sit in one vector (positions count from m_head, so
// removing position 1 is O(1)); cell keys are indexed by a dense grid of
// 32-bit ids and any other key by a hash map. An id is the brick's position
// plus the number of bricks popped from the front, so popping leaves stale
// ids behind that are recognised as dead instead of being erased one by one.
//
// References returned by Add and the lookups stay valid until the next Add
// or Remove.
class Bricks {
public:
    int32_t LngMaxX = 0;  // largest LngX ever added; never lowered
    int32_t LngMaxY = 0;  // largest LngY ever added; never lowered

    // Row before column, as the game has always called it.
    Brick& Add(bool BlnHighLighted, std::string_view StrColor, int32_t LngY, int32_t LngX,
               std::string_view sKey = {});
    // Add under the cell key of (LngX, LngY), without spelling the key out.
    Brick& AddAtCell(bool BlnHighLighted, std::string_view StrColor, int32_t LngY, int32_t LngX);

    // Null outside 0..LngMaxX, 0..LngMaxY; BricksError inside it when no
    // brick is stored under the cell's key.
    Brick* ItemByXY(int32_t LngX, int32_t LngY);
    const Brick* ItemByXY(int32_t LngX, int32_t LngY) const;

    // The brick stored under the cell's key, or null: never an exception.
    Brick* FindCell(int32_t LngX, int32_t LngY);
    const Brick* FindCell(int32_t LngX, int32_t LngY) const;

    Brick* Item(int32_t position);  // 1-based; null when out of range
    Brick* Item(std::string_view key);  // null when absent
    const Brick* Item(int32_t position) const;
    const Brick* Item(std::string_view key) const;

    int32_t Count() const { return static_cast<int32_t>(m_items.size() - m_head); }

    void Remove(int32_t position);  // BricksError when out of range
    void Remove(std::string_view key);  // BricksError when absent

    // NewEnum: range-for walks the bricks in position order.
    using iterator = std::vector<Brick>::iterator;
    using const_iterator = std::vector<Brick>::const_iterator;
    iterator begin() { return m_items.begin() + static_cast<ptrdiff_t>(m_head); }
    iterator end() { return m_items.end(); }
    const_iterator begin() const { return m_items.begin() + static_cast<ptrdiff_t>(m_head); }
    const_iterator end() const { return m_items.end(); }

    // Capacity reserved for n more bricks (a hint for board generation).
    void Reserve(size_t n);

    // Bytes held by the collection, for the memory benchmark.
    size_t MemoryUsage() const;

private:
    struct StringHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    using KeyMap = std::unordered_map<std::string, uint32_t, StringHash, std::equal_to<>>;

    // Position (1-based) of a live id, or 0.
    int32_t positionOf(uint32_t id) const;
    uint32_t idOf(int32_t position) const { return m_popped + static_cast<uint32_t>(position); }
    Brick& append(bool BlnHighLighted, std::string_view StrColor, int32_t LngY, int32_t LngX);
    Brick& addCell(bool BlnHighLighted, std::string_view StrColor, int32_t LngY, int32_t LngX, CellCoord cell,
                   std::string_view keyText);
    void dropFront();
    int32_t find(std::string_view key) const;                             // position, or 0
    int32_t findCell(CellCoord cell, std::string_view keyText) const;     // position, or 0
    bool gridHolds(CellCoord cell) const;
    uint32_t& gridSlot(CellCoord cell);
    bool growGridFor(CellCoord cell);
    void removeAt(int32_t position);
    void resetIndex();
    void renumber(uint32_t removedId);

    std::vector<Brick> m_items;
    size_t m_head = 0;      // m_items[m_head] is position 1
    uint32_t m_popped = 0;  // bricks removed from the front since the index was last reset

    std::vector<uint32_t> m_grid;  // column-major: (x, y) at x * m_gridH + y; 0 = no brick
    int32_t m_gridW = 0;
    int32_t m_gridH = 0;
    KeyMap m_otherKeys;  // keys that are not cell keys, or cells too far out for the grid
};
