#include "GameBoard.h"

#include "BrickColors.h"
#include "RoundHalfEven.h"

#include <algorithm>
#include <cassert>
#include <limits>

namespace {
bool isEmpty(const Brick& brick)
{
    return BrickColors::IsEmpty(brick.StrColor);
}

// A counter that a sum would take past 32 bits keeps its value: the step is
// skipped, and the rest of the removal goes on. Returns what was added.
int64_t addUnlessOverflow(int32_t& counter, int64_t amount)
{
    const int64_t sum = int64_t(counter) + amount;
    if (sum > std::numeric_limits<int32_t>::max() || sum < std::numeric_limits<int32_t>::min())
        return 0;
    counter = static_cast<int32_t>(sum);
    return amount;
}
}  // namespace

GameBoard::GameBoard(RandomSource& random) : m_random(random) {}

double GameBoard::area() const
{
    return static_cast<double>(int64_t(GameWidth) * GameHeight);
}

double GameBoard::LevelTarget() const
{
    return area() / 4 * LngLevel + LngLevelBase;
}

int32_t GameBoard::GroupingNumber() const
{
    const int64_t twice = 2 * int64_t(LngLevel);
    if (twice < area() / 3)
        return static_cast<int32_t>(twice);
    return static_cast<int32_t>(RoundHalfEven(area() / 3));
}

bool GameBoard::GroupingMet() const
{
    return LngBestGroup >= 2 * int64_t(LngLevel) || LngBestGroup >= area() / 3;
}

// Works out where each cell's brick lies and which bricks are flagged: once
// for a collection the board did not build itself in generation order.
void GameBoard::indexCells()
{
    m_cells = nullptr;
    m_flagged.clear();
    for (Brick& brick : m_bricks)
        if (brick.BlnHighLighted)
            m_flagged.push_back(&brick);

    const int64_t columns = int64_t(m_bricks.LngMaxX) + 1;
    const int64_t rows = int64_t(m_bricks.LngMaxY) + 1;
    if (m_bricks.Count() == 0 || columns * rows != m_bricks.Count())
        return;
    Brick* base = m_bricks.Item(1);
    for (int32_t x = 0; x < columns; ++x)
        for (int32_t y = 0; y < rows; ++y)
            if (m_bricks.FindCell(x, y) != base + x * rows + y)
                return;
    m_cells = base;
    m_cellColumns = static_cast<int32_t>(columns);
    m_cellRows = static_cast<int32_t>(rows);
}

Brick& GameBoard::cellByKey(int32_t x, int32_t y)
{
    Brick* brick = m_bricks.FindCell(x, y);
    if (!brick)
        throw BricksError("no brick for cell " + CellKey(x, y));
    return *brick;
}

void GameBoard::GenTiles()
{
    if (m_bricks.Count() > 0) {
        // Cells that already hold a brick keep it; the collection may move
        // in memory, so the board looks at it afresh afterwards.
        for (int32_t x = 0; x <= GameWidth; ++x)
            for (int32_t y = 0; y <= GameHeight; ++y) {
                const std::string_view color = DrawColor(m_random);
                if (!m_bricks.FindCell(x, y))
                    m_bricks.AddAtCell(false, color, y, x);
            }
        indexCells();
        return;
    }
    if (GameWidth < 0 || GameHeight < 0)
        return;
    m_bricks.Reserve(static_cast<size_t>((int64_t(GameWidth) + 1) * (int64_t(GameHeight) + 1)));
    for (int32_t x = 0; x <= GameWidth; ++x)
        for (int32_t y = 0; y <= GameHeight; ++y)
            m_bricks.AddAtCell(false, DrawColor(m_random), y, x);
    // Built here in generation order: no brick is flagged, and the cells
    // lie column by column.
    m_flagged.clear();
    m_cells = m_bricks.Item(1);
    m_cellColumns = GameWidth + 1;
    m_cellRows = GameHeight + 1;
}

void GameBoard::EmptyBoard()
{
    m_cells = nullptr;
    m_flagged.clear();
    while (m_bricks.Count() > 0)
        m_bricks.Remove(1);
}

void GameBoard::Replace(Bricks bricks)
{
    m_bricks = std::move(bricks);
    indexCells();
}

