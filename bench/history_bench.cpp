// What the history costs the player: the record handed over at game over on
// the window's thread (target: under 5 ms), the same record written by the
// history's thread, and opening the Statistics window on a history of
// 100,000 games until its figures show (target: under 150 ms), all on a real
// file in a temporary folder.
#include "BackgroundHistory.h"
#include "GameHistory.h"
#include "frmStatistics.h"
#include "OffscreenMain.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>


namespace {

FinishedGame SomeGame(int i)
{
    const int32_t sizes[][2] = {{17, 12}, {10, 10}, {30, 20}, {100, 100}};
    const int32_t lengths[] = {60, 120, 300};
    // One game in five on a daily board, its number a date in January 2026.
    const bool daily = i % 5 == 0;
    return {"2026-12-06T23:10:00Z", sizes[i % 4][0], sizes[i % 4][1], lengths[i % 3],
            daily ? uint32_t(20260101 + i / 5 % 31) : uint32_t(i) * 2654435761u, (i * 7919) % 5000, 1 + i % 9,
            i % 400, 2 + i % 40, i % 3, i % 2 ? "Ann" : "", "", daily};
}

// Range 0 is 0 for what the window's thread pays to hand a finished game
// over, 1 for the write itself on the history's own thread.
void BM_RecordGame(benchmark::State& state)
{
    const bool timeTheWrite = state.range(0) != 0;
    QTemporaryDir temp;
    BackgroundHistory history(temp.path());
    history.Record(SomeGame(-1));
    history.Drain();
    int i = 0;
    for (auto _ : state) {
        history.Record(SomeGame(i++));
        if (!timeTheWrite)
            state.PauseTiming();
        history.Drain();
        if (!timeTheWrite)
            state.ResumeTiming();
    }
}
BENCHMARK(BM_RecordGame)->ArgName("onItsThread")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The games are written straight into the file in one transaction; only the
// reading side is measured.
void Fill(const QString& folder, int games)
{
    GameHistory(folder).Write({});
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-fill"));
    db.setDatabaseName(folder + QStringLiteral("/history.sqlite"));
    db.open();
    db.transaction();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO games (finished_at, width, height, game_time, board_number, score, level,"
                                  " bricks_removed, best_group, fills_used, player, daily) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < games; ++i) {
        const FinishedGame game = SomeGame(i);
        const QVariant values[] = {QString::fromStdString(game.finishedAt), game.width, game.height, game.gameTime,
                                   qint64{game.boardNumber}, game.score, game.level, game.bricksRemoved,
                                   game.bestGroup, game.fillsUsed, QString::fromStdString(game.player), int(game.daily)};
        for (int v = 0; v < int(std::size(values)); ++v) insert.bindValue(v, values[v]);
        insert.exec();
    }
    db.commit();
    insert.finish();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
}

void BM_OpenStatistics(benchmark::State& state)
{
    QTemporaryDir temp;
    Fill(temp.path(), int(state.range(0)));
    BackgroundHistory history(temp.path());
    for (auto _ : state) {
        frmStatistics window(history);
        bool shown = false;
        QObject::connect(&window, &frmStatistics::figuresShown, [&shown] { shown = true; });
        window.show();
        while (!shown) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_OpenStatistics)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
