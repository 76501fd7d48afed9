#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// A rectangle of cells, both corners included.
struct CellRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = -1;
    int32_t bottom = -1;

    bool empty() const { return right < left || bottom < top; }
    bool contains(int32_t x, int32_t y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    void include(int32_t x, int32_t y)
    {
        if (empty()) {
            *this = {x, y, x, y};
            return;
        }
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
    void include(const CellRect& other)
    {
        if (other.empty())
            return;
        include(other.left, other.top);
        include(other.right, other.bottom);
    }
    friend bool operator==(const CellRect&, const CellRect&) = default;
};

// The cells whose brick may look different since the board was last drawn:
// a colour or a flag changed. A marker that only changes its spelling
// ("None" to "none") draws nothing either way and is left out. A few
// rectangles, so that a selection dropped in one corner and one made in the
// other do not cover the board between them; past a handful they merge.
struct ChangedCells {
    bool all = false;  // anything on the board may have changed
    std::vector<CellRect> rects;

    bool empty() const { return !all && rects.empty(); }
    void add(const CellRect& rect)
    {
        if (all || rect.empty())
            return;
        if (rects.size() == kMostRects) {
            for (size_t i = 1; i < rects.size(); ++i)
                rects.front().include(rects[i]);
            rects.resize(1);
        }
        rects.push_back(rect);
    }
    void addAll()
    {
        all = true;
        rects.clear();
    }
    bool contains(int32_t x, int32_t y) const
    {
        return all || std::any_of(rects.begin(), rects.end(), [&](const CellRect& r) { return r.contains(x, y); });
    }

    static constexpr size_t kMostRects = 8;
};
