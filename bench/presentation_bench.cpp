#include "BoardGeometry.h"
#include "BoardPicture.h"
#include "CellKey.h"
#include "Theme.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void FillBoard(Bricks& bricks, int32_t columns, int32_t rows)
{
    static const char* const kColours[] = {"Red", "Blue", "Green", "Yellow", "None"};
    bricks.Reserve(static_cast<size_t>(columns) * rows);
    for (int32_t x = 0; x < columns; ++x)
        for (int32_t y = 0; y < rows; ++y)
            bricks.Add((x * 7 + y) % 11 == 0, kColours[(x * 31 + y * 17) % 5], y, x, CellKey(x, y));
}

// The built-in set: eight bitmaps and five sounds from the resources, and the
// nine surfaces prepared. The first load in a process decodes the sounds
// (what start-up pays); the loads of later new games share those clips.
void BM_LoadBricksBuiltIn(benchmark::State& state)
{
    Theme theme;
    for (auto _ : state) {
        theme = LoadBricks("", theme, "/nonexistent");
        benchmark::DoNotOptimize(theme.Surface(BrickEntry::Red).constBits());
    }
}
BENCHMARK(BM_LoadBricksBuiltIn)->Unit(benchmark::kMicrosecond);

// What the first load adds to start-up for the built-in sounds: the five
// waves read from the resources and decoded into clips.
void BM_DecodeBuiltInSounds(benchmark::State& state)
{
    size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const char* name : {"MAIN", "LASTMIN", "LAST30", "GAMEOVER", "NOSOUND"}) {
            QFile file(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(name)));
            const QByteArray wave = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            const auto clip = decodeWave(reinterpret_cast<const uint8_t*>(wave.constData()), size_t(wave.size()));
            bytes += clip ? clip->size() * sizeof(int16_t) : 0;
        }
    }
    if (bytes == 0)
        state.SkipWithError("no built-in sound decoded");
    state.counters["clip_MB"] = double(bytes) / (1 << 20);
}
BENCHMARK(BM_DecodeBuiltInSounds)->Unit(benchmark::kMicrosecond);

// The same five waves as the first load now takes them: a wave in the mixer's
// format is viewed where it lies in the resources, and only the others are
// decoded into copies, whose size copied_MB gives.
void BM_ViewBuiltInSounds(benchmark::State& state)
{
    size_t copied = 0;
    for (auto _ : state) {
        copied = 0;
        for (const char* name : {"MAIN", "LASTMIN", "LAST30", "GAMEOVER", "NOSOUND"}) {
            const QResource resource(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(name)));
            std::optional<PcmClip> clip = viewWave(resource.data(), size_t(resource.size()));
            if (!clip) {
                const QByteArray wave = resource.uncompressedData();
                clip = decodeWave(reinterpret_cast<const uint8_t*>(wave.constData()), size_t(wave.size()));
                copied += clip ? clip->size() * sizeof(int16_t) : 0;
            }
            benchmark::DoNotOptimize(clip);
        }
    }
    state.counters["copied_MB"] = double(copied) / (1 << 20);
}
BENCHMARK(BM_ViewBuiltInSounds)->Unit(benchmark::kMicrosecond);

