#include "BoardPicture.h"
#include "BrickImages.h"
#include "TestFiles.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>

namespace {

using namespace testfiles;
namespace fs = std::filesystem;

constexpr QRgb kThemeGreen = qRgb(10, 200, 30);
constexpr QRgb kThemeRed = qRgb(210, 20, 40);

class LoadBricksTest : public ::testing::Test {
protected:
    Scratch scratch;
    NullAudioBackend audio;
    ModSound sound{audio};
    BrickImages images{scratch.program()};

    fs::path theme(const std::string& name = "theme.tlm") const { return scratch.themes() / name; }
    QRgb centre(BrickEntry entry) const
    {
        const QImage& picture = images.Picture(entry);
        return picture.isNull() ? 0 : picture.pixel(16, 16) & 0xFFFFFF;
    }
    // Eight pictures of distinct colours in the program's folder.
    std::vector<std::string> eightPictures()
    {
        std::vector<std::string> lines;
        for (int i = 0; i < 8; ++i) {
            const std::string name = "brick" + std::to_string(i) + ".bmp";
            WritePicture(scratch.program() / name, QColor(20 * i + 10, 5, 200 - 20 * i));
            lines.push_back(name);
        }
        return lines;
    }
};

// A missing theme file loads the built-in bricks, clears the background and
// keeps both colours and the two theme-only sounds.
TEST_F(LoadBricksTest, MissingThemeLoadsTheBuiltInSet)
{
    WritePicture(scratch.program() / "back.bmp", QColor(1, 2, 3));
    WriteWave(scratch.themes() / "click.wav", 7);
    WriteTheme(theme(), {"", "", "", "", "", "", "", "", "0 0 255", scratch.program().string() + "/back.bmp", "9 9 9",
                         "", "", "", "", scratch.themes().string() + "/click.wav"});
    images.LoadBricks(theme().string(), sound);
    ASSERT_FALSE(images.Background().isNull());
    ASSERT_TRUE(sound.BytHighlight);

    images.LoadBricks((scratch.themes() / "nothere.tlm").string(), sound);
    EXPECT_EQ(centre(BrickEntry::Green), 0x00FF00u);
    EXPECT_EQ(centre(BrickEntry::HighlightedRed), 0xFF0000u);
    EXPECT_EQ(images.Picture(BrickEntry::HighlightedRed).pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_TRUE(images.Background().isNull());
    EXPECT_EQ(images.LngTransColor, 0xFF0000);
    EXPECT_EQ(images.LngBackColor, 0x090909);
    EXPECT_EQ(Bytes(sound.BytHighlight), WaveBytes(7));
    EXPECT_FALSE(sound.BytClear);
}

// The built-in path fills the five built-in sounds from the resources.
TEST_F(LoadBricksTest, BuiltInPathLoadsTheFiveSounds)
{
    if (!BuiltInSound("MAIN"))
        GTEST_SKIP() << "the built-in waves are not embedded in this build yet";
    images.LoadBricks("", sound);
    for (const auto& [name, array] : {std::pair{"MAIN", &sound.BytMain}, std::pair{"LASTMIN", &sound.BytLastMin},
                                      std::pair{"LAST30", &sound.BytLast30}, std::pair{"GAMEOVER", &sound.BytGameOver},
                                      std::pair{"NOSOUND", &sound.BytNoSound}}) {
        ASSERT_TRUE(*array) << name;
        EXPECT_EQ(**array, *BuiltInSound(name)) << name;
    }
}

// A theme of exactly eight lines replaces the eight pictures, turns the
// transparent colour white and leaves everything else alone.
TEST_F(LoadBricksTest, EightLineThemeReplacesOnlyThePictures)
{
    images.LngTransColor = 0x00FF00;
    images.LngBackColor = 0x123456;
    auto main = std::make_shared<const std::vector<uint8_t>>(WaveBytes(1));
    sound.BytMain = main;
    WriteTheme(theme(), eightPictures());

    images.LoadBricks(theme().string(), sound);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(centre(static_cast<BrickEntry>(i)), qRgb(20 * i + 10, 5, 200 - 20 * i) & 0xFFFFFF) << i;
    EXPECT_EQ(images.LngTransColor, 0xFFFFFF);
    EXPECT_EQ(images.LngBackColor, 0x123456);
    EXPECT_TRUE(images.Background().isNull());
    EXPECT_EQ(sound.BytMain, main);
}

// Line 9 and line 11 follow the colour-line rules; an invalid line keeps
// the colour it had.
TEST_F(LoadBricksTest, ColourLinesSetOrKeepTheColours)
{
    const std::vector<std::string> eight(8, "");
    auto load = [&](const std::string& line9, const std::string& line11) {
        auto lines = eight;
        lines.push_back(line9);
        lines.push_back("");
        lines.push_back(line11);
        WriteTheme(theme(), lines);
        images.LoadBricks(theme().string(), sound);
    };
    load("255 0 255", "0 0 64");
    EXPECT_EQ(images.LngTransColor, 0xFF00FF);
    EXPECT_EQ(images.LngBackColor, 0x400000);
    load(" 255 0 255", "255 0");
    EXPECT_EQ(images.LngTransColor, 0xFF00FF);
    EXPECT_EQ(images.LngBackColor, 0x400000);
}

// Line 1 naming no file leaves the green picture as it was: none at all on
// the first load, so green bricks are not drawn.
TEST_F(LoadBricksTest, MissingPictureKeepsThePreviousOne)
{
    WritePicture(scratch.program() / "red.bmp", QColor(kThemeRed));
    WriteTheme(theme(), {"nothere.bmp", "", "", "red.bmp"});
    images.LoadBricks(theme().string(), sound);
    EXPECT_TRUE(images.Picture(BrickEntry::Green).isNull());
    EXPECT_TRUE(images.Surface(BrickEntry::Green).isNull());
    EXPECT_EQ(centre(BrickEntry::Red), kThemeRed & 0xFFFFFF);

    Bricks bricks;
    FillBoard(bricks, "GR");
    LabelState score;
    const BoardPicture picture = DrawBricks(bricks, images, QSize(64, 32), 0, score);
    EXPECT_EQ(picture.entryAt(0, 0), BrickEntry::Green);
    QImage shown(64, 32, QImage::Format_RGB32);
    QPainter painter(&shown);
    EXPECT_EQ(picture.paint(painter, shown.rect()), 1);  // the red brick only

    images.LoadBricks("", sound);
    images.LoadBricks(theme().string(), sound);
    EXPECT_EQ(centre(BrickEntry::Green), 0x00FF00u);  // the built-in one stays
}

// Picture lines are read from the program's folder only: a picture beside
// the theme file is not loaded, and an absolute line does not escape.
TEST_F(LoadBricksTest, PictureBesideTheThemeIsNotLoaded)
{
    images.LoadBricks("", sound);
    WritePicture(scratch.themes() / "green.bmp", QColor(kThemeGreen));
    WriteTheme(theme(), {"green.bmp", (scratch.themes() / "green.bmp").string()});
    images.LoadBricks(theme().string(), sound);
    EXPECT_EQ(centre(BrickEntry::Green), 0x00FF00u);
    EXPECT_EQ(centre(BrickEntry::Blue), 0x0000FFu);
}

// Backslashes in picture lines separate folders, so Windows themes load.
TEST_F(LoadBricksTest, BackslashPictureLinesLoad)
{
    WritePicture(scratch.program() / "bricks" / "green.bmp", QColor(kThemeGreen));
    WriteTheme(theme(), {"bricks\\green.bmp"});
    images.LoadBricks(theme().string(), sound);
    EXPECT_EQ(centre(BrickEntry::Green), kThemeGreen & 0xFFFFFF);
}

// Each wave line fills its own array with its own file (line 13 is not in
// BytLast30), and BytNoSound is never a theme's.
TEST_F(LoadBricksTest, EachWaveLineFillsItsOwnArray)
{
    std::vector<std::string> lines(11, "");
    for (int16_t i = 12; i <= 17; ++i) {
        WriteWave(scratch.themes() / ("w" + std::to_string(i) + ".wav"), i);
        lines.push_back((scratch.themes() / ("w" + std::to_string(i) + ".wav")).string());
    }
    WriteTheme(theme(), lines);
    images.LoadBricks(theme().string(), sound);
    EXPECT_EQ(Bytes(sound.BytMain), WaveBytes(12));
    EXPECT_EQ(Bytes(sound.BytLastMin), WaveBytes(13));
    EXPECT_EQ(Bytes(sound.BytLast30), WaveBytes(14));
    EXPECT_EQ(Bytes(sound.BytGameOver), WaveBytes(15));
    EXPECT_EQ(Bytes(sound.BytHighlight), WaveBytes(16));
    EXPECT_EQ(Bytes(sound.BytClear), WaveBytes(17));
    EXPECT_FALSE(sound.BytNoSound);
}

// A theme path ending in NUL works like the path without it, and so do lines.
TEST_F(LoadBricksTest, NulEndedPathsWork)
{
    WritePicture(scratch.program() / "green.bmp", QColor(kThemeGreen));
    WriteWave(scratch.themes() / "main.wav", 5);
    std::vector<std::string> lines{std::string("green.bmp\0.png", 14)};
    lines.resize(11, "");
    lines.push_back((scratch.themes() / "main.wav").string() + std::string(1, '\0'));
    WriteTheme(theme(), lines);
    images.LoadBricks(theme().string() + std::string(1, '\0') + "garbage", sound);
    EXPECT_EQ(centre(BrickEntry::Green), kThemeGreen & 0xFFFFFF);
    EXPECT_EQ(Bytes(sound.BytMain), WaveBytes(5));
}

// Two loads in a row: the surfaces are those of the second load, built once
// per load; drawing and painting never rebuild them.
TEST_F(LoadBricksTest, TwoLoadsInARowRebuildTheSurfacesOnce)
{
    WritePicture(scratch.program() / "red.bmp", QColor(kThemeRed));
    WriteTheme(theme(), {"", "", "", "red.bmp"});
    images.LoadBricks("", sound);
    const uint64_t afterFirst = images.SurfaceBuilds();
    images.LoadBricks(theme().string(), sound);
    EXPECT_EQ(images.SurfaceBuilds(), afterFirst + 1);
    EXPECT_EQ(images.Surface(BrickEntry::Red).pixel(16, 16), kThemeRed);
    EXPECT_EQ(images.Surface(BrickEntry::Green).pixel(16, 16), qRgb(0, 255, 0));

    Bricks bricks;
    FillBoard(bricks, "RGBY/rgby");
    LabelState score;
    QImage shown(128, 64, QImage::Format_RGB32);
    QPainter painter(&shown);
    for (int i = 0; i < 5; ++i)
        DrawBricks(bricks, images, QSize(128, 64), 0, score).paint(painter, shown.rect());
    EXPECT_EQ(images.SurfaceBuilds(), afterFirst + 1);
}

// The transparent colour is cut out of the surfaces once per load; a colour
// set by hand afterwards is honoured by the next drawing.
TEST_F(LoadBricksTest, SurfacesFollowTheTransparentColour)
{
    images.LoadBricks("", sound);
    EXPECT_EQ(qAlpha(images.Surface(BrickEntry::HighlightedBlue).pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(images.Surface(BrickEntry::HighlightedBlue).pixel(1, 1)), 255);

    images.LngTransColor = 0x000000;  // black: the outline and bevels go
    Bricks bricks;
    FillBoard(bricks, "b");
    LabelState score;
    DrawBricks(bricks, images, QSize(32, 32), 0, score);
    EXPECT_EQ(images.Surface(BrickEntry::HighlightedBlue).pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(qAlpha(images.Surface(BrickEntry::HighlightedBlue).pixel(1, 1)), 0);
}

// Only the top-left 32x32 pixels of a larger brick picture are kept.
TEST_F(LoadBricksTest, LargePicturesAreCutToOneBrick)
{
    QImage big(100, 60, QImage::Format_RGB32);
    big.fill(QColor(kThemeRed));
    big.setPixel(31, 31, qRgb(1, 1, 1));
    big.save(QString::fromStdString((scratch.program() / "big.png").string()));
    WriteTheme(theme(), {"", "", "", "big.png"});
    images.LoadBricks(theme().string(), sound);
    ASSERT_EQ(images.Picture(BrickEntry::Red).size(), QSize(32, 32));
    EXPECT_EQ(images.Picture(BrickEntry::Red).pixel(31, 31), qRgb(1, 1, 1));
}

class WrittenLinesTest : public LoadBricksTest {
protected:
    void SetUp() override
    {
        m_oldCwd = fs::current_path();
        fs::create_directories(scratch.root() / "cwd");
        fs::current_path(scratch.root() / "cwd");
    }
    void TearDown() override { fs::current_path(m_oldCwd); }

    void loadWithMainLine(const std::string& line)
    {
        std::vector<std::string> lines(11, "");
        lines.push_back(line);
        WriteTheme(theme(), lines);
        images.LoadBricks(theme().string(), sound);
    }

private:
    fs::path m_oldCwd;
};

// A relative wave line is found beside the theme when the current folder
// does not hold it (a desktop launch starts in the home folder).
TEST_F(WrittenLinesTest, RelativeLineFoundBesideTheTheme)
{
    WriteWave(scratch.themes() / "sounds" / "main.wav", 21);
    WriteWave(scratch.program() / "sounds" / "main.wav", 22);
    loadWithMainLine("sounds\\main.wav");
    EXPECT_EQ(Bytes(sound.BytMain), WaveBytes(21));
}

// Next the program's folder is tried.
TEST_F(WrittenLinesTest, RelativeLineFoundInTheProgramFolder)
{
    WriteWave(scratch.program() / "sounds" / "main.wav", 22);
    loadWithMainLine("sounds/main.wav");
    EXPECT_EQ(Bytes(sound.BytMain), WaveBytes(22));
}

// A path that works as written, from the current folder, still wins.
TEST_F(WrittenLinesTest, CurrentFolderWins)
{
    WriteWave(scratch.root() / "cwd" / "sounds" / "main.wav", 20);
    WriteWave(scratch.themes() / "sounds" / "main.wav", 21);
    loadWithMainLine("sounds\\main.wav");
    EXPECT_EQ(Bytes(sound.BytMain), WaveBytes(20));
}

// Hostile themes: whatever a line names, the load ends, nothing is read
// from non-regular files, and oversized or refused files change nothing.
class HostileThemeTest : public LoadBricksTest {
protected:
    void SetUp() override
    {
        WritePicture(scratch.program() / "green.bmp", QColor(kThemeGreen));
        WriteWave(scratch.themes() / "main.wav", 3);
        WriteTheme(theme("good.tlm"), {"green.bmp", "", "", "", "", "", "", "", "", "", "",
                                       (scratch.themes() / "main.wav").string()});
        images.LoadBricks(theme("good.tlm").string(), sound);
        ASSERT_EQ(centre(BrickEntry::Green), kThemeGreen & 0xFFFFFF);
        ASSERT_EQ(Bytes(sound.BytMain), WaveBytes(3));
    }

    // Names `target` in the green picture line (relative to the program's
    // folder), the background line and the main wave line.
    void loadNaming(const fs::path& target)
    {
        const std::string relative = fs::relative(target, scratch.program()).string();
        WriteTheme(theme(), {relative, "", "", "", "", "", "", "", "", target.string(), "", target.string()});
        images.LoadBricks(theme().string(), sound);
    }
    void expectUnchanged()
    {
        EXPECT_EQ(centre(BrickEntry::Green), kThemeGreen & 0xFFFFFF);
        EXPECT_TRUE(images.Background().isNull());
        EXPECT_EQ(Bytes(sound.BytMain), WaveBytes(3));
    }
};

// A folder named by a line counts as a missing file.
TEST_F(HostileThemeTest, FolderCountsAsMissing)
{
    fs::create_directories(scratch.program() / "folder.bmp");
    loadNaming(scratch.program() / "folder.bmp");
    expectUnchanged();
}

// A FIFO is never opened for reading (it would block for ever).
TEST_F(HostileThemeTest, FifoCountsAsMissing)
{
    const fs::path fifo = scratch.program() / "pipe.bmp";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    loadNaming(fifo);
    expectUnchanged();
}

// A FIFO as the theme file itself takes the built-in path.
TEST_F(HostileThemeTest, FifoThemeTakesTheBuiltInPath)
{
    const fs::path fifo = scratch.themes() / "pipe.tlm";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    images.LoadBricks(fifo.string(), sound);
    EXPECT_EQ(centre(BrickEntry::Green), 0x00FF00u);
}

// /dev/zero, directly or through a link, never ends and is never read.
TEST_F(HostileThemeTest, EndlessDeviceCountsAsMissing)
{
    const fs::path link = scratch.program() / "zero.bmp";
    fs::create_symlink("/dev/zero", link);
    loadNaming(link);
    expectUnchanged();

    std::vector<std::string> lines(11, "");
    lines.push_back("/dev/zero");
    WriteTheme(theme(), lines);
    images.LoadBricks(theme().string(), sound);
    EXPECT_EQ(Bytes(sound.BytMain), WaveBytes(3));

    images.LoadBricks("/dev/zero", sound);  // as the theme itself: built-in path
    EXPECT_EQ(centre(BrickEntry::Green), 0x00FF00u);
}

// A picture whose header claims more than 8192 pixels across is refused
// before any decoding.
TEST_F(HostileThemeTest, HugePictureHeaderIsRefused)
{
    // A BMP header announcing 100000 x 100000 pixels at 24 bits, no pixels.
    std::string bmp = "BM";
    auto le = [&](uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            bmp.push_back(static_cast<char>(v >> (8 * i)));
    };
    le(54, 4), le(0, 4), le(54, 4), le(40, 4), le(100000, 4), le(100000, 4), le(1, 2), le(24, 2);
    le(0, 4), le(0, 4), le(0, 4), le(0, 4), le(0, 4), le(0, 4);
    WriteBytes(scratch.program() / "huge.bmp", bmp);
    loadNaming(scratch.program() / "huge.bmp");
    expectUnchanged();
}

// The side limit holds for pictures that would decode fine: 8193 pixels
// across is one too many, 8192 is allowed.
TEST_F(HostileThemeTest, PictureSideLimitIsExact)
{
    QImage wide(8193, 1, QImage::Format_RGB32);
    wide.fill(QColor(9, 9, 9));
    wide.save(QString::fromStdString((scratch.program() / "wide.png").string()));
    loadNaming(scratch.program() / "wide.png");
    expectUnchanged();

    QImage edge(8192, 1, QImage::Format_RGB32);
    edge.fill(QColor(9, 9, 9));
    edge.save(QString::fromStdString((scratch.program() / "edge.png").string()));
    WriteTheme(theme(), {"edge.png"});
    images.LoadBricks(theme().string(), sound);
    EXPECT_EQ(images.Picture(BrickEntry::Green).pixel(0, 0), qRgb(9, 9, 9));
}

// A wave file over 64 MiB is refused unread (a sparse file: no disk used).
TEST_F(HostileThemeTest, WaveOver64MiBIsRefused)
{
    const fs::path big = scratch.themes() / "big.wav";
    const auto header = WaveBytes(4);
    WriteBytes(big, std::string(header.begin(), header.end()));
    ASSERT_EQ(truncate(big.c_str(), (64ll << 20) + 1), 0);
    loadNaming(big);
    expectUnchanged();
}

// Files the decoders refuse (text as a picture, a picture as a wave) are
// unusable lines.
TEST_F(HostileThemeTest, UndecodableFilesAreRefused)
{
    WriteBytes(scratch.program() / "notes.bmp", "this is not a picture\n");
    loadNaming(scratch.program() / "notes.bmp");
    expectUnchanged();

    std::vector<std::string> lines(11, "");
    lines.push_back((scratch.program() / "green.bmp").string());
    WriteTheme(theme(), lines);
    images.LoadBricks(theme().string(), sound);
    EXPECT_EQ(Bytes(sound.BytMain), WaveBytes(3));
}

// A huge theme file is read only as far as its first lines (a sparse 4 GiB
// file, so a whole read would show as a failure of time and memory).
TEST_F(HostileThemeTest, HugeThemeFileIsReadOnlyInPart)
{
    WriteTheme(theme(), {"", "", "", "", "", "", "", "", "1 2 3", ""});
    ASSERT_EQ(truncate(theme().c_str(), 4ll << 30), 0);
    images.LoadBricks(theme().string(), sound);
    EXPECT_EQ(images.LngTransColor, 0x030201);
    EXPECT_EQ(centre(BrickEntry::Green), kThemeGreen & 0xFFFFFF);
}

// A theme file that exists but cannot be read behaves as 17 empty lines:
// pictures kept, transparent colour white. /proc/self/mem is a regular file
// whose first page cannot be read, even by root.
TEST_F(HostileThemeTest, UnreadableThemeReadsAsEmptyLines)
{
    ASSERT_TRUE(fs::is_regular_file("/proc/self/mem"));
    images.LngTransColor = 0x112233;
    images.LoadBricks("/proc/self/mem", sound);
    EXPECT_EQ(images.LngTransColor, 0xFFFFFF);
    EXPECT_EQ(centre(BrickEntry::Green), kThemeGreen & 0xFFFFFF);
    EXPECT_EQ(Bytes(sound.BytMain), WaveBytes(3));
}

}  // namespace
