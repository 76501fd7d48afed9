#include "LargestGroup.h"

#include "BrickColors.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>

namespace {

constexpr uint16_t kNoBrick = 0;

// A million bricks are read in random colours, where a branch on the colour
// would be mispredicted most of the time. Length plus first letter picks the
// one name a bucket holds, so the comparison that follows nearly always
// succeeds; every spelling of the empty marker shares one bucket.
struct Known {
    std::string_view name;
    uint16_t code = kNoBrick;
};
constexpr size_t kBuckets = 16;

constexpr size_t BucketOf(std::string_view name)
{
    return (name.size() + static_cast<unsigned char>(name[0])) % kBuckets;
}

constexpr std::array<Known, kBuckets> kKnown = [] {
    std::array<Known, kBuckets> known{};
    known[BucketOf(BrickColors::Red)] = {BrickColors::Red, 1};
    known[BucketOf(BrickColors::Blue)] = {BrickColors::Blue, 2};
    known[BucketOf(BrickColors::Green)] = {BrickColors::Green, 3};
    known[BucketOf(BrickColors::Yellow)] = {BrickColors::Yellow, 4};
    known[BucketOf(BrickColors::RemovedMarker)] = {BrickColors::RemovedMarker, kNoBrick};
    return known;
}();
static_assert(kKnown[BucketOf(BrickColors::Red)].code == 1 && kKnown[BucketOf(BrickColors::Blue)].code == 2 &&
                  kKnown[BucketOf(BrickColors::Green)].code == 3 && kKnown[BucketOf(BrickColors::Yellow)].code == 4,
              "each colour needs a bucket of its own");

// The four colours the game draws get fixed codes; any other colour a board
// laid out elsewhere holds gets one of its own.
class ColorCodes {
public:
    uint16_t operator()(const std::string& color)
    {
        if (!color.empty()) {
            const Known& known = kKnown[BucketOf(color)];
            if (color == known.name) return known.code;
            if (BrickColors::IsEmpty(color)) return kNoBrick;
        }
        const auto [at, added] = m_others.try_emplace(color, static_cast<uint16_t>(5 + m_others.size()));
        return at->second;
    }

private:
    std::unordered_map<std::string, uint16_t> m_others;
};

}  // namespace

GroupFound LargestGroup(const GameBoard& board)
{
    GroupFound best;
    if (board.GameWidth < 0 || board.GameHeight < 0) return best;
    const int64_t columns = int64_t(board.GameWidth) + 1;
    const int64_t rows = int64_t(board.GameHeight) + 1;
    // A frame of empty cells around the board: a neighbour is always one
    // step away in the grid, with no bounds to test and no division.
    const int64_t stride = rows + 2;
    std::vector<uint16_t> codes(static_cast<size_t>((columns + 2) * stride), kNoBrick);
    ColorCodes code;
    for (const Brick& brick : board.bricks())
        if (brick.LngX >= 0 && brick.LngX < columns && brick.LngY >= 0 && brick.LngY < rows)
            codes[static_cast<size_t>((brick.LngX + 1) * stride + brick.LngY + 1)] = code(brick.StrColor);

    // Groups are labelled in one pass over the grid in memory order, each
    // cell joining the groups above and to its left (union-find). A group's
    // root is its first cell, so every link points back in the grid and the
    // group a column-by-column search reaches first has the smallest root.
    const uint32_t first = static_cast<uint32_t>(stride + 1);
    const uint32_t last = static_cast<uint32_t>((columns + 1) * stride);
    std::vector<uint32_t> parent(codes.size());
    const auto rootOf = [&parent](uint32_t at) {
        while (parent[at] != at) {
            parent[at] = parent[parent[at]];
            at = parent[at];
        }
        return at;
    };
    for (uint32_t at = first; at < last; ++at) {
        const uint16_t color = codes[at];
        if (color == kNoBrick) continue;
        parent[at] = codes[at - 1] == color ? rootOf(at - 1) : at;
        if (codes[at - stride] == color) {
            const uint32_t mine = parent[at];
            const uint32_t left = rootOf(at - static_cast<uint32_t>(stride));
            if (mine < left) parent[left] = mine;
            else parent[at] = parent[mine] = left;
        }
    }

    // Each parent lies before its cell, so in memory order one step reaches
    // the root. Sizes only grow, so the largest is known at the end.
    std::vector<uint32_t> sizes(codes.size());
    uint32_t bestRoot = 0;
    uint32_t bestSize = 0;
    for (uint32_t at = first; at < last; ++at) {
        if (codes[at] == kNoBrick) continue;
        const uint32_t root = parent[at] = parent[parent[at]];
        const uint32_t size = ++sizes[root];
        if (size > bestSize || (size == bestSize && root < bestRoot)) {
            bestSize = size;
            bestRoot = root;
        }
    }

    best.size = static_cast<int32_t>(bestSize);
    best.points = int64_t(best.size) * (best.size - 1);
    best.cells.reserve(bestSize);
    for (uint32_t at = bestRoot; bestSize > 0 && at < last; ++at)
        if (codes[at] != kNoBrick && parent[at] == bestRoot)
            best.cells.push_back({static_cast<int32_t>(at / stride - 1), static_cast<int32_t>(at % stride - 1)});
    return best;
}
