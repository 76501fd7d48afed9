#include "BoardPicture.h"
#include "TestFiles.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace testfiles;

constexpr QRgb kThemeGreen = qRgb(10, 200, 30), kThemeRed = qRgb(210, 20, 40);

using LoadBricksTest = ThemeFixture;

// The built-in path (a missing theme) loads the eight pictures and five
// sounds, clears the background, and keeps the colours and the theme-only sounds.
TEST_F(LoadBricksTest, MissingThemeLoadsTheBuiltInSet)
{
    WritePicture(program / "back.bmp", kThemeRed);
    WriteBytes(themes / "click.wav", Wave(7));
    load(Lines({{9, "0 0 255"}, {10, (program / "back.bmp").string()}, {11, "9 9 9"}, {16, "click.wav"}}));
    ASSERT_FALSE(images.Background().isNull());

    images.LoadBricks((themes / "nothere.tlm").string(), sound);
    const char* names[] = {"GREEN", "BLUE", "YELLOW", "RED", "HGREEN", "HBLUE", "HYELLOW", "HRED"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(images.Picture(BrickEntry(i)), BuiltInBrick(names[i]).convertToFormat(QImage::Format_RGB32)) << i;
    EXPECT_TRUE(images.Background().isNull());
    EXPECT_EQ(images.LngTransColor, 0xFF0000);
    EXPECT_EQ(images.LngBackColor, 0x090909);
    EXPECT_EQ(Bytes(sound.BytHighlight), Wave(7));
    EXPECT_FALSE(sound.BytClear);
    const std::pair<const char*, const SoundBytes*> sounds[] = {{"MAIN", &sound.BytMain}, {"LASTMIN", &sound.BytLastMin},
        {"LAST30", &sound.BytLast30}, {"GAMEOVER", &sound.BytGameOver}, {"NOSOUND", &sound.BytNoSound}};
    for (const auto& [name, array] : sounds)
        EXPECT_EQ(Bytes(*array), Bytes(BuiltInSound(name))) << name;
    EXPECT_FALSE(Bytes(sound.BytMain).empty());
}

// Exactly eight lines replace the eight pictures, turn the transparent
// colour white and leave the rest alone; a backslash separates folders.
TEST_F(LoadBricksTest, EightLineThemeReplacesOnlyThePictures)
{
    images.LngTransColor = 0x00FF00;
    images.LngBackColor = 0x123456;
    sound.BytMain = std::make_shared<const std::vector<uint8_t>>(3, 0);
    std::vector<std::string> lines;
    for (int i = 0; i < 8; ++i) {
        WritePicture(program / "bricks" / (std::to_string(i) + ".bmp"), qRgb(20 * i, 5, 200 - 20 * i));
        lines.push_back("bricks\\" + std::to_string(i) + ".bmp");
    }
    load(lines);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(centre(BrickEntry(i)), qRgb(20 * i, 5, 200 - 20 * i)) << i;
    EXPECT_EQ(images.LngTransColor, 0xFFFFFF);
    EXPECT_EQ(images.LngBackColor, 0x123456);
    EXPECT_TRUE(images.Background().isNull());
    EXPECT_EQ(Bytes(sound.BytMain), std::string(3, '\0'));
}

// Lines 9 and 11 follow the colour-line rules; an invalid line keeps the colour.
TEST_F(LoadBricksTest, ColourLinesSetOrKeepTheColours)
{
    load(Lines({{9, "255 0 255"}, {11, "0 0 64"}}));
    EXPECT_EQ(images.LngTransColor, 0xFF00FF);
    EXPECT_EQ(images.LngBackColor, 0x400000);
    load(Lines({{9, " 255 0 255"}, {11, "255 0"}}));
    EXPECT_EQ(images.LngTransColor, 0xFF00FF);
    EXPECT_EQ(images.LngBackColor, 0x400000);
}

// A picture line naming no file keeps the entry's picture: none at all on
// the first load, so green is not drawn. Only 32x32 pixels of a picture count.
TEST_F(LoadBricksTest, MissingPictureKeepsThePreviousOne)
{
    WritePicture(program / "red.png", kThemeRed, QSize(100, 60));
    const fs::path theme = load({"nothere.bmp", "", "", "red.png"});
    EXPECT_TRUE(images.Picture(BrickEntry::Green).isNull());
    EXPECT_EQ(images.Picture(BrickEntry::Red).size(), QSize(32, 32));

    Bricks bricks;
    FillBoard(bricks, "GR");
    LabelState score;
    QImage shown(64, 32, QImage::Format_RGB32);
    QPainter painter(&shown);
    EXPECT_EQ(DrawBricks(bricks, images, QSize(64, 32), 0, score).paint(painter, shown.rect()), 1);

    images.LoadBricks("", sound);
    images.LoadBricks(theme.string(), sound);
    EXPECT_EQ(centre(BrickEntry::Green), qRgb(0, 255, 0));
}

// Picture lines are read from the program's folder only: neither a picture
// beside the theme file nor an absolute line escapes it.
TEST_F(LoadBricksTest, PictureBesideTheThemeIsNotLoaded)
{
    images.LoadBricks("", sound);
    WritePicture(themes / "green.bmp", kThemeGreen);
    load({"green.bmp", (themes / "green.bmp").string()});
    EXPECT_EQ(centre(BrickEntry::Green), qRgb(0, 255, 0));
    EXPECT_EQ(centre(BrickEntry::Blue), qRgb(0, 0, 255));
}

// Each wave line fills its own array with its own file (line 13 is not in
// BytLast30), and BytNoSound is never a theme's.
TEST_F(LoadBricksTest, EachWaveLineFillsItsOwnArray)
{
    std::vector<std::string> lines(11);
    for (int16_t i = 12; i <= 17; ++i) {
        WriteBytes(themes / (std::to_string(i) + ".wav"), Wave(i));
        lines.push_back((themes / (std::to_string(i) + ".wav")).string());
    }
    load(lines);
    const SoundBytes* arrays[] = {&sound.BytMain,     &sound.BytLastMin,   &sound.BytLast30,
                                  &sound.BytGameOver, &sound.BytHighlight, &sound.BytClear};
    for (int16_t i = 12; i <= 17; ++i)
        EXPECT_EQ(Bytes(*arrays[i - 12]), Wave(i)) << "line " << i;
    EXPECT_FALSE(sound.BytNoSound);
}

// A theme path or a line ending in NUL works like the same text without it.
TEST_F(LoadBricksTest, NulEndedPathsWork)
{
    WritePicture(program / "green.bmp", kThemeGreen);
    WriteBytes(themes / "main.wav", Wave(5));
    const fs::path theme = load(Lines({{1, std::string("green.bmp\0.png", 14)}, {12, "main.wav" + std::string(1, '\0')}}));
    images.LoadBricks("", sound);
    images.LoadBricks(theme.string() + '\0' + "garbage", sound);
    EXPECT_EQ(centre(BrickEntry::Green), kThemeGreen);
    EXPECT_EQ(Bytes(sound.BytMain), Wave(5));
}

// Two loads in a row: the surfaces are those of the second load, built once
// per load; drawing and painting never rebuild them.
TEST_F(LoadBricksTest, TwoLoadsInARowRebuildTheSurfacesOnce)
{
    WritePicture(program / "red.bmp", kThemeRed);
    images.LoadBricks("", sound);
    const uint64_t afterFirst = images.SurfaceBuilds();
    load({"", "", "", "red.bmp"});
    EXPECT_EQ(images.SurfaceBuilds(), afterFirst + 1);
    EXPECT_EQ(images.Surface(BrickEntry::Red).pixel(16, 16), kThemeRed);

    Bricks bricks;
    FillBoard(bricks, "RGBY/rgby");
    LabelState score;
    QImage shown(128, 64, QImage::Format_RGB32);
    QPainter painter(&shown);
    for (int i = 0; i < 3; ++i)
        DrawBricks(bricks, images, QSize(128, 64), 0, score).paint(painter, shown.rect());
    EXPECT_EQ(images.SurfaceBuilds(), afterFirst + 1);
}

// Lines 10 to 17 are tried as written from the current folder, then beside
// the theme, then in the program's folder (a desktop launch starts at home).
TEST_F(LoadBricksTest, WrittenLinesTryTheCurrentFolderThenThemeThenProgram)
{
    const fs::path saved = fs::current_path();
    fs::create_directories(root / "cwd");
    fs::current_path(root / "cwd");
    const std::pair<fs::path, int16_t> steps[] = {{program, 22}, {themes, 21}, {root / "cwd", 20}};
    for (const auto& [folder, tag] : steps) {
        WriteBytes(folder / "sounds" / "main.wav", Wave(tag));
        load(Lines({{12, "sounds\\main.wav"}}));
        EXPECT_EQ(Bytes(sound.BytMain), Wave(tag)) << folder;
    }
    fs::current_path(saved);
}

// Hostile lines: whatever a line names, the load ends, nothing is read from a
// non-regular file, and oversized or undecodable files change nothing.
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
        {"picture 8193 wide", [](const fs::path& p) { WritePicture(p, kThemeRed, QSize(8193, 1)); }},
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
        EXPECT_TRUE(images.Background().isNull());
        EXPECT_EQ(Bytes(sound.BytMain), Wave(3));
        EXPECT_FALSE(sound.BytClear);
    }
    // A picture is no wave; 8192 pixels across is still a picture.
    WritePicture(program / "edge.png", kThemeRed, QSize(8192, 1));
    load(Lines({{1, "edge.png"}, {12, (program / "green.bmp").string()}}));
    EXPECT_EQ(images.Picture(BrickEntry::Green).pixel(0, 0), kThemeRed);
    EXPECT_EQ(Bytes(sound.BytMain), Wave(3));
}

