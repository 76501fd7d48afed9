// The rules engine at the board sizes the new-game dialog allows: a new game,
// a click cycle and the refill of every empty cell, each on 17x12, 100x100
// and 1000x1000 cells. Run: build/bench/tolmora_bench
//   --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "BrickColors.h"
#include "GameBoard.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {
struct Game {
    Game(int32_t columns, int32_t rows, uint64_t seed) : random(seed), board(random)
    {
        board.GameWidth = columns - 1;
        board.GameHeight = rows - 1;
        board.ResetCounters(1000000);
        board.GenTiles();
    }
    double cells() const { return double(board.GameWidth + 1) * (board.GameHeight + 1); }
    double bytesPerCell() const { return double(board.bricks().MemoryUsage()) / cells(); }

    SeededRandomSource random;
    GameBoard board;
};

// A brick with a neighbour of its colour below or to the right, searched
// from a random cell onwards, as a player would point at one.
std::optional<CellCoord> findGroup(const GameBoard& board, std::mt19937& rng)
{
    const int64_t rows = int64_t(board.GameHeight) + 1;
    const int64_t cells = (int64_t(board.GameWidth) + 1) * rows;
    const int64_t start = std::uniform_int_distribution<int64_t>(0, cells - 1)(rng);
    for (int64_t i = 0; i < cells; ++i) {
        const int64_t at = (start + i) % cells;
        const auto x = static_cast<int32_t>(at / rows);
        const auto y = static_cast<int32_t>(at % rows);
        const Brick& brick = *board.bricks().ItemByXY(x, y);
        if (BrickColors::IsEmpty(brick.StrColor))
            continue;
        if ((y < board.GameHeight && board.bricks().ItemByXY(x, y + 1)->StrColor == brick.StrColor) ||
            (x < board.GameWidth && board.bricks().ItemByXY(x + 1, y)->StrColor == brick.StrColor))
            return CellCoord{x, y};
    }
    return std::nullopt;
}

// New game: empty the collection by position 1, then generate.
void NewGame(benchmark::State& state, int32_t columns, int32_t rows)
{
    Game game(columns, rows, 1);
    for (auto _ : state) {
        game.board.EmptyBoard();
        game.board.GenTiles();
    }
    state.counters["bytes_per_cell"] = game.bytesPerCell();
}

// One click cycle: drop the old selection, select a group, click it again to
// remove it (gravity, level check, refills). When random play has drained
// the board of groups, it is refilled outside the timing.
void ClickCycle(benchmark::State& state, int32_t columns, int32_t rows)
{
    Game game(columns, rows, 2);
    std::mt19937 rng(3);
    for (auto _ : state) {
        std::optional<CellCoord> cell = findGroup(game.board, rng);
        if (!cell) {
            state.PauseTiming();
            game.board.ResetCounters(1000000);
            game.board.FillEmptySpace();
            cell = findGroup(game.board, rng);
            state.ResumeTiming();
        }
        game.board.UnHighlightAll();
        game.board.Highlightblock(cell->x, cell->y);
        game.board.Highlightblock(cell->x, cell->y);
    }
    state.counters["bytes_per_cell"] = game.bytesPerCell();
}

// FillEmptySpace on a played board: the top rows of the columns are empty,
// up to a quarter of the height, as random play leaves them.
void FillEmptySpace(benchmark::State& state, int32_t columns, int32_t rows)
{
    Game game(columns, rows, 4);
    std::mt19937 rng(5);
    std::uniform_int_distribution<int32_t> gap(0, rows / 4);
    int64_t filled = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<int32_t> tops(static_cast<size_t>(columns));
        for (int32_t& top : tops) {
            top = gap(rng);
            filled += top;
        }
        Bricks played;
        played.Reserve(static_cast<size_t>(game.cells()));
        for (const Brick& brick : game.board.bricks())
            played.AddAtCell(false, brick.LngY < tops[brick.LngX] ? BrickColors::FallenMarker : brick.StrColor,
                             brick.LngY, brick.LngX);
        game.board.Replace(std::move(played));
        state.ResumeTiming();
        game.board.FillEmptySpace();
    }
    state.counters["cells_filled"] = benchmark::Counter(double(filled), benchmark::Counter::kAvgIterations);
}

struct Size {
    int32_t columns;
    int32_t rows;
    benchmark::TimeUnit unit;
};

const bool registered = [] {
    for (Size size : {Size{17, 12, benchmark::kMicrosecond}, Size{100, 100, benchmark::kMicrosecond},
                      Size{1000, 1000, benchmark::kMillisecond}}) {
        const std::string name = std::to_string(size.columns) + "x" + std::to_string(size.rows);
        benchmark::RegisterBenchmark(("NewGame/" + name).c_str(), NewGame, size.columns, size.rows)
            ->Unit(size.columns == 17 ? benchmark::kMicrosecond : benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("ClickCycle/" + name).c_str(), ClickCycle, size.columns, size.rows)
            ->Unit(size.unit);
        benchmark::RegisterBenchmark(("FillEmptySpace/" + name).c_str(), FillEmptySpace, size.columns, size.rows)
            ->Unit(size.unit);
    }
    return true;
}();
}  // namespace
