// The main window on Qt's offscreen platform (or whatever QT_QPA_PLATFORM
// names): start-up to the first painted board, one click through the board
// surface, a cursor key, and the peak memory of the real program running a
// default game.
#include "BoardGeometry.h"
#include "OffscreenGame.h"
#include "OffscreenMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <csignal>
#include <fcntl.h>
#include <cstdlib>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using offscreen::Game;

std::string SettingsFor(int columns, int rows)
{
    // A game long enough that the clock never ends it during the run.
    return "\r\n" + std::to_string(columns - 1) + "\r\n" + std::to_string(rows - 1) + "\r\n100000\r\nsound\r\n";
}

// From an unbuilt window to the first board painted on the screen: the
// start-up sequence, the window's layout and the first paint.
void BM_StartUpToFirstDrawnBoard(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto game = std::make_unique<Game>(std::string());
        state.ResumeTiming();
        game->window->Form_Load();
        if (!game->WaitForPaint())
            state.SkipWithError("the board was never painted");
        state.PauseTiming();
        game->window->close();
        game.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstDrawnBoard)->Unit(benchmark::kMillisecond)->Iterations(20);

// Counts the paint events a widget receives.
class PaintCounter final : public QObject {
public:
    int64_t paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// From the release of one click on the board to the board surface painted:
// range 2 is 0 for a click that selects a group, 1 for a click that removes
// the group the previous (untimed) click selected. Only bricks in view are
// clicked, as a player would.
void BM_ClickToPaint(benchmark::State& state)
{
    const auto columns = static_cast<int>(state.range(0));
    const auto rows = static_cast<int>(state.range(1));
    const bool remove = state.range(2) != 0;
    Game game(SettingsFor(columns, rows));
    game.window->Form_Load();
    game.WaitForPaint();
    const QWidget* interior = game.window->findChild<QWidget*>(QStringLiteral("PicMainInterior"));
    const int visibleColumns = std::min(columns, interior->width() / kCellPixels);
    const int visibleRows = std::min(rows, interior->height() / kCellPixels);
    PaintCounter counter;
    game.surface()->installEventFilter(&counter);
    const GameBoard& board = game.window->game().board;
    const auto clickAndPaint = [&](QPoint cell) {
        const int64_t before = counter.paints;
        game.Click(QPointF(kCellPixels * cell.x() + kCellPixels / 2, kCellPixels * cell.y() + kCellPixels / 2));
        for (int round = 0; round < 100 && counter.paints == before; ++round)
            QCoreApplication::processEvents();
        return counter.paints > before;
    };
    int64_t next = 0;
    int64_t clicks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QPoint cell;
        for (int tries = 0; tries < 2 * visibleColumns * visibleRows; ++tries) {
            // A board in view of gaps and lone bricks is filled, at the
            // price of time the long game can spare.
            if (tries == visibleColumns * visibleRows)
                game.window->game().cmdFillSpace_Click();
            ++next;
            cell = QPoint(static_cast<int>((next * 7) % visibleColumns), static_cast<int>((next * 5) % visibleRows));
            const Brick* brick = board.bricks().ItemByXY(cell.x(), cell.y());
            if (!brick || brick->StrColor == "None" || brick->StrColor == "none" || brick->BlnHighLighted)
                continue;
            if (!remove)
                break;
            clickAndPaint(cell);
            if (board.LngSelected >= 2)
                break;
        }
        state.ResumeTiming();
        if (!clickAndPaint(cell)) {
            state.SkipWithError("the click painted nothing");
            break;
        }
        ++clicks;
    }
    state.counters["painted_bricks"] = game.surface()->lastPaintedBricks();
    state.counters["score"] = board.LngScore;
}
BENCHMARK(BM_ClickToPaint)
    ->ArgNames({"columns", "rows", "remove"})
    ->Args({17, 12, 0})
    ->Args({17, 12, 1})
    ->Args({1000, 1000, 0})
    ->Args({1000, 1000, 1})
    ->Unit(benchmark::kMicrosecond);

// One cursor key through the window on a large board, with the repaint it
// causes. Range 1 walks as a held arrow does, row by row in a snake, so the
// view scrolls whenever the cursor reaches its edge; range 0 steps back and
// forth between two cells in view.
void BM_CursorMove(benchmark::State& state)
{
    const bool walk = state.range(0) != 0;
    Game game(SettingsFor(1000, 1000));
    game.window->Form_Load();
    game.WaitForPaint();
    PaintCounter counter;
    game.surface()->installEventFilter(&counter);
    int64_t moves = 0;
    int column = 0;
    bool rightwards = true;
    for (auto _ : state) {
        Qt::Key key = moves % 2 == 0 ? Qt::Key_Right : Qt::Key_Left;
        if (walk) {
            const bool turn = rightwards ? column == 999 : column == 0;
            key = turn ? Qt::Key_Down : rightwards ? Qt::Key_Right : Qt::Key_Left;
            if (turn)
                rightwards = !rightwards;
            else
                column += rightwards ? 1 : -1;
        }
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(game.window.get(), &press);
        QCoreApplication::processEvents();
        ++moves;
    }
    state.counters["paints_per_move"] = moves ? static_cast<double>(counter.paints) / moves : 0.0;
    state.counters["painted_bricks"] = game.surface()->lastPaintedBricks();
}
BENCHMARK(BM_CursorMove)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The peak resident memory (VmHWM) of the real program through start-up and
// a few seconds of an idle default game, closed by SIGTERM as a desktop
// would. Read from /proc rather than from the child's rusage, which would
// also count this process's memory, shared with the child until its exec.
void BM_PeakMemoryOfDefaultGame(benchmark::State& state)
{
    for (auto _ : state) {
        QTemporaryDir folder;
        const std::string program = folder.filePath(QStringLiteral("tolmora")).toStdString();
        QFile::copy(QStringLiteral(TOLMORA_PROGRAM), QString::fromStdString(program));
        std::vector<std::string> env;
        for (char** entry = environ; *entry; ++entry)
            env.emplace_back(*entry);
        if (!std::getenv("QT_QPA_PLATFORM"))
            env.emplace_back("QT_QPA_PLATFORM=offscreen");
        env.emplace_back("SDL_AUDIODRIVER=dummy");
        std::vector<char*> envp;
        for (std::string& entry : env)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_t child = 0;
        const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            state.SkipWithError("the program did not start");
            break;
        }
        double peakKiB = 0;
        const QString status = QStringLiteral("/proc/%1/status").arg(child);
        for (int tick = 0; tick < 30; ++tick) {
            usleep(100000);
            QFile file(status);
            if (!file.open(QIODevice::ReadOnly))
                break;
            for (const QByteArray& line : file.readAll().split('\n'))
                if (line.startsWith("VmHWM:"))
                    peakKiB = std::max(peakKiB, line.mid(6).trimmed().split(' ').first().toDouble());
        }
        kill(child, SIGTERM);
        int exitStatus = 0;
        waitpid(child, &exitStatus, 0);
        state.counters["peak_MB"] = peakKiB / 1024.0;
        state.counters["settings_written"] = QFile::exists(folder.filePath(QStringLiteral("Settings.log"))) ? 1 : 0;
    }
}
BENCHMARK(BM_PeakMemoryOfDefaultGame)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
