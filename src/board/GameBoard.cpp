#include "GameBoard.h"

#include "BrickColors.h"
#include "CTime.h"
#include "RoundHalfEven.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

namespace {
constexpr int32_t kCellPixels = 32;
constexpr const char* kCrLf = "\r\n";

bool isEmpty(const Brick& brick)
{
    return BrickColors::IsEmpty(brick.StrColor);
}

// A counter that a sum would take past 32 bits keeps its value: the step is
// skipped, and the rest of the removal goes on.
void addUnlessOverflow(int32_t& counter, int64_t amount)
{
    const int64_t sum = int64_t(counter) + amount;
    if (sum <= std::numeric_limits<int32_t>::max() && sum >= std::numeric_limits<int32_t>::min())
        counter = static_cast<int32_t>(sum);
}
}  // namespace

GameBoard::GameBoard(RandomSource& random, SelectionSounds& sounds) : m_random(random), m_sounds(sounds) {}

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

std::string GameBoard::MinimumBlockText(int32_t groupingNumber)
{
    return "When this text turns green you have aquired the minimum Grouping score for your level. "
           "Each level has a minimum number of bricks that must be grouped together. "
           "The grouping number for your level is" +
           std::string(kCrLf) + std::to_string(groupingNumber);
}

// The panel counts in 16 bits: a number of bricks that does not fit leaves
// the previous caption standing.
void GameBoard::setNextLevelCaption()
{
    const double left = RoundHalfEven(LevelTarget() - LngBricksRemoved);
    if (!(left >= std::numeric_limits<int16_t>::min() && left <= std::numeric_limits<int16_t>::max()))
        return;
    labels.lblNextLvl.caption = "Bricks For Level" + std::string(kCrLf) + std::to_string(static_cast<int>(left));
}

void GameBoard::refreshLayout()
{
    if (m_layoutRevision == m_bricks.Revision() && m_layoutWidth == GameWidth && m_layoutHeight == GameHeight)
        return;
    m_layoutRevision = m_bricks.Revision();
    m_layoutWidth = GameWidth;
    m_layoutHeight = GameHeight;
    m_cells = nullptr;

    const int64_t columns = int64_t(GameWidth) + 1;
    const int64_t rows = int64_t(GameHeight) + 1;
    if (GameWidth < 0 || GameHeight < 0 || columns * rows != m_bricks.Count())
        return;
    Brick* base = m_bricks.Item(1);
    try {
        for (int32_t x = 0; x <= GameWidth; ++x)
            for (int32_t y = 0; y <= GameHeight; ++y)
                if (m_bricks.ItemByXY(x, y) != base + x * rows + y)
                    return;
    } catch (const BricksError&) {
        return;
    }
    m_cells = base;
}

Brick& GameBoard::cellByKey(int32_t x, int32_t y)
{
    Brick* brick = m_bricks.ItemByXY(x, y);
    if (!brick)
        throw BricksError("no brick for cell " + CellKey(x, y));
    return *brick;
}

bool GameBoard::flaggedListValid() const
{
    return m_flaggedComplete && m_flaggedRevision == m_bricks.Revision();
}

// No brick is flagged now.
void GameBoard::flaggedListRestart()
{
    m_flagged.clear();
    m_flaggedComplete = true;
    m_flaggedRevision = m_bricks.Revision();
}

void GameBoard::GenTiles()
{
    const bool wasEmpty = m_bricks.Count() == 0;
    if (wasEmpty && GameWidth >= 0 && GameHeight >= 0)
        m_bricks.Reserve(static_cast<size_t>((int64_t(GameWidth) + 1) * (int64_t(GameHeight) + 1)));
    for (int32_t x = 0; x <= GameWidth; ++x) {
        for (int32_t y = 0; y <= GameHeight; ++y) {
            const std::string_view color = DrawColor(m_random);
            try {
                m_bricks.AddAtCell(false, color, y, x);
            } catch (const BricksError&) {
                // The cell's key is taken: keep the brick that is there.
            }
        }
    }
    if (wasEmpty) {
        // Built here in generation order, so the layout needs no checking.
        flaggedListRestart();
        m_layoutRevision = m_bricks.Revision();
        m_layoutWidth = GameWidth;
        m_layoutHeight = GameHeight;
        m_cells = m_bricks.Count() > 0 ? m_bricks.Item(1) : nullptr;
    }
}

void GameBoard::EmptyBoard()
{
    while (m_bricks.Count() > 0)
        m_bricks.Remove(1);
}

