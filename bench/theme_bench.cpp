// Themes that ask for much, each in a child process of its own (this program
// started again with --child), so that its peak resident memory (VmHWM) is
// its own: the largest background picture we accept and one big wave named
// on all six sound lines, from start-up to the first painted board; and the
// hostile themes, chosen through the Theme menu of a running game, up to the
// answered click that follows.
#include "HostileFiles.h"
#include "OffscreenGame.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using offscreen::Game;

std::string g_self;

double PeakKiB()
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble();
    return 0;
}

// The child's part. "start THEME": start-up with THEME remembered, to the
// first painted board. "choose THEME": a default game, its peak reset, then
// THEME through the Theme menu and a click on the board that must highlight.
// Prints "milliseconds peak-KiB".
int RunChild(const std::string& mode, const std::string& theme)
{
    int argc = 1;
    char* argv[] = {g_self.data(), nullptr};
    QApplication app(argc, argv);
    QElapsedTimer clock;
    clock.start();
    Game game(mode == "start" ? theme + "\r\n" : std::string());
    game.window->Form_Load();
    if (!game.WaitForPaint())
        return 2;
    if (mode == "choose") {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");  // resets VmHWM to the present resident size
        clock.restart();
        game.files.answer = theme;
        game.window->MnuTheme->trigger();
        QCoreApplication::processEvents();
        game.Click(QPointF(16, 16));
        if (!game.window->game().board.bricks().ItemByXY(0, 0)->BlnHighLighted)
            return 3;
    }
    std::printf("%lld %.0f\n", static_cast<long long>(clock.elapsed()), PeakKiB());
    return 0;
}

// Runs one child and reports its time as the iteration's and its peak.
void Measure(benchmark::State& state, const std::string& mode, const fs::path& theme)
{
    for (auto _ : state) {
        const std::string command = "'" + g_self + "' --child " + mode + " '" + theme.string() + "' 2>/dev/null";
        FILE* child = popen(command.c_str(), "r");
        long long ms = -1;
        double kib = 0;
        const int read = child ? std::fscanf(child, "%lld %lf", &ms, &kib) : 0;
        const int status = child ? pclose(child) : -1;
        if (read != 2 || status != 0) {
            state.SkipWithError("the child failed");
            break;
        }
        state.SetIterationTime(static_cast<double>(ms) / 1000.0);
        state.counters["peak_MB"] = kib / 1024.0;
    }
}

struct Scratch {
    Scratch() { folder = fs::path(dir.path().toStdString()); }
    QTemporaryDir dir;
    fs::path folder;
};

// A theme of eight brick pictures (one small BMP) and then `rest` from line 9.
fs::path WriteTheme(const fs::path& folder, const std::string& rest)
{
    hostile::WriteBmp(folder / "brick.bmp", 32, 32);
    std::string text;
    for (int line = 1; line <= 8; ++line)
        text += hostile::PictureLineFor(folder / "brick.bmp") + "\n";
    const fs::path theme = folder / "theme.tlm";
    hostile::WriteFile(theme, text + rest);
    return theme;
}

// The largest picture a theme may name, 8192 x 8192 at 24 bits (192 MB),
// as the background of the default board.
void BM_StartUpWithLargestBackground(benchmark::State& state)
{
    Scratch scratch;
    hostile::WriteBmp(scratch.folder / "back.bmp", 8192, 8192);
    Measure(state, "start", WriteTheme(scratch.folder, "\n" + (scratch.folder / "back.bmp").string() + "\n"));
}
BENCHMARK(BM_StartUpWithLargestBackground)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// One 60 MB wave named on all six sound lines.
void BM_StartUpWithOneWaveOnSixLines(benchmark::State& state)
{
    Scratch scratch;
    hostile::WriteWave(scratch.folder / "big.wav", 2, 60ull << 20, 60u << 20);
    std::string text(3, '\n');
    for (int line = 12; line <= 17; ++line)
        text += (scratch.folder / "big.wav").string() + "\n";
    Measure(state, "start", WriteTheme(scratch.folder, text));
}
BENCHMARK(BM_StartUpWithOneWaveOnSixLines)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// Both at once: the largest background and the big wave on all six lines.
void BM_StartUpWithLargestBackgroundAndOneWave(benchmark::State& state)
{
    Scratch scratch;
    hostile::WriteBmp(scratch.folder / "back.bmp", 8192, 8192);
    hostile::WriteWave(scratch.folder / "big.wav", 2, 60ull << 20, 60u << 20);
    std::string text = "\n" + (scratch.folder / "back.bmp").string() + "\n\n";
    for (int line = 12; line <= 17; ++line)
        text += (scratch.folder / "big.wav").string() + "\n";
    Measure(state, "start", WriteTheme(scratch.folder, text));
}
BENCHMARK(BM_StartUpWithLargestBackgroundAndOneWave)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// Each hostile theme chosen during a game; the peak is what choosing it and
// the click after it added to the game's resident memory at that moment.
void BM_ChooseHostileTheme(benchmark::State& state, std::string name)
{
    Scratch scratch;
    for (const auto& [caseName, theme] : hostile::MakeHostileThemes(scratch.folder))
        if (caseName == name)
            Measure(state, "choose", theme);
}

}  // namespace

int main(int argc, char** argv)
{
    g_self = fs::canonical("/proc/self/exe").string();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0)
        return RunChild(argv[2], argv[3]);
    for (const char* name : {"dev-zero", "dev-urandom", "fifo", "folder", "100MB-file", "truncated-picture",
                             "20000-pixels", "4GB-wave", "zero-channels", "non-utf8", "1MB-line", "million-lines"})
        benchmark::RegisterBenchmark(("BM_ChooseHostileTheme/" + std::string(name)).c_str(), BM_ChooseHostileTheme,
                                     std::string(name))
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
