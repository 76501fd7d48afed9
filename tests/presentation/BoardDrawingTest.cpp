#include "BoardPicture.h"
#include "BoardSurface.h"
#include "TestFiles.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

using namespace testfiles;

constexpr QRgb kBackRgb = qRgb(0x20, 0x40, 0x60);

class BoardDrawingTest : public ThemeFixture {
protected:
    BoardDrawingTest()
    {
        reload("");
        theme.SetBackColor(0x604020);
    }

    // Draws the board (a new one when given) onto the surface at its own size and grabs it.
    QImage draw(const std::string& board = "")
    {
        if (!board.empty())
            bricks = BricksOf(board, true);
        const BoardGeometry geometry{100, bricks.LngMaxX + 1, bricks.LngMaxY + 1};
        surface.resize(geometry.boardSize());
        surface.showPicture(DrawBricks(bricks, theme, geometry));
        return surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    Bricks bricks;
    BoardSurface surface;
};

// A highlighted brick's white ring shows the back colour while white is transparent, else it is drawn white.
TEST_F(BoardDrawingTest, TransparentColourDecidesTheRing)
{
    QImage shot = draw("r");
    for (int i = 0; i < 32; ++i)
        ASSERT_TRUE(shot.pixel(i, 0) == kBackRgb && shot.pixel(31, i) == kBackRgb) << i;
    EXPECT_EQ(shot.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(1, 5), qRgb(128, 0, 0));
    EXPECT_EQ(shot.pixel(16, 16), qRgb(255, 0, 0));

    load(Lines({{9, "255 0 255"}}));
    shot = draw("g");
    EXPECT_EQ(shot.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(31, 17), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(16, 16), qRgb(0, 255, 0));

    theme.SetTransColor(0x000000);
    shot = draw("g");
    EXPECT_EQ(shot.pixel(1, 1), kBackRgb);
    EXPECT_EQ(shot.pixel(0, 0), qRgb(255, 255, 255));
}

// Empty cells and colours not spelled exactly ("red" in lower case) draw nothing but the back colour.
TEST_F(BoardDrawingTest, EmptyAndMisspelledCellsShowTheBackColour)
{
    bricks.Add(false, "None", 0, 0, "X0Y0");
    bricks.Add(true, "none", 1, 0, "X0Y1");
    bricks.Add(false, "red", 0, 1, "X1Y0");
    bricks.Add(true, "RED", 1, 1, "X1Y1");
    QImage backOnly(64, 64, QImage::Format_RGB32);
    backOnly.fill(kBackRgb);
    EXPECT_EQ(draw(), backOnly);
}

// A board drawn wider than its bricks reach shows the back colour in the columns no brick lies in.
TEST_F(BoardDrawingTest, ColumnsBeyondTheBricksShowTheBackColour)
{
    bricks = BricksOf("rg\nby", true);
    const BoardGeometry geometry{100, 3, 2};
    surface.resize(geometry.boardSize());
    surface.showPicture(DrawBricks(bricks, theme, geometry));
    const QImage shot = surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 64; x < 96; ++x)
            ASSERT_EQ(shot.pixel(x, y), kBackRgb) << x << "," << y;
}

// A brick's mark sits in the middle of its cell: the pixels it changes are as far from each edge as from the other.
TEST_F(BoardDrawingTest, MarksAreCentredOnTheirBricks)
{
    bricks = BricksOf("rb", true);  // a circle and a square, both symmetric
    for (int zoom : {100, 200}) {
        const BoardGeometry geometry{zoom, 2, 1};
        const auto shot = [&](bool marks) {
            QImage image(geometry.boardSize(), QImage::Format_RGB32);
            QPainter painter(&image);
            DrawBricks(bricks, theme, geometry, marks).paint(painter, image.rect());
            return image;
        };
        const QImage plain = shot(false), marked = shot(true);
        for (int cell = 0; cell < 2; ++cell) {
            const int side = geometry.cellPixels(), left = cell * side;
            QRect changed;
            for (int y = 0; y < side; ++y)
                for (int x = left; x < left + side; ++x)
                    if (plain.pixel(x, y) != marked.pixel(x, y))
                        changed |= QRect(x - left, y, 1, 1);
            ASSERT_FALSE(changed.isEmpty()) << zoom;
            EXPECT_EQ(changed.left() + changed.right(), side - 1) << zoom << " cell " << cell;
            EXPECT_EQ(changed.top() + changed.bottom(), side - 1) << zoom << " cell " << cell;
        }
    }
}