// DrawBricks alone: the record of the whole board.
void BM_DrawBricks(benchmark::State& state)
{
    const auto columns = static_cast<int32_t>(state.range(0));
    const auto rows = static_cast<int32_t>(state.range(1));
    Theme images = LoadBricks("", Theme(), "/nonexistent");
    Bricks bricks;
    FillBoard(bricks, columns, rows);
    const BoardGeometry geometry{100, columns, rows};
    size_t bytes = 0;
    for (auto _ : state) {
        BoardPicture picture = DrawBricks(bricks, images, geometry);
        bytes = picture.memoryUsage();
        benchmark::DoNotOptimize(picture);
    }
    state.counters["record_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_DrawBricks)->Args({17, 12})->Args({1000, 1000})->Unit(benchmark::kMicrosecond);

// DrawBricks followed by the paint of an 800x600 window onto the middle of
// the board, as the board surface does after every change; the second
// argument pair adds a 640x480 background stretched over the whole board.
void BM_DrawAndPaintVisible(benchmark::State& state)
{
    const auto columns = static_cast<int32_t>(state.range(0));
    const auto rows = static_cast<int32_t>(state.range(1));
    const bool withBackground = state.range(2) != 0;
    Theme images = LoadBricks("", Theme(), "/nonexistent");
    QTemporaryDir folder;
    if (withBackground) {
        QImage back(640, 480, QImage::Format_RGB32);
        for (int y = 0; y < back.height(); ++y)
            for (int x = 0; x < back.width(); ++x)
                back.setPixel(x, y, qRgb(x % 256, y % 256, (x ^ y) % 255));
        back.save(folder.filePath("back.bmp"));
        QFile theme(folder.filePath("back.tlm"));
        theme.open(QIODevice::WriteOnly);
        theme.write(QByteArray("\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n") + folder.filePath("back.bmp").toUtf8() + "\r\n");
        theme.close();
        images = LoadBricks(folder.filePath("back.tlm").toStdString(), images, "/nonexistent");
        if (images.Background().isNull())
            state.SkipWithError("background did not load");
    }
    Bricks bricks;
    FillBoard(bricks, columns, rows);
    const BoardGeometry geometry{100, columns, rows};
    const QSize size = geometry.boardSize();
    QImage window(800, 600, QImage::Format_ARGB32_Premultiplied);
    const QRect visible(QPoint(std::max(0, size.width() / 2 - 400), std::max(0, size.height() / 2 - 300)),
                        QSize(800, 600));
    for (auto _ : state) {
        BoardPicture picture = DrawBricks(bricks, images, geometry);
        QPainter painter(&window);
        painter.translate(-visible.topLeft());
        benchmark::DoNotOptimize(picture.paint(painter, visible));
    }
}
BENCHMARK(BM_DrawAndPaintVisible)
    ->Args({17, 12, 0})
    ->Args({17, 12, 1})
    ->Args({1000, 1000, 0})
    ->Args({1000, 1000, 1})
    ->ArgNames({"columns", "rows", "background"})
    ->Unit(benchmark::kMicrosecond);

// The full repaint at 300 % of a 1920x1080 view onto the middle of a square
// board (or all of a smaller one), with the marks on or off: with `draw` 1 as
// after a click (DrawBricks, the bricks scaled and marked afresh for the new
// picture, the paint), with 0 as when the window shows the same picture again.
// One frame is 16 ms.
void BM_PaintZoomed(benchmark::State& state)
{
    const auto side = static_cast<int32_t>(state.range(0));
    const bool symbols = state.range(1) != 0;
    const bool draw = state.range(2) != 0;
    const Theme images = LoadBricks("", Theme(), "/nonexistent");
    Bricks bricks;
    FillBoard(bricks, side, side);
    const BoardGeometry geometry{300, side, side};
    const QSize size = geometry.boardSize();
    QImage window(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    const QRect visible(QPoint(std::max(0, size.width() / 2 - 960), std::max(0, size.height() / 2 - 540)),
                        window.size());
    BoardPicture shown = DrawBricks(bricks, images, geometry, symbols);
    int painted = 0;
    for (auto _ : state) {
        if (draw)
            shown = DrawBricks(bricks, images, geometry, symbols);
        QPainter painter(&window);
        painter.translate(-visible.topLeft());
        painted = shown.paint(painter, visible);
    }
    state.counters["bricks"] = painted;
}
BENCHMARK(BM_PaintZoomed)
    ->ArgsProduct({{17, 1000}, {0, 1}, {0, 1}})
    ->ArgNames({"side", "marks", "draw"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
