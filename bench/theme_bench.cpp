// Themes that ask for much, each in a child process of its own (this program
// started again with --child), so that its peak resident memory (VmHWM) is
// its own: the largest background picture we accept, one big wave named on
// all six sound lines, the worst theme within the limits (that background
// and waves filling the sound budget, one of them then played through SDL's
// dummy driver) and a background over the limit, from start-up to the first
// painted board; and the hostile themes, chosen through the Theme menu of a
// running game, up to the answered click that follows; and the built-in set.
#include "HostileFiles.h"
#include "OffscreenGame.h"
#include "SdlAudioBackend.h"
#include "ThemeFiles.h"

#include <QAction>
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
// first painted board. "play THEME": the same with SDL's audio on its dummy
// driver, then the main tune played and the last-minute tune after it.
// "choose THEME": a default game, its peak reset, then THEME through the
// Theme menu and a click on the board that must highlight. Prints
// "milliseconds peak-KiB".
int RunChild(const std::string& mode, const std::string& theme)
{
    int argc = 1;
    char* argv[] = {g_self.data(), nullptr};
    QApplication app(argc, argv);
    std::unique_ptr<AudioBackend> backend = std::make_unique<NullAudioBackend>();
    if (mode == "play") {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        auto sdl = std::make_unique<SdlAudioBackend>();
        if (!sdl->IsOpen())
            return 4;
        backend = std::move(sdl);
    }
    QElapsedTimer clock;
    clock.start();
    Game game(mode == "choose" ? std::string() : theme + "\r\n", std::move(backend));
    game.window->Form_Load();
    if (!game.WaitForPaint())
        return 2;
    if (mode == "play") {
        if (!game.sound.clips.main || !game.sound.clips.lastMin || game.sound.clips.main == game.sound.clips.lastMin)
            return 5;
        game.sound.PlayMain();
        game.sound.PlayLastMin();
    }
    if (mode == "choose") {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");  // resets VmHWM to the present resident size
        clock.restart();
        game.files.answer = theme;
        game.window->findChild<QAction*>(QStringLiteral("MnuTheme"))->trigger();
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

// A theme of the eight bricks, then `background` on line 10 and `waves` on
// lines 12 to 17 (as many as given).
fs::path WriteTheme(const fs::path& folder, const fs::path& background, const std::vector<fs::path>& waves)
{
    std::string text = "\n" + background.string() + "\n\n";
    for (const fs::path& wave : waves)
        text += wave.string() + "\n";
    return WriteTheme(folder, text);
}

// The largest picture a theme may name, at 24 bits, as the background of the
// default board: 48 MB on disk, 64 MB as 32-bit pixels.
void BM_StartUpWithLargestBackground(benchmark::State& state)
{
    Scratch scratch;
    hostile::WriteBmp(scratch.folder / "back.bmp", kMaxPictureSide, kMaxPictureSide);
    Measure(state, "start", WriteTheme(scratch.folder, scratch.folder / "back.bmp", {}));
}
BENCHMARK(BM_StartUpWithLargestBackground)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// The built-in set, as most players start: its sounds are decoded on the way
// to the first board.
void BM_StartUpBuiltIn(benchmark::State& state)
{
    Measure(state, "start", fs::path());
}
BENCHMARK(BM_StartUpBuiltIn)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// A background twice as wide and high as allowed (192 MB on disk): refused
// from its header, so start-up costs what it costs without it.
void BM_StartUpWithOverLimitBackground(benchmark::State& state)
{
    Scratch scratch;
    hostile::WriteBmp(scratch.folder / "back.bmp", 2 * kMaxPictureSide, 2 * kMaxPictureSide);
    Measure(state, "start", WriteTheme(scratch.folder, scratch.folder / "back.bmp", {}));
}
BENCHMARK(BM_StartUpWithOverLimitBackground)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// One 60 MB wave named on all six sound lines.
void BM_StartUpWithOneWaveOnSixLines(benchmark::State& state)
{
    Scratch scratch;
    hostile::WriteWave(scratch.folder / "big.wav", 2, 60ull << 20, 60u << 20);
    Measure(state, "start", WriteTheme(scratch.folder, {}, std::vector<fs::path>(6, scratch.folder / "big.wav")));
}
BENCHMARK(BM_StartUpWithOneWaveOnSixLines)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// The most a theme may make us hold: the largest background and two waves
// whose clips fill the sound budget. The main tune is 16-bit mono at 11025
// Hz, 4 MiB that grow eightfold into half the budget; the last minute's runs
// at 44000 Hz and fills the rest, so it must be resampled, and it is decoded
// while the other's clip is held. "play" then loops the main tune and starts
// the last minute's.
void BM_StartUpWithWorstTheme(benchmark::State& state, const std::string& mode)
{
    Scratch scratch;
    const fs::path main = scratch.folder / "main.wav", last = scratch.folder / "last.wav";
    const uint64_t header = hostile::WaveHeader(2, 0).size();
    const uint64_t half = kThemeSoundBudgetBytes / 2;
    const uint64_t mainBytes = half / 8 - header, lastBytes = half / 4 * 44000 / 44100 * 4;
    hostile::WriteWave(main, 1, mainBytes, uint32_t(mainBytes), 11025);
    hostile::WriteWave(last, 2, lastBytes, uint32_t(lastBytes), 44000);
    hostile::WriteBmp(scratch.folder / "back.bmp", kMaxPictureSide, kMaxPictureSide);
    Measure(state, mode, WriteTheme(scratch.folder, scratch.folder / "back.bmp", {main, last, last, main, main, main}));
}
BENCHMARK_CAPTURE(BM_StartUpWithWorstTheme, silent, std::string("start"))
    ->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUpWithWorstTheme, playing, std::string("play"))
    ->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

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
