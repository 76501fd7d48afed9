#include "BoardPicture.h"
#include "BoardSurface.h"
#include "BrickImages.h"
#include "CellKey.h"
#include "TestFiles.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using namespace testfiles;

constexpr ColorRef kBack = 0x604020;  // r 0x20, g 0x40, b 0x60
constexpr QRgb kBackRgb = qRgb(0x20, 0x40, 0x60);

class BoardDrawingTest : public ::testing::Test {
protected:
    BoardDrawingTest()
    {
        images.LoadBricks("", sound);
        images.LngBackColor = static_cast<int32_t>(kBack);
    }

    // Draws the board onto the surface at the board's own size and grabs it.
    QImage drawAndGrab(const std::string& board, int32_t score = 0)
    {
        bricks = Bricks();
        FillBoard(bricks, board);
        return drawAndGrab(score);
    }
    QImage drawAndGrab(int32_t score = 0)
    {
        const QSize size(32 * (bricks.LngMaxX + 1), 32 * (bricks.LngMaxY + 1));
        surface.resize(size);
        surface.showPicture(DrawBricks(bricks, images, size, score, lblScore));
        return surface.grab().toImage();
    }
    static QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

    Scratch scratch;
    NullAudioBackend audio;
    ModSound sound{audio};
    BrickImages images{scratch.program()};
    Bricks bricks;
    LabelState lblScore;
    BoardSurface surface;
};