// The flood fill runs on an explicit stack of frames that replays the
// recursive order exactly (below, above, right, left, each neighbour tested
// just before its turn), so any board size is safe and the bricks are
// flagged, counted and sounded as the recursion would.
void GameBoard::Highlightblock(int32_t x, int32_t y)
{
    refreshLayout();
    Brick& first = cell(x, y);
    if (first.BlnHighLighted && LngSelected > 1) {
        m_sounds.PlayClear();
        ClearHighLighted();
        return;
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
    const bool listed = flaggedListValid();
    auto enter = [&](int32_t cx, int32_t cy, Brick& brick) {
        m_sounds.PlayHighlight();
        if (!brick.BlnHighLighted) {
            ++LngSelected;
            if (listed)
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
}

void GameBoard::UnHighlightAll()
{
    if (flaggedListValid()) {
        for (Brick* brick : m_flagged)
            brick->BlnHighLighted = false;
    } else {
        for (Brick& brick : m_bricks)
            if (brick.BlnHighLighted)
                brick.BlnHighLighted = false;
    }
    flaggedListRestart();
    LngSelected = 0;
}

// Points stop once the level's brick target is reached: the player must
// then meet the grouping requirement to move on, and farming small groups
// past the target earns nothing. The score is granted or refused before the
// removed bricks are counted.
void GameBoard::ClearHighLighted()
{
    const int32_t n = LngSelected;

    auto empty = [](Brick& brick) {
        brick.StrColor = BrickColors::RemovedMarker;
        brick.BlnHighLighted = false;
    };
    if (flaggedListValid()) {
        for (Brick* brick : m_flagged)
            empty(*brick);
    } else {
        for (Brick& brick : m_bricks)
            if (brick.BlnHighLighted)
                empty(brick);
    }
    flaggedListRestart();

    if (n > LngBestGroup) {
        LngBestGroup = n;
        const bool belowRequirement = LngBestGroup < 2 * int64_t(LngLevel) && LngBestGroup < area() / 3;
        labels.lblMinmumBlock.color = belowRequirement ? kColorRed : kColorGreen;
    }

    if (LevelTarget() > LngBricksRemoved)
        addUnlessOverflow(LngScore, int64_t(n) * (int64_t(n) - 1));
    else
        labels.lblScore.color = kColorRed;

    addUnlessOverflow(LngBricksRemoved, n);

    DropBlocks();

    // No yield to the event loop here: a clock tick waits until the removal
    // is complete, and no click can start a second removal halfway.

    if (LngBricksRemoved > LevelTarget() && GroupingMet()) {
        LngLevelBase = static_cast<int32_t>(RoundHalfEven(area() / 4 * (int64_t(LngLevel) - 1) + LngLevelBase));
        ++LngLevel;
        labels.lblLevel.caption = "Level: " + std::to_string(LngLevel);
        labels.lblMinmumBlock.caption = MinimumBlockText(GroupingNumber());
        labels.lblMinmumBlock.color = kColorRed;
        addUnlessOverflow(LngTimeLeft, 30);
        labels.lblTime.caption = CTime(LngTimeLeft);
        labels.lblScore.color = kColorBlack;
        LngBestGroup = 0;
        FillEmptySpace();
    }

    if (n >= 2 * int64_t(LngLevel)) {
        addUnlessOverflow(LngTimeLeft, 5);
        labels.lblTime.caption = CTime(LngTimeLeft);
    }

    CheckColumns();
    setNextLevelCaption();
    LngSelected = 0;
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
    refreshLayout();
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
    refreshLayout();
    for (int32_t x = 0; x <= GameWidth; ++x) {
        if (!isEmpty(cell(x, GameHeight)))
            continue;
        for (int32_t y = 0; y <= GameHeight; ++y)
            cell(x, y).StrColor = DrawColor(m_random);
    }
}

void GameBoard::FillEmptySpace()
{
    refreshLayout();
    for (int32_t x = 0; x <= GameWidth; ++x) {
        for (int32_t y = 0; y <= GameHeight; ++y) {
            Brick& brick = cell(x, y);
            if (isEmpty(brick))
                brick.StrColor = DrawColor(m_random);
        }
    }
}

bool GameBoard::cmdFillSpace_Click()
{
    if (LngTimeLeft <= 30)
        return false;
    LngTimeLeft -= 30;
    FillEmptySpace();
    return true;
}

void GameBoard::ResetCounters(int32_t gameTime)
{
    LngTimeLeft = gameTime;
    labels.lblTime.caption = CTime(LngTimeLeft);
    LngLevel = 1;
    LngScore = 0;
    LngSelected = 0;
    LngBricksRemoved = 0;
    LngBestGroup = 0;
    LngLevelBase = 0;
    labels.lblScore.color = kColorBlack;
    labels.lblLevel.caption = "Level: 1";
    labels.lblScore.caption = "0";
    setNextLevelCaption();
    labels.lblMinmumBlock.caption = MinimumBlockText(2 * LngLevel);
}

std::optional<CellCoord> GameBoard::CellAtPixel(double X, double Y) const
{
    const double column = std::floor(X / kCellPixels);
    const double row = std::floor(Y / kCellPixels);
    // Written so that NaN falls outside too.
    if (!(column >= 0 && column <= GameWidth && row >= 0 && row <= GameHeight))
        return std::nullopt;
    return CellCoord{static_cast<int32_t>(column), static_cast<int32_t>(row)};
}

bool GameBoard::ClickCell(int32_t x, int32_t y)
{
    if (x < 0 || x > GameWidth || y < 0 || y > GameHeight)
        return false;
    refreshLayout();
    Brick& brick = cell(x, y);
    if (!brick.BlnHighLighted)
        UnHighlightAll();
    if (isEmpty(brick))
        return false;
    Highlightblock(x, y);
    labels.lblSelected.caption = "Bricks Selected" + std::string(kCrLf) + std::to_string(LngSelected);
    return true;
}