// Hostile theme files: a FIFO or /dev/zero is no theme (built-in path), a
// huge one is read only in part, an unreadable one reads as 17 empty lines.
TEST_F(LoadBricksTest, HostileThemeFilesEndTheLoad)
{
    WritePicture(program / "green.bmp", kThemeGreen);
    ASSERT_EQ(mkfifo((themes / "pipe.tlm").c_str(), 0600), 0);
    for (const fs::path& notATheme : {themes / "pipe.tlm", fs::path("/dev/zero")}) {
        load({"green.bmp"});
        images.LoadBricks(notATheme.string(), sound);
        EXPECT_EQ(centre(BrickEntry::Green), qRgb(0, 255, 0)) << notATheme;
    }
    const fs::path huge = load(Lines({{1, "green.bmp"}, {9, "1 2 3"}, {10, ""}}));
    ASSERT_EQ(truncate(huge.c_str(), 4ll << 30), 0);  // sparse: reading it whole would show
    images.LngTransColor = 0;
    images.LoadBricks(huge.string(), sound);
    EXPECT_EQ(images.LngTransColor, 0x030201);
    EXPECT_EQ(centre(BrickEntry::Green), kThemeGreen);
    // /proc/self/mem is a regular file whose first page cannot be read, even by root.
    ASSERT_TRUE(fs::is_regular_file("/proc/self/mem"));
    images.LoadBricks("/proc/self/mem", sound);
    EXPECT_EQ(images.LngTransColor, 0xFFFFFF);
    EXPECT_EQ(centre(BrickEntry::Green), kThemeGreen);
}

}  // namespace