// The white outer ring of a highlighted brick is transparent with the
// default white transparent colour: the back colour shows through it.
TEST_F(BoardDrawingTest, HighlightedRingShowsTheBackColour)
{
    const QImage shot = drawAndGrab("r");
    ASSERT_EQ(shot.size(), QSize(32, 32));
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(At(shot, i, 0), kBackRgb) << i;
        EXPECT_EQ(At(shot, 31, i), kBackRgb) << i;
    }
    EXPECT_EQ(At(shot, 1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(At(shot, 1, 5), qRgb(128, 0, 0));
    EXPECT_EQ(At(shot, 16, 16), qRgb(255, 0, 0));
}

// With another transparent colour (set by a theme), the ring is drawn white.
TEST_F(BoardDrawingTest, RingIsWhiteUnderAnotherTransparentColour)
{
    WriteTheme(scratch.themes() / "magenta.tlm", {"", "", "", "", "", "", "", "", "255 0 255"});
    images.LoadBricks((scratch.themes() / "magenta.tlm").string(), sound);
    const QImage shot = drawAndGrab("g");
    EXPECT_EQ(At(shot, 0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(At(shot, 31, 17), qRgb(255, 255, 255));
    EXPECT_EQ(At(shot, 16, 16), qRgb(0, 255, 0));
}

// Empty cells ("None", "none") and any colour name not spelled exactly,
// such as "red" in lower case, draw nothing: only the back colour shows.
TEST_F(BoardDrawingTest, EmptyAndMisspelledCellsShowTheBackColour)
{
    bricks = Bricks();
    bricks.Add(false, "None", 0, 0, "X0Y0");
    bricks.Add(true, "none", 1, 0, "X0Y1");
    bricks.Add(false, "red", 0, 1, "X1Y0");
    bricks.Add(true, "RED", 1, 1, "X1Y1");
    const QImage shot = drawAndGrab();
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ASSERT_EQ(At(shot, x, y), kBackRgb) << x << "," << y;
}

// A 300x200 background is stretched over a 17x12 board (544x384) to its
// edges, its white left out.
TEST_F(BoardDrawingTest, BackgroundIsStretchedOverTheWholeBoard)
{
    QImage back(300, 200, QImage::Format_RGB32);
    back.fill(QColor(0, 0, 200));
    for (int y = 0; y < 200; ++y)
        for (int x = 150; x < 300; ++x)
            back.setPixel(x, y, qRgb(200, 200, 0));
    for (int x = 0; x < 300; ++x)
        back.setPixel(x, 0, qRgb(255, 255, 255));  // the top row: white
    back.save(QString::fromStdString((scratch.themes() / "back.bmp").string()));
    std::vector<std::string> lines(9, "");
    lines.push_back((scratch.themes() / "back.bmp").string());
    WriteTheme(scratch.themes() / "back.tlm", lines);
    images.LoadBricks((scratch.themes() / "back.tlm").string(), sound);

    std::string empty;
    for (int row = 0; row < 12; ++row)
        empty += std::string(row ? "/" : "") + std::string(17, '.');
    const QImage shot = drawAndGrab(empty);
    ASSERT_EQ(shot.size(), QSize(544, 384));
    EXPECT_EQ(At(shot, 0, 0), kBackRgb);      // white row: back colour
    EXPECT_EQ(At(shot, 543, 0), kBackRgb);
    EXPECT_EQ(At(shot, 0, 3), qRgb(0, 0, 200));
    EXPECT_EQ(At(shot, 260, 200), qRgb(0, 0, 200));
    EXPECT_EQ(At(shot, 285, 200), qRgb(200, 200, 0));
    EXPECT_EQ(At(shot, 543, 383), qRgb(200, 200, 0));
    EXPECT_EQ(At(shot, 0, 383), qRgb(0, 0, 200));
    int backPixels = 0;
    for (int y = 0; y < 384; ++y)
        for (int x = 0; x < 544; ++x)
            backPixels += At(shot, x, y) == kBackRgb;
    EXPECT_GT(backPixels, 0);
    EXPECT_LE(backPixels, 2 * 544);  // only the stretched white row
}

// The score label shows LngScore as plain digits at each drawing.
TEST_F(BoardDrawingTest, ScoreCaptionFollowsEachDrawing)
{
    drawAndGrab("R", 1234);
    EXPECT_EQ(lblScore.caption, "1234");
    drawAndGrab(-56);
    EXPECT_EQ(lblScore.caption, "-56");
}

// Until the next DrawBricks the surface shows what the last one drew, even
// after the board and the images changed and the window repainted.
TEST_F(BoardDrawingTest, PersistentImageOutlivesBoardChanges)
{
    const QImage before = drawAndGrab("rB");
    bricks.Item(1)->StrColor = "None";
    bricks.Item(1)->BlnHighLighted = false;
    bricks.Item(2)->BlnHighLighted = true;
    images.LoadBricks((scratch.themes() / "nothere.tlm").string(), sound);
    images.LngBackColor = 0x000000;
    surface.repaint();
    EXPECT_EQ(surface.grab().toImage(), before);

    const QImage after = drawAndGrab();
    EXPECT_EQ(At(after, 16, 16), qRgb(0, 0, 0));  // empty now, new back colour
    EXPECT_EQ(At(after, 32, 0), qRgb(0, 0, 0));   // blue highlighted: ring gone
    EXPECT_EQ(At(after, 48, 16), qRgb(0, 0, 255));
}

// A repaint costs the exposed cells only: a 64x64 area over a full 17x12
// board draws 9 bricks, the whole board 204.
TEST_F(BoardDrawingTest, RepaintDrawsOnlyTheExposedCells)
{
    std::string board;
    for (int row = 0; row < 12; ++row)
        board += std::string(row ? "/" : "") + "RGBYRGBYRGBYRGBYR";
    drawAndGrab(board);
    EXPECT_EQ(surface.lastPaintedBricks(), 17 * 12);

    QImage part(64, 64, QImage::Format_RGB32);
    surface.render(&part, QPoint(), QRegion(40, 40, 64, 64));
    EXPECT_EQ(surface.lastPaintedBricks(), 9);
    // Board pixel (40, 40) is cell (1, 1): green, its face at (8, 8) in.
    EXPECT_EQ(At(part, 0, 0), qRgb(0, 255, 0));
}

// A 1000x1000 board keeps about a byte per cell, and painting a window's
// worth of it draws that window's cells.
TEST_F(BoardDrawingTest, HugeBoardIsPaintedByTheExposedPart)
{
    bricks = Bricks();
    for (int32_t x = 0; x < 1000; ++x)
        for (int32_t y = 0; y < 1000; ++y)
            bricks.Add((x + y) % 7 == 0, (x + y) % 2 ? "Blue" : "Red", y, x, CellKey(x, y));
    const QSize size(32000, 32000);
    surface.resize(size);
    surface.showPicture(DrawBricks(bricks, images, size, 0, lblScore));
    EXPECT_LT(surface.picture().memoryUsage(), 2u << 20);

    QImage view(800, 600, QImage::Format_RGB32);
    surface.render(&view, QPoint(), QRegion(16000, 16000, 800, 600));
    EXPECT_EQ(surface.lastPaintedBricks(), 25 * 19);
    // The view starts at cell (500, 500): x + y = 1000, a plain Red brick.
    EXPECT_EQ(At(view, 0, 0), qRgb(0, 0, 0));  // its bevel
    EXPECT_EQ(At(view, 16, 16), qRgb(255, 0, 0));
    // Cell (500, 501): x + y = 1001 = 7 * 143, a highlighted Blue brick.
    EXPECT_EQ(At(view, 0, 32), kBackRgb);
    EXPECT_EQ(At(view, 16, 48), qRgb(0, 0, 255));
}

// Painting the board in parts gives exactly the pixels of painting it whole,
// background stretch included.
TEST_F(BoardDrawingTest, PartsPaintLikeTheWhole)
{
    QImage back(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x)
            back.setPixel(x, y, qRgb(x * 6, y * 10, (x * y) % 256));
    back.save(QString::fromStdString((scratch.themes() / "back.png").string()));
    std::vector<std::string> lines(9, "");
    lines.push_back((scratch.themes() / "back.png").string());
    WriteTheme(scratch.themes() / "back.tlm", lines);
    images.LoadBricks((scratch.themes() / "back.tlm").string(), sound);
    bricks = Bricks();
    FillBoard(bricks, "R.b.Y/.g.B./Y..r.");
    const BoardPicture picture = DrawBricks(bricks, images, QSize(160, 96), 0, lblScore);

    QImage whole(160, 96, QImage::Format_RGB32);
    {
        QPainter p(&whole);
        picture.paint(p, whole.rect());
    }
    QImage parts(160, 96, QImage::Format_RGB32);
    parts.fill(Qt::magenta);
    {
        QPainter p(&parts);
        for (int y = 0; y < 96; y += 17)
            for (int x = 0; x < 160; x += 23)
                picture.paint(p, QRect(x, y, 23, 17));
    }
    EXPECT_EQ(parts, whole);
}

// At a device-pixel ratio of 2 each brick pixel becomes an exact 2x2 block:
// no smoothing blurs the bricks.
TEST_F(BoardDrawingTest, HiDpiBricksStayCrisp)
{
    bricks = Bricks();
    FillBoard(bricks, "Gy");
    const BoardPicture picture = DrawBricks(bricks, images, QSize(64, 32), 0, lblScore);
    QImage device(128, 64, QImage::Format_RGB32);
    device.setDevicePixelRatio(2);
    {
        QPainter p(&device);
        picture.paint(p, QRect(0, 0, 64, 32));
    }
    const QImage& green = images.Picture(BrickEntry::Green);
    const QImage& yellow = images.Picture(BrickEntry::HighlightedYellow);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            ASSERT_EQ(At(device, x, y), green.pixel(x / 2, y / 2) | 0xFF000000u) << x << "," << y;
            const QRgb src = yellow.pixel(x / 2, y / 2) & 0xFFFFFF;
            ASSERT_EQ(At(device, 64 + x, y), src == 0xFFFFFF ? kBackRgb : src | 0xFF000000u) << x << "," << y;
        }
    }
}

// Mouse releases are passed on with the button and the position in board pixels.
TEST_F(BoardDrawingTest, MouseReleaseIsForwarded)
{
    surface.resize(64, 64);
    std::vector<std::pair<Qt::MouseButton, QPointF>> seen;
    QObject::connect(&surface, &BoardSurface::mouseReleased,
                     [&](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF at) { seen.emplace_back(button, at); });
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(40, 7), QPointF(40, 7), Qt::RightButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&surface, &release);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].first, Qt::RightButton);
    EXPECT_EQ(seen[0].second, QPointF(40, 7));
}

}  // namespace
