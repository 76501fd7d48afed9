#include "BoardPicture.h"
#include "ColorLine.h"
#include "HostileFiles.h"
#include "PlainBmp.h"
#include "TestFiles.h"
#include "ThemeFiles.h"
#include "ThemeText.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace testfiles;

constexpr QRgb kThemeGreen = qRgb(10, 200, 30), kThemeRed = qRgb(210, 20, 40);

// Colour lines: three single-space-separated 16-bit numbers, halves to even, above 255 is 255, else invalid.
TEST(ColorLines, ParseAsTheThemeFormatSays)
{
    const struct {
        const char* name;
        std::string line;
        std::optional<ColorRef> expected;
    } cases[] = {
        {"magenta", "255 0 255", 0xFF00FF},
        {"two numbers", "255 0", std::nullopt},
        {"leading space", " 255 0 255", std::nullopt},
        {"trailing space makes an ignored fourth field", "255 0 255 ", 0xFF00FF},
        {"red of 300 is 255", "300 0 0", 0x0000FF},
        {"fourth number ignored, red in the low byte", "1 2 3 4", 0x030201},
        {"negative half rounds to zero", "-0.5 0 0", 0x000000},
        {"negative beyond half", "-0.6 0 0", std::nullopt},
        {"overflows 16 bits", "32768 0 0", std::nullopt},
        {"overflows after rounding", "32767.5 0 0", std::nullopt},
        {"huge number", "99999999999999999999999 0 0", std::nullopt},
        {"halves to even", "2.5 3.5 0.5", 0x000402},
        {"a digit far down lifts a half", "2.50000000000000001 0.5000 .5", 0x000003},
        {"no exponent in a colour", "1e2 0 0", std::nullopt},
        {"above half rounds up", "2.51 1.49 254.5", 0xFE0103},
        {"tab separated", "1\t2\t3", std::nullopt},
        {"carriage return in the last field", "1 2 3\r", std::nullopt},
        {"NUL in a field", std::string("1 2\0 3", 6), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseColorLine(c.line), c.expected) << c.name;
}

// CR LF and a lone LF both end a theme line; a lone CR stays in it; missing lines are empty.
TEST(ThemeLines, CrLfAndLoneLfBothEndALine)
{
    const auto lines = SplitThemeLines("a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6),
              (std::vector<std::string>{"a", "b", "c\rd", "", "e", ""}));
}

// Each built-in brick is a 32x32 picture found in any case: its colour in the middle, a dark frame, and a white
// outer ring only when highlighted (so a transparent white shows the board through it).
TEST(BuiltInBricks, LandmarksOfEachPicture)
{
    const struct {
        const char* name;
        QRgb face;
    } bricks[] = {{"red", qRgb(255, 0, 0)}, {"Green", qRgb(0, 255, 0)}, {"BLUE", qRgb(0, 0, 255)},
                  {"yellow", qRgb(255, 255, 0)}, {"hred", qRgb(255, 0, 0)}, {"HGreen", qRgb(0, 255, 0)},
                  {"HBLUE", qRgb(0, 0, 255)}, {"hyellow", qRgb(255, 255, 0)}};
    for (const auto& brick : bricks) {
        SCOPED_TRACE(brick.name);
        const QImage image = BuiltInBrick(brick.name);
        ASSERT_EQ(image.size(), QSize(32, 32));
        const bool highlighted = std::tolower(brick.name[0]) == 'h';
        EXPECT_EQ(image.pixel(16, 16) | 0xFF000000u, brick.face);
        EXPECT_EQ(image.pixel(3, 16) | 0xFF000000u, qRgb(0, 0, 0));
        for (const QPoint edge : {QPoint(0, 0), QPoint(31, 16), QPoint(16, 31)})
            EXPECT_EQ((image.pixel(edge) | 0xFF000000u) == qRgb(255, 255, 255), highlighted) << edge.x() << "," << edge.y();
    }
    EXPECT_TRUE(BuiltInBrick("PURPLE").isNull());
}

using LoadBricksTest = ThemeFixture;

// Invalid colour lines keep the colours; the built-in path then restores pictures and sounds, keeps the rest.
TEST_F(LoadBricksTest, ColourLinesThenTheBuiltInSet)
{
    WritePicture(program / "back.bmp", kThemeRed);
    WriteBytes(themes / "click.wav", Wave(7));
    load(Lines({{9, "255 0 255"}, {10, (program / "back.bmp").string()}, {11, "0 0 64"}, {16, "click.wav"}}));
    ASSERT_FALSE(theme.Background().isNull());
    load(Lines({{9, " 255 0 255"}, {11, "255 0"}}));
    load(Lines({{9, "255 0 255"}, {11, "0 0 32"}}));  // a back colour needs no background picture

    reload((themes / "nothere.tlm").string());
    EXPECT_EQ(theme.LngTransColor(), 0xFF00FF);
    EXPECT_EQ(theme.LngBackColor(), 0x200000);
    const char* names[] = {"GREEN", "BLUE", "YELLOW", "RED", "HGREEN", "HBLUE", "HYELLOW", "HRED"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(theme.Picture(BrickEntry(i)), BuiltInBrick(names[i]).convertToFormat(QImage::Format_RGB32)) << i;
    EXPECT_TRUE(theme.Background().isNull());
    EXPECT_EQ(Tag(sounds().highlight), 7);
    EXPECT_FALSE(sounds().clear);
    const std::pair<const char*, SoundClip> builtIn[] = {{"MAIN", sounds().main}, {"LASTMIN", sounds().lastMin},
        {"LAST30", sounds().last30}, {"GAMEOVER", sounds().gameOver}, {"NOSOUND", sounds().noSound}};
    for (const auto& [name, clip] : builtIn)
        EXPECT_EQ(clip, BuiltInSound(name)) << name;
    EXPECT_GT(Tag(sounds().main) + sounds().main->size(), 0u);
    EXPECT_EQ(sounds().noSound->size(), 0u);
}

// Exactly eight lines replace the pictures (backslashes separate folders), whiten LngTransColor, and no more.
TEST_F(LoadBricksTest, EightLineThemeReplacesOnlyThePictures)
{
    WriteBytes(themes / "main.wav", Wave(3));
    load(Lines({{12, "main.wav"}}));
    theme.SetTransColor(0x00FF00);
    theme.SetBackColor(0x123456);
    std::vector<std::string> lines;
    for (int i = 0; i < 8; ++i) {
        WritePicture(program / "bricks" / (std::to_string(i) + ".bmp"), qRgb(20 * i, 5, 200 - 20 * i));
        lines.push_back("bricks\\" + std::to_string(i) + ".bmp");
    }
    load(lines);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(centre(BrickEntry(i)), qRgb(20 * i, 5, 200 - 20 * i)) << i;
    EXPECT_EQ(theme.LngTransColor(), 0xFFFFFF);
    EXPECT_EQ(theme.LngBackColor(), 0x123456);
    EXPECT_TRUE(theme.Background().isNull());
    EXPECT_EQ(Tag(sounds().main), 3);
}

// A picture line naming no file keeps the entry's picture, none at first; only 32x32 pixels are kept.
TEST_F(LoadBricksTest, MissingPictureKeepsThePreviousOne)
{
    WritePicture(program / "red.png", kThemeRed, QSize(100, 60));
    const fs::path file = load({"nothere.bmp", "", "", "red.png"});
    EXPECT_TRUE(theme.Picture(BrickEntry::Green).isNull());
    EXPECT_EQ(theme.Picture(BrickEntry::Red).size(), QSize(32, 32));

    const Bricks bricks = BricksOf("GR", true);
    QImage shown(64, 32, QImage::Format_RGB32);
    QPainter painter(&shown);
    EXPECT_EQ(DrawBricks(bricks, theme, {100, 2, 1}).paint(painter, shown.rect()), 1);

    reload("");
    reload(file.string());
    EXPECT_EQ(centre(BrickEntry::Green), qRgb(0, 255, 0));
}

// Picture lines name files in the program's folder only, never beside the theme nor by absolute path.
TEST_F(LoadBricksTest, PictureBesideTheThemeIsNotLoaded)
{
    reload("");
    WritePicture(themes / "green.bmp", kThemeGreen);
    load({"green.bmp", (themes / "green.bmp").string()});
    EXPECT_EQ(centre(BrickEntry::Green), qRgb(0, 255, 0));
    EXPECT_EQ(centre(BrickEntry::Blue), qRgb(0, 0, 255));
}

// Each wave line gives its own sound its own file's clip; the silencing sound is never a theme's.
TEST_F(LoadBricksTest, EachWaveLineFillsItsOwnArray)
{
    std::vector<std::string> lines(11);
    for (int16_t i = 12; i <= 17; ++i) {
        WriteBytes(themes / (std::to_string(i) + ".wav"), Wave(i));
        lines.push_back((themes / (std::to_string(i) + ".wav")).string());
    }
    load(lines);
    const SoundClip clips[] = {sounds().main,     sounds().lastMin,   sounds().last30,
                               sounds().gameOver, sounds().highlight, sounds().clear};
    for (int16_t i = 12; i <= 17; ++i)
        EXPECT_EQ(Tag(clips[i - 12]), i) << "line " << i;
    EXPECT_FALSE(sounds().noSound);
}

// A theme path or a line ending in NUL works like the same text without it.
TEST_F(LoadBricksTest, NulEndedPathsWork)
{
    WritePicture(program / "green.bmp", kThemeGreen);
    WriteBytes(themes / "main.wav", Wave(5));
    const fs::path file = load(Lines({{1, std::string("green.bmp\0.png", 14)}, {12, "main.wav" + std::string(1, '\0')}}));
    reload("");
    reload(file.string() + '\0' + "garbage");
    EXPECT_EQ(centre(BrickEntry::Green), kThemeGreen);
    EXPECT_EQ(Tag(sounds().main), 5);
}

// Two loads in a row: the surfaces are the second load's, built once per load, never by a drawing.
TEST_F(LoadBricksTest, TwoLoadsInARowRebuildTheSurfacesOnce)
{
    WritePicture(program / "red.bmp", kThemeRed);
    reload("");
    const uint64_t afterFirst = theme.SurfaceBuilds();
    load({"", "", "", "red.bmp"});
    EXPECT_EQ(theme.SurfaceBuilds(), afterFirst + 1);
    EXPECT_EQ(theme.Surface(BrickEntry::Red).pixel(16, 16), kThemeRed);
    Bricks bricks;
    DrawBricks(bricks, theme, {100, 1, 1});
    DrawBricks(bricks, theme, {100, 1, 1});
    EXPECT_EQ(theme.SurfaceBuilds(), afterFirst + 1);
}

// Lines 10-17 are tried as written, then beside the theme, then in the program's folder (desktop launches).
TEST_F(LoadBricksTest, WrittenLinesTryTheCurrentFolderThenThemeThenProgram)
{
    const fs::path saved = fs::current_path();
    fs::create_directories(root / "cwd");
    fs::current_path(root / "cwd");
    const std::pair<fs::path, int16_t> steps[] = {{program, 22}, {themes, 21}, {root / "cwd", 20}};
    for (const auto& [folder, tag] : steps) {
        WriteBytes(folder / "sounds" / "main.wav", Wave(tag));
        load(Lines({{12, "sounds\\main.wav"}}));
        EXPECT_EQ(Tag(sounds().main), tag) << folder;
    }
    fs::current_path(saved);
}

// Hostile lines (non-regular, oversized or undecodable files) end the load and change nothing.
TEST_F(LoadBricksTest, HostileLinesChangeNothing)
{
    WritePicture(program / "green.bmp", kThemeGreen);
    WriteBytes(themes / "main.wav", Wave(3));
    load(Lines({{1, "green.bmp"}, {12, "main.wav"}}));
    std::string huge = "BM";  // announces 100000 x 100000 pixels at 24 bits, holds none
    for (uint32_t v : {54u, 0u, 54u, 40u, 100000u, 100000u, 0x180001u, 0u, 0u, 0u, 0u, 0u, 0u})
        huge.append(reinterpret_cast<const char*>(&v), 4);
    const std::pair<const char*, std::function<void(const fs::path&)>> cases[] = {
        {"folder", [](const fs::path& p) { fs::create_directories(p); }},
        {"FIFO", [](const fs::path& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }},
        {"link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
        {"huge picture header", [&](const fs::path& p) { WriteBytes(p, huge); }},
        {"picture one pixel too wide", [](const fs::path& p) { WritePicture(p, kThemeRed, QSize(kMaxPictureSide + 1, 1)); }},
        {"text", [](const fs::path& p) { WriteBytes(p, "this is not a picture\n"); }},
        {"sparse wave over 64 MiB", [](const fs::path& p) {
             WriteBytes(p, Wave(4));
             ASSERT_EQ(truncate(p.c_str(), (64ll << 20) + 1), 0);
         }},
    };
    for (int i = 0; const auto& [name, make] : cases) {
        SCOPED_TRACE(name);
        const fs::path target = program / ("hostile" + std::to_string(i++) + ".png");
        make(target);
        const std::string path = target.string();
        load(Lines({{1, target.filename().string()}, {10, path}, {12, path}, {17, path}}));
        EXPECT_EQ(centre(BrickEntry::Green), kThemeGreen);
        EXPECT_TRUE(theme.Background().isNull());
        EXPECT_EQ(Tag(sounds().main), 3);
        EXPECT_FALSE(sounds().clear);
    }
    // A picture is no wave; a picture as wide as allowed is still a picture.
    WritePicture(program / "edge.png", kThemeRed, QSize(kMaxPictureSide, 1));
    load(Lines({{1, "edge.png"}, {12, (program / "green.bmp").string()}}));
    EXPECT_EQ(theme.Picture(BrickEntry::Green).pixel(0, 0), kThemeRed);
    EXPECT_EQ(Tag(sounds().main), 3);
}

// Hostile theme files: a FIFO or device is no theme, a huge one is read in part, an unreadable one as empty.
TEST_F(LoadBricksTest, HostileThemeFilesEndTheLoad)
{
    WritePicture(program / "green.bmp", kThemeGreen);
    ASSERT_EQ(mkfifo((themes / "pipe.tlm").c_str(), 0600), 0);
    for (const fs::path& notATheme : {themes / "pipe.tlm", fs::path("/dev/zero")}) {
        load({"green.bmp"});
        reload(notATheme.string());
        EXPECT_EQ(centre(BrickEntry::Green), qRgb(0, 255, 0)) << notATheme;
    }
    const fs::path huge = load(Lines({{1, "green.bmp"}, {9, "1 2 3"}, {10, ""}}));  // zeros follow line 9
    ASSERT_EQ(truncate(huge.c_str(), 1ll << 40), 0);  // sparse: a whole read could never end
    theme.SetTransColor(0);
    reload(huge.string());
    EXPECT_EQ(theme.LngTransColor(), 0x030201);
    EXPECT_EQ(centre(BrickEntry::Green), kThemeGreen);
    // /proc/self/mem is a regular file whose first page cannot be read, even by root.
    ASSERT_TRUE(fs::is_regular_file("/proc/self/mem"));
    reload("/proc/self/mem");
    EXPECT_EQ(theme.LngTransColor(), 0xFFFFFF);
    EXPECT_EQ(centre(BrickEntry::Green), kThemeGreen);
}

}  // namespace

namespace {

// The first `keep` bytes of `from` as `to`.
void CopyPrefix(const fs::path& from, const fs::path& to, size_t keep)
{
    std::ifstream in(from, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    WriteBytes(to, bytes.substr(0, keep));
}

// A noisy picture, so that compressed formats still have data all along the file.
void WriteNoise(const fs::path& path, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 37 + y * 11) % 251, (x * y) % 241, (x ^ y) % 239));
    image.save(QString::fromStdString(path.string()));
}

}  // namespace

