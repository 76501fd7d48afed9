// What recordings cost. Run: build/bench/tolmora_replay_bench
//   --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// RecordMove: a press the board takes no notice of (off the board), so that
// the game's own bookkeeping, the recording included, is what is timed;
// RecordMove/0 is the same press without a clock (the move is still kept,
// at 0 ms), to show what reading the clock costs. LoadReplay: decoding a two-minute game
// of 500 moves and building its board, at the default size and the largest.
// LargestGroup: labelling the groups of a 1000 x 1000 board.
#include "GameFlow.h"
#include "GameReplay.h"
#include "LargestGroup.h"
#include "MemorySettingsStore.h"
#include "ModSound.h"
#include "RecordingAudioBackend.h"
#include "RecordingGameView.h"
#include "ScriptedFileDialog.h"
#include "ScriptedInputBox.h"
#include "ScriptedMessageBox.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

namespace {

class SteadyClock final : public GameClock {
public:
    int64_t SteadyMs() override
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

void RecordMove(benchmark::State& state)
{
    RecordingGameView view;
    RecordingAudioBackend audio;
    ModSound sound{audio};
    SeededRandomSource random{1};
    ScriptedMessageBox messages;
    ScriptedInputBox input;
    ScriptedFileDialog files;
    MemorySettingsStore settings;
    SteadyClock clock;
    GameFlow flow{view, sound, random, messages, input, files, settings, "/opt/tolmora"};
    if (state.range(0)) flow.setClock(&clock);
    flow.Form_Load();
    int64_t inGame = 0;
    for (auto _ : state) {
        // A game holds a few thousand moves at most; a new one keeps the sizes steady.
        if (++inGame == 4000) {
            state.PauseTiming();
            flow.NewGame();
            inGame = 0;
            state.ResumeTiming();
        }
        flow.PicMap_MouseUp(CellCoord{-1, 0});
    }
    benchmark::DoNotOptimize(flow.recording().moves.data());
}
BENCHMARK(RecordMove)->Arg(1)->Arg(0)->Unit(benchmark::kNanosecond);

GameRecording TwoMinuteGame(int32_t width, int32_t height)
{
    GameRecording game{20240601u, width, height, 120, {}, {}};
    std::mt19937 rng(5);
    uint32_t time = 0;
    for (int i = 0; i < 500; ++i) {
        time += 100 + rng() % 300;
        game.moves.push_back({time, time / 1000, GameRecording::Kind::Press, GameRecording::Press::Selected,
                              int32_t(rng() % uint32_t(width)), int32_t(rng() % uint32_t(height))});
    }
    return game;
}

void LoadReplay(benchmark::State& state)
{
    const std::string bytes = EncodeRecording(TwoMinuteGame(int32_t(state.range(0)), int32_t(state.range(1))));
    for (auto _ : state) {
        GameReplay replay(*DecodeRecording(bytes));
        benchmark::DoNotOptimize(replay.nextMove());
    }
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(LoadReplay)->Args({17, 12})->Args({1000, 1000})->Unit(benchmark::kMillisecond);

void LargestGroupOf(benchmark::State& state)
{
    SeededRandomSource random(1);
    GameBoard board(random);
    board.GameWidth = int32_t(state.range(0)) - 1;
    board.GameHeight = int32_t(state.range(0)) - 1;
    board.ResetCounters(120);
    board.GenTiles();
    for (auto _ : state) benchmark::DoNotOptimize(LargestGroup(board).size);
    state.counters["size"] = LargestGroup(board).size;
}
BENCHMARK(LargestGroupOf)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
