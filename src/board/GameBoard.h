#pragma once

#include "Bricks.h"
#include "CellKey.h"
#include "PanelLabels.h"
#include "RandomSource.h"
#include "SelectionSounds.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The rules of the game on a board in memory: generation, selection, removal
// with scoring and levels, gravity and the refills. No windows here: the
// window turns clicks into cells, calls these routines and shows `labels`.
//
// Every routine runs to its end without yielding, so a click can never start
// inside a removal.
//
// Only these routines change BlnHighLighted: the board keeps a list of the
// bricks it flagged, so that dropping or removing a selection does not walk
// a million bricks. After bricks are added or removed it walks them once.
class GameBoard {
public:
    GameBoard(RandomSource& random, SelectionSounds& sounds);
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

    PanelLabels labels;

    Bricks& bricks() { return m_bricks; }
    const Bricks& bricks() const { return m_bricks; }

    // Fills an empty collection column by column for GameWidth x GameHeight;
    // a cell whose key is already taken is skipped.
    void GenTiles();
    // Removes position 1 until the collection is empty.
    void EmptyBoard();

    // Selects the group of the brick at (x, y), or removes the selected group
    // when that brick belongs to it and it holds at least two bricks. The
    // cell must hold a brick; ClickCell checks that.
    void Highlightblock(int32_t x, int32_t y);
    void UnHighlightAll();
    void ClearHighLighted();
    void DropBlocks();
    void CheckColumns();
    void FillEmptySpace();

    // The fill button: with more than 30 seconds left, take 30 and refill
    // every empty cell (true: the caller redraws); otherwise nothing.
    bool cmdFillSpace_Click();

    // Resets the counters for a new game of gameTime seconds and rewrites
    // lblTime, lblLevel, lblScore, lblNextLvl and lblMinmumBlock's text as a
    // new game leaves them (lblMinmumBlock keeps its colour).
    void ResetCounters(int32_t gameTime);

    // Level target T, grouping number and the requirement, from
    // A = GameWidth * GameHeight (largest indices, not counts).
    double LevelTarget() const;
    int32_t GroupingNumber() const;
    bool GroupingMet() const;

    // The text of lblMinmumBlock for a grouping number.
    static std::string MinimumBlockText(int32_t groupingNumber);

    // The cell under a pixel of the board surface (X div 32, Y div 32), or
    // nothing when the pixel lies outside the board.
    std::optional<CellCoord> CellAtPixel(double X, double Y) const;

    // A mouse release on cell (x, y) of the board, after the window has
    // started the clock: drops a selection the brick is not part of, then
    // selects or removes unless the cell is empty, and writes lblSelected.
    // True when the board has to be drawn again; false for an empty cell,
    // which leaves lblSelected and the picture as they were.
    bool ClickCell(int32_t x, int32_t y);

private:
    double area() const;
    void setNextLevelCaption();
    void refreshLayout();
    Brick& cell(int32_t x, int32_t y)
    {
        if (m_cells && x >= 0 && x <= GameWidth && y >= 0 && y <= GameHeight)
            return m_cells[int64_t(x) * (int64_t(GameHeight) + 1) + y];
        return cellByKey(x, y);
    }
    Brick& cellByKey(int32_t x, int32_t y);
    bool flaggedListValid() const;
    void flaggedListRestart();

    RandomSource& m_random;
    SelectionSounds& m_sounds;
    Bricks m_bricks;

    // When the collection holds exactly one brick per cell in generation
    // order, cell (x, y) is m_cells[x * (GameHeight + 1) + y]; otherwise
    // m_cells is null and cells are looked up by key.
    Brick* m_cells = nullptr;
    uint64_t m_layoutRevision = ~uint64_t(0);
    int32_t m_layoutWidth = -1;
    int32_t m_layoutHeight = -1;

    // The bricks flagged since the flags were last known to be all clear;
    // good while the collection has not changed since.
    std::vector<Brick*> m_flagged;
    bool m_flaggedComplete = false;
    uint64_t m_flaggedRevision = 0;

    // What gravity needs to know of a column before it moves anything.
    struct Column {
        int32_t empty = 0;    // number of gaps
        int32_t top = 0;      // row of the topmost brick; the row count when there is none
        int32_t lowest = -1;  // row of the lowest gap
        bool plain = true;    // every gap reads exactly "none"
    };
    std::vector<Column> m_columns;
};