// A picture cut short, or whose header claims more than it holds, is no picture: the previous one stays.
TEST_F(LoadBricksTest, CutPicturesKeepThePreviousOne)
{
    WritePicture(program / "green.bmp", kThemeGreen);
    for (const char* suffix : {"bmp", "png", "jpg"})
        WriteNoise(program / (std::string("whole.") + suffix), QSize(200, 200));
    hostile::WriteBmp(program / "claims.bmp", 4000, 4000, 3000);
    const std::string gif("GIF89a\x02\0\x02\0\x80\0\0\xff\0\0\0\0\xff,\0\0\0\0\x02\0\x02\0\0\x02\x03\x44\x34\x05\0;", 35);
    WriteBytes(program / "whole.gif", gif);
    const struct {
        const char* name;
        const char* from;
        size_t keep;
        bool loads;
    } cases[] = {
        {"whole BMP", "whole.bmp", SIZE_MAX, true},
        {"BMP cut at 1,500 bytes", "whole.bmp", 1500, false},
        {"BMP cut at 80,000 bytes", "whole.bmp", 80000, false},
        {"BMP missing its last byte", "whole.bmp", 200 * 600 + 54 - 1, false},
        {"BMP claiming 4000x4000 over 3 KB", "claims.bmp", SIZE_MAX, false},
        {"whole PNG", "whole.png", SIZE_MAX, true},
        {"PNG cut in half", "whole.png", fs::file_size(program / "whole.png") / 2, false},
        {"whole JPEG", "whole.jpg", SIZE_MAX, true},
        {"JPEG cut in half", "whole.jpg", fs::file_size(program / "whole.jpg") / 2, false},
        {"whole GIF", "whole.gif", SIZE_MAX, true},
        {"GIF cut in its pixels", "whole.gif", 30, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        load({"green.bmp"});
        CopyPrefix(program / c.from, program / "picture", c.keep);
        load({"picture"});
        EXPECT_EQ(centre(BrickEntry::Green) != kThemeGreen, c.loads);
    }
}

// A theme from which not one brick picture loads (a wave or picture chosen as the theme) shows the built-in
// bricks where there were none, at start-up too; the rest of the load is as ever.
TEST_F(LoadBricksTest, NoBrickPictureAtAllFallsBackToTheBuiltInBricks)
{
    WriteBytes(themes / "main.wav", Wave(9));
    WritePicture(themes / "picture.bmp", kThemeRed);
    const char* names[] = {"GREEN", "BLUE", "YELLOW", "RED", "HGREEN", "HBLUE", "HYELLOW", "HRED"};
    for (const fs::path& file : {themes / "main.wav", themes / "picture.bmp"}) {
        const Theme fresh = LoadBricks(file.string(), Theme(), program);
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(fresh.Picture(BrickEntry(i)), BuiltInBrick(names[i]).convertToFormat(QImage::Format_RGB32))
                << file << " " << i;
    }
    // Line 1 names no file, line 9 still sets the colour; a theme's own pictures are never replaced.
    theme.SetTransColor(0);
    load(Lines({{1, "nothere.bmp"}, {9, "1 2 3"}}));
    EXPECT_EQ(centre(BrickEntry::Green), qRgb(0, 255, 0));
    EXPECT_EQ(theme.LngTransColor(), 0x030201);
    WritePicture(program / "green.bmp", kThemeGreen);
    load({"green.bmp"});
    load({"nothere.bmp"});
    EXPECT_EQ(centre(BrickEntry::Green), kThemeGreen);
}

// One file named on several sound lines, however spelt, is decoded once: the sounds share one clip.
TEST_F(LoadBricksTest, OneWaveOnSeveralLinesIsSharedByThem)
{
    WriteBytes(themes / "main.wav", Wave(6));
    WriteBytes(themes / "other.wav", Wave(8));
    const std::string path = (themes / "main.wav").string();
    load(Lines({{12, path}, {13, path}, {14, (themes / "." / "main.wav").string()}, {15, "main.wav"},
                {16, (themes / "other.wav").string()}, {17, path}}));
    EXPECT_EQ(Tag(sounds().main), 6);
    for (const SoundClip& clip : {sounds().lastMin, sounds().last30, sounds().gameOver, sounds().clear})
        EXPECT_EQ(clip, sounds().main);
    EXPECT_EQ(Tag(sounds().highlight), 8);
}

// The clips of a theme's distinct waves share one budget: a wave whose clip would go over it keeps its line's
// sound, and a file named on several lines counts once.
TEST_F(LoadBricksTest, WavesShareOneBudget)
{
    // Silent stereo waves whose clips take exactly `bytes` bytes, sparse on disk.
    auto silence = [&](const char* name, uint64_t bytes) {
        const fs::path path = themes / name;
        const std::string header = hostile::WaveHeader(2, uint32_t(bytes));
        WriteBytes(path, header);
        fs::resize_file(path, header.size() + bytes);
        return path.string();
    };
    const std::string large = silence("large.wav", kThemeSoundBudgetBytes / 2);
    const std::string rest = silence("rest.wav", kThemeSoundBudgetBytes / 2);
    const std::string small = silence("small.wav", 1024);
    WriteBytes(themes / "before.wav", Wave(3));
    load(Lines({{15, "before.wav"}}));
    load(Lines({{12, large}, {13, large}, {14, rest}, {15, small}, {16, large}}));
    EXPECT_EQ(sounds().main->size() * 2, kThemeSoundBudgetBytes / 2);
    EXPECT_EQ(sounds().lastMin, sounds().main);
    EXPECT_EQ(sounds().last30->size() * 2, kThemeSoundBudgetBytes / 2);
    EXPECT_EQ(Tag(sounds().gameOver), 3);
    EXPECT_EQ(sounds().highlight, sounds().main);
    // Another theme starts with the whole budget again.
    load(Lines({{15, small}}));
    EXPECT_EQ(sounds().gameOver->size() * 2, 1024u);
}

// Our reader of plain 24-bit BMP files gives Qt's pixels, rows padded or not, stored bottom-up or top-down.
TEST(PlainBmp, PixelsAreQtsOwn)
{
    for (const QSize size : {QSize(1, 1), QSize(3, 5), QSize(33, 2), QSize(200, 7)}) {
        for (const bool topDown : {false, true}) {
            SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()) + (topDown ? " top-down" : ""));
            QImage image(size, QImage::Format_RGB32);
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    image.setPixel(x, y, qRgb(x * 40 % 256, y * 70 % 256, (x + y) * 9 % 256));
            QByteArray bytes;
            QBuffer out(&bytes);
            out.open(QIODevice::WriteOnly);
            ASSERT_TRUE(image.save(&out, "BMP"));
            ASSERT_EQ(bytes.size(), 54 + (size.width() * 3 + 3) / 4 * 4 * size.height());
            if (topDown) {
                const int stride = (size.width() * 3 + 3) / 4 * 4;
                QByteArray flipped = bytes.left(54);
                for (int row = size.height() - 1; row >= 0; --row)
                    flipped += bytes.mid(54 + row * stride, stride);
                const int32_t negative = -size.height();
                flipped.replace(22, 4, reinterpret_cast<const char*>(&negative), 4);
                bytes = flipped;
            }
            QBuffer in(&bytes);
            in.open(QIODevice::ReadOnly);
            const std::optional<QImage> ours = DecodePicture(in);
            ASSERT_TRUE(ours.has_value());
            EXPECT_EQ(*ours, QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32));
            EXPECT_EQ(*ours, image);
        }
    }
}

// Only the plain form takes our reader: another header size, plane count, depth or a compression is left to Qt.
TEST(PlainBmp, OnlyThePlainFormIsOurs)
{
    QImage image(QSize(2, 2), QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    QByteArray plain;
    QBuffer out(&plain);
    out.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&out, "BMP"));
    for (auto [field, offset, value, ours] : {std::tuple{"none", 0, 0, true}, {"header size", 14, 108, false},
                                              {"planes", 26, 2, false}, {"bits", 28, 32, false},
                                              {"compression", 30, 1, false}, {"compression's high byte", 33, 1, false}}) {
        QByteArray bytes = plain;
        if (offset) bytes[offset] = static_cast<char>(value);
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        const std::optional<QImage> decoded = DecodePlainBmp(in, 64);
        EXPECT_EQ(decoded.has_value(), ours) << field;
        if (decoded) {
            EXPECT_EQ(*decoded, image);
        }
    }
}