// The flood fill runs on an explicit stack of frames that replays the
// recursive order exactly (below, above, right, left, each neighbour tested
// just before its turn), so any board size is safe and the bricks are
// flagged, counted and sounded as the recursion would.
ClickOutcome GameBoard::Highlightblock(int32_t x, int32_t y)
{
    ClickOutcome outcome;
    outcome.redraw = true;
    Brick& first = cell(x, y);
    if (first.BlnHighLighted && LngSelected > 1) {
        outcome.clearCue = true;
        outcome.removal = ClearHighLighted();
        outcome.selected = LngSelected;
        return outcome;
    }
    assert(!isEmpty(first));

    struct Frame {
        int32_t x;
        int32_t y;
        int32_t next;  // the neighbour to look at next, 0 to 3
    };
    std::vector<Frame> stack;
    stack.reserve(64);
    const std::string color = first.StrColor;
    auto enter = [&](int32_t cx, int32_t cy, Brick& brick) {
        ++outcome.highlightCues;
        if (!brick.BlnHighLighted) {
            ++LngSelected;
            m_flagged.push_back(&brick);
        }
        brick.BlnHighLighted = true;
        stack.push_back({cx, cy, 0});
    };

    enter(x, y, first);
    while (!stack.empty()) {
        Frame& frame = stack.back();
        int32_t nx = frame.x;
        int32_t ny = frame.y;
        switch (frame.next++) {
        case 0:
            if (ny >= GameHeight)
                continue;
            ++ny;
            break;
        case 1:
            if (ny <= 0)
                continue;
            --ny;
            break;
        case 2:
            if (nx >= GameWidth)
                continue;
            ++nx;
            break;
        case 3:
            if (nx <= 0)
                continue;
            --nx;
            break;
        default:
            stack.pop_back();
            continue;
        }
        Brick& neighbour = cell(nx, ny);
        if (!neighbour.BlnHighLighted && neighbour.StrColor == color)
            enter(nx, ny, neighbour);
    }
    outcome.selected = LngSelected;
    return outcome;
}

void GameBoard::UnHighlightAll()
{
    for (Brick* brick : m_flagged)
        brick->BlnHighLighted = false;
    m_flagged.clear();
    LngSelected = 0;
}

// Points stop once the level's brick target is reached: the player must
// then meet the grouping requirement to move on, and farming small groups
// past the target earns nothing. The score is granted or refused before the
// removed bricks are counted.
Removal GameBoard::ClearHighLighted()
{
    Removal removal;
    const int32_t n = LngSelected;
    removal.bricks = n;

    for (Brick* brick : m_flagged) {
        brick->StrColor = BrickColors::RemovedMarker;
        brick->BlnHighLighted = false;
    }
    m_flagged.clear();

    if (n > LngBestGroup) {
        LngBestGroup = n;
        removal.bestGroupMeetsGrouping = !(LngBestGroup < 2 * int64_t(LngLevel) && LngBestGroup < area() / 3);
    }

    if (LevelTarget() > LngBricksRemoved)
        removal.points = static_cast<int32_t>(addUnlessOverflow(LngScore, int64_t(n) * (int64_t(n) - 1)));
    else
        removal.pointsRefused = true;

    addUnlessOverflow(LngBricksRemoved, n);

    DropBlocks();

    // No yield to the event loop here: a clock tick waits until the removal
    // is complete, and no click can start a second removal halfway.

    if (LngBricksRemoved > LevelTarget() && GroupingMet()) {
        LngLevelBase = static_cast<int32_t>(RoundHalfEven(area() / 4 * (int64_t(LngLevel) - 1) + LngLevelBase));
        ++LngLevel;
        removal.newLevel = LngLevel;
        removal.groupingNumber = GroupingNumber();
        removal.bonusSeconds += static_cast<int32_t>(addUnlessOverflow(LngTimeLeft, 30));
        removal.clockAfterBonus = LngTimeLeft;
        LngBestGroup = 0;
        FillEmptySpace();
    }

    if (n >= 2 * int64_t(LngLevel)) {
        removal.bonusSeconds += static_cast<int32_t>(addUnlessOverflow(LngTimeLeft, 5));
        removal.clockAfterBonus = LngTimeLeft;
    }

    CheckColumns();
    removal.bricksForLevel = BricksForLevel();
    LngSelected = 0;
    return removal;
}

