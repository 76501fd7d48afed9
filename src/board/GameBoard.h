#pragma once

#include "Bricks.h"
#include "CellKey.h"
#include "RandomSource.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a removal did to the counters, for the game layer to show.
struct Removal {
    int32_t bricks = 0;            // the group's size
    int32_t points = 0;            // added to LngScore: 0 when refused or when the sum does not fit
    bool pointsRefused = false;    // the level's brick target was already reached
    // Set when the group is the level's new best: whether it meets the grouping requirement.
    std::optional<bool> bestGroupMeetsGrouping = std::nullopt;
    std::optional<int32_t> newLevel = std::nullopt;  // LngLevel after a level-up
    int32_t groupingNumber = 0;        // of the new level, at a level-up
    int32_t bonusSeconds = 0;          // added to LngTimeLeft (30 for a level-up, 5 for a big group)
    // LngTimeLeft once a level-up or a big group has earned time, even when the sum did not fit.
    std::optional<int32_t> clockAfterBonus = std::nullopt;
    double bricksForLevel = 0;         // LevelTarget() - LngBricksRemoved afterwards
    friend bool operator==(const Removal&, const Removal&) = default;
};

// What a click on the board did. Selection sounds one highlight cue per brick
// the flood fill enters (a brick already flagged included); a removal sounds
// one clear cue before the bricks go. One click never gives both.
struct ClickOutcome {
    bool redraw = false;          // the board changed and must be drawn again
    int32_t selected = 0;         // LngSelected afterwards
    int32_t highlightCues = 0;
    bool clearCue = false;
    std::optional<Removal> removal = std::nullopt;
    friend bool operator==(const ClickOutcome&, const ClickOutcome&) = default;
};

// The rules of the game on a board in memory: generation, selection, removal
// with scoring and levels, gravity and the refills. Each operation returns
// what happened; the game layer turns that into labels, sounds and pictures.
//
// Every routine runs to its end without yielding, so a click can never start
// inside a removal.
//
// The collection is the board's own: only GenTiles, EmptyBoard and Replace
// change its shape, so the board knows where every cell's brick lies and
// which bricks it flagged without walking the collection again.
class GameBoard {
public:
    explicit GameBoard(RandomSource& random);
    // It keeps pointers into its own collection.
    GameBoard(const GameBoard&) = delete;
    GameBoard& operator=(const GameBoard&) = delete;

    // Largest column and row index: the board has GameWidth + 1 columns.
    int32_t GameWidth = 0;
    int32_t GameHeight = 0;

    // Counters of the current game (32-bit signed, as stored).
    int32_t LngSelected = 0;
    int32_t LngScore = 0;
    int32_t LngTimeLeft = 0;
    int32_t LngBricksRemoved = 0;
    int32_t LngLevel = 1;
    int32_t LngBestGroup = 0;
    int32_t LngLevelBase = 0;

    const Bricks& bricks() const { return m_bricks; }

    // Fills the collection column by column for GameWidth x GameHeight; a
    // cell whose key is already taken is skipped.
    void GenTiles();
    // Removes position 1 until the collection is empty.
    void EmptyBoard();
    // Takes over a collection laid out elsewhere, flags and all.
    void Replace(Bricks bricks);

    // Selects the group of the brick at (x, y), or removes the selected group
    // when that brick belongs to it and it holds at least two bricks. The
    // cell must hold a brick; ClickCell checks that.
    ClickOutcome Highlightblock(int32_t x, int32_t y);
    void UnHighlightAll();
    Removal ClearHighLighted();
    void DropBlocks();
    void CheckColumns();
    void FillEmptySpace();

    // The fill button's trade: with more than 30 seconds left, takes 30 and
    // refills every empty cell (true); otherwise does nothing (false).
    bool FillForPenalty();
    bool CanFillForPenalty() const { return LngTimeLeft > 30; }

    // Resets the counters for a new game of gameTime seconds.
    void ResetCounters(int32_t gameTime);

    // Level target T, grouping number and the requirement, from
    // A = GameWidth * GameHeight (largest indices, not counts).
    double LevelTarget() const;
    int32_t GroupingNumber() const;
    bool GroupingMet() const;
    double BricksForLevel() const { return LevelTarget() - LngBricksRemoved; }

    // A click on cell (x, y), after the window has started the clock: drops
    // a selection the brick is not part of, then selects or removes unless
    // the cell is empty. An empty cell or one off the board asks for no
    // redraw, though an empty one drops the flags.
    ClickOutcome ClickCell(int32_t x, int32_t y);

private:
    double area() const;
    void indexCells();
    Brick& cell(int32_t x, int32_t y)
    {
        if (m_cells && x >= 0 && x < m_cellColumns && y >= 0 && y < m_cellRows)
            return m_cells[int64_t(x) * m_cellRows + y];
        return cellByKey(x, y);
    }
    Brick& cellByKey(int32_t x, int32_t y);

    RandomSource& m_random;
    Bricks m_bricks;

    // When the collection holds exactly one brick per cell of its range in
    // generation order, cell (x, y) is m_cells[x * m_cellRows + y];
    // otherwise m_cells is null and cells are looked up by key.
    Brick* m_cells = nullptr;
    int32_t m_cellColumns = 0;
    int32_t m_cellRows = 0;

    // Every flagged brick, so that dropping or removing a selection does not
    // walk a million bricks.
    std::vector<Brick*> m_flagged;

    // What gravity needs to know of a column before it moves anything.
    struct Column {
        int32_t empty = 0;    // number of gaps
        int32_t top = 0;      // row of the topmost brick; the row count when there is none
        int32_t lowest = -1;  // row of the lowest gap
        bool plain = true;    // every gap reads exactly "none"
    };
    std::vector<Column> m_columns;
};