// The cursor is a closed ring: the same on every side of its cell.
TEST(CursorRing, IsTheSameOnEverySide)
{
    for (int side : {32, 64, 96}) {
        QImage cell(side, side, QImage::Format_RGB32);
        cell.fill(Qt::gray);
        {
            QPainter painter(&cell);
            PaintCursor(painter, cell.rect());
        }
        EXPECT_NE(cell.pixel(side / 2, side / 8), qRgb(128, 128, 128)) << side;
        EXPECT_EQ(cell.transformed(QTransform().rotate(90)), cell) << side;
        EXPECT_EQ(cell.mirrored(true, false), cell) << side;
    }
}

// A 300x200 background fills a 544x384 board, white left out, and painting in parts gives the same pixels.
TEST_F(BoardDrawingTest, BackgroundIsStretchedOverTheWholeBoard)
{
    QImage back(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            back.setPixel(x, y, y == 0 ? qRgb(255, 255, 255) : x < 150 ? qRgb(0, 0, 200) : qRgb(200, 200, 0));
    back.save(QString::fromStdString((themes / "back.bmp").string()));
    load(Lines({{10, (themes / "back.bmp").string()}}));

    std::string board(17, '.');
    for (int row = 1; row < 12; ++row)
        board += row == 6 ? "/....R.b.Y.g.B..." : "/.................";
    const QImage shot = draw(board);
    ASSERT_EQ(shot.size(), QSize(544, 384));
    EXPECT_EQ(shot.pixel(0, 0), kBackRgb);  // the white top row
    EXPECT_EQ(shot.pixel(543, 0), kBackRgb);
    EXPECT_EQ(shot.pixel(0, 3), qRgb(0, 0, 200));
    EXPECT_EQ(shot.pixel(260, 100), qRgb(0, 0, 200));
    EXPECT_EQ(shot.pixel(285, 100), qRgb(200, 200, 0));
    EXPECT_EQ(shot.pixel(543, 383), qRgb(200, 200, 0));
    EXPECT_EQ(shot.pixel(0, 383), qRgb(0, 0, 200));

    QImage parts(544, 384, QImage::Format_RGB32);
    parts.fill(Qt::magenta);
    QPainter painter(&parts);
    for (int y = 0; y < 384; y += 17)
        for (int x = 0; x < 544; x += 23)
            surface.picture().paint(painter, QRect(x, y, 23, 17));
    painter.end();
    EXPECT_EQ(parts, shot);
}

// Until the next DrawBricks the surface shows what the last one drew, repaints too.
TEST_F(BoardDrawingTest, PersistentImageOutlivesBoardChanges)
{
    const QImage before = draw("rB");
    bricks.Item(1)->StrColor = "None";
    bricks.Item(2)->BlnHighLighted = true;
    reload("");
    theme.SetBackColor(0x000000);
    surface.repaint();
    EXPECT_EQ(surface.grab().toImage().convertToFormat(QImage::Format_RGB32), before);

    const QImage after = draw();
    EXPECT_EQ(after.pixel(16, 16), qRgb(0, 0, 0));  // empty now, new back colour
    EXPECT_EQ(after.pixel(32, 0), qRgb(0, 0, 0));   // highlighted: the ring is gone
    EXPECT_EQ(after.pixel(48, 16), qRgb(0, 0, 255));
}

// A 1000x1000 board costs about a byte per cell, and a repaint draws only the cells it exposes.
TEST_F(BoardDrawingTest, HugeBoardIsPaintedByTheExposedPart)
{
    for (int32_t x = 0; x < 1000; ++x)
        for (int32_t y = 0; y < 1000; ++y)
            bricks.Add((x + y) % 7 == 0, (x + y) % 2 ? "Blue" : "Red", y, x, CellKey(x, y));
    surface.resize(32000, 32000);
    surface.showPicture(DrawBricks(bricks, theme, {100, 1000, 1000}));
    EXPECT_LT(surface.picture().memoryUsage(), 2u << 20);

    QImage view(800, 600, QImage::Format_RGB32);
    surface.render(&view, QPoint(), QRegion(16010, 16010, 800, 600));
    EXPECT_EQ(surface.lastPaintedBricks(), 26 * 20);
    EXPECT_EQ(view.pixel(0, 0), qRgb(255, 0, 0));   // cell (500, 500): a plain Red face
    EXPECT_EQ(view.pixel(0, 22), kBackRgb);          // (500, 501): highlighted Blue, its ring
    EXPECT_EQ(view.pixel(6, 38), qRgb(0, 0, 255));
}

}  // namespace