// Gravity gives exactly what passes of "every empty cell takes the colour
// above it, the top cell becomes "none"" give until a pass moves no brick.
// Seen per column, each pass drops the lowest empty cell's marker and puts
// "none" on top, and every pass runs on every column, so the markers' spelling
// depends on how many passes the whole board needed: one more than the
// largest number of empty cells below a column's topmost brick. Each column
// is then rebuilt in one sweep instead of pass by pass.
void GameBoard::DropBlocks()
{
    if (GameWidth < 0 || GameHeight < 0)
        return;
    const int32_t rows = GameHeight + 1;

    std::vector<Column>& columns = m_columns;
    columns.assign(static_cast<size_t>(GameWidth) + 1, Column{});
    int64_t passes = 1;
    for (int32_t x = 0; x <= GameWidth; ++x) {
        Column& column = columns[x];
        column.top = rows;
        for (int32_t y = 0; y < rows; ++y) {
            const Brick& brick = cell(x, y);
            if (isEmpty(brick)) {
                ++column.empty;
                column.lowest = y;
                column.plain = column.plain && brick.StrColor == BrickColors::FallenMarker;
            } else if (column.top == rows) {
                column.top = y;
            }
        }
        if (column.top < rows)
            passes = std::max<int64_t>(passes, int64_t(column.empty - column.top) + 1);
    }

    for (int32_t x = 0; x <= GameWidth; ++x) {
        const Column& column = columns[x];
        // A settled column whose gaps all read "none" comes out as it went in.
        if (column.empty == 0 || (column.lowest < column.top && column.plain))
            continue;
        const int32_t fresh = static_cast<int32_t>(std::min<int64_t>(passes, column.empty));
        const int32_t kept = column.empty - fresh;  // markers from the top of the column that survive

        // Bricks settle at the bottom in their order; those below the lowest
        // gap stay where they are.
        int32_t write = column.lowest;
        for (int32_t y = column.lowest; y >= column.top; --y) {
            Brick& from = cell(x, y);
            if (isEmpty(from))
                continue;
            cell(x, write).StrColor = std::move(from.StrColor);
            --write;
        }
        // The surviving markers slide down by the number of fresh ones.
        for (int32_t y = kept - 1; y >= 0; --y)
            cell(x, y + fresh).StrColor = std::move(cell(x, y).StrColor);
        for (int32_t y = 0; y < fresh; ++y)
            cell(x, y).StrColor = BrickColors::FallenMarker;
    }
}

void GameBoard::CheckColumns()
{
    for (int32_t x = 0; x <= GameWidth; ++x) {
        if (!isEmpty(cell(x, GameHeight)))
            continue;
        for (int32_t y = 0; y <= GameHeight; ++y)
            cell(x, y).StrColor = DrawColor(m_random);
    }
}

void GameBoard::FillEmptySpace()
{
    for (int32_t x = 0; x <= GameWidth; ++x) {
        for (int32_t y = 0; y <= GameHeight; ++y) {
            Brick& brick = cell(x, y);
            if (isEmpty(brick))
                brick.StrColor = DrawColor(m_random);
        }
    }
}

bool GameBoard::FillForPenalty()
{
    if (!CanFillForPenalty())
        return false;
    LngTimeLeft -= 30;
    FillEmptySpace();
    return true;
}

void GameBoard::ResetCounters(int32_t gameTime)
{
    LngTimeLeft = gameTime;
    LngLevel = 1;
    LngScore = 0;
    LngSelected = 0;
    LngBricksRemoved = 0;
    LngBestGroup = 0;
    LngLevelBase = 0;
}

ClickOutcome GameBoard::ClickCell(int32_t x, int32_t y)
{
    if (x < 0 || x > GameWidth || y < 0 || y > GameHeight)
        return {};
    Brick& brick = cell(x, y);
    if (!brick.BlnHighLighted)
        UnHighlightAll();
    if (isEmpty(brick))
        return {};
    return Highlightblock(x, y);
}
