#include "BoardPicture.h"
#include "TestFiles.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using namespace testfiles;

constexpr QRgb kWhite = qRgb(255, 255, 255);

class BoardLookTest : public ThemeFixture {
protected:
    BoardLookTest()
    {
        reload("");
        theme.SetBackColor(0x604020);
    }

    // A theme of flat bricks in a one-pixel frame whose inside is the transparent magenta, so a mark over it lies
    // on the back colour; with a background the board's own size when given.
    void loadHollowTheme(QSize background = {})
    {
        std::map<int, std::string> lines{{9, "255 0 255"}};
        const QRgb frames[] = {qRgb(0, 140, 0), qRgb(0, 0, 150), qRgb(150, 150, 0), qRgb(160, 0, 0)};
        for (int i = 0; i < 8; ++i) {
            QImage brick(32, 32, QImage::Format_RGB32);
            brick.fill(qRgb(255, 0, 255));
            for (int k = 0; k < 32; ++k)
                for (const QPoint p : {QPoint(k, 0), QPoint(k, 31), QPoint(0, k), QPoint(31, k)})
                    brick.setPixel(p, i < 4 ? frames[i] : kWhite);
            brick.save(QString::fromStdString((program / ("b" + std::to_string(i) + ".bmp")).string()));
            lines[i + 1] = "b" + std::to_string(i) + ".bmp";
        }
        if (!background.isEmpty()) {
            QImage back(background, QImage::Format_RGB32);
            for (int y = 0; y < back.height(); ++y)
                for (int x = 0; x < back.width(); ++x)
                    back.setPixel(x, y, (x + y) % 5 == 0 ? kWhite : qRgb(x * 7 % 256, y * 11 % 256, 90));
            back.save(QString::fromStdString((themes / "back.bmp").string()));
            lines[10] = (themes / "back.bmp").string();
        }
        load(Lines(lines));
    }

    // The board drawn at this zoom onto an image of the zoomed size, on a device of this pixel ratio.
    QImage render(const std::string& board, int zoom, bool symbols, qreal ratio = 1.0)
    {
        const Bricks bricks = BricksOf(board, true);
        return paint(DrawBricks(bricks, theme, {zoom, bricks.LngMaxX + 1, bricks.LngMaxY + 1}, symbols), ratio);
    }

    static QImage paint(const BoardPicture& picture, qreal ratio)
    {
        QImage image(picture.size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        QPainter painter(&image);
        picture.paint(painter, QRect(QPoint(), picture.size()));
        painter.end();
        image.setDevicePixelRatio(1);
        return image;
    }
};

// A mark as it shows in one cell: where its light fill and its dark outline lie, each pixel 1 or 2, else 0.
struct Mark {
    std::vector<int> pixels;
    std::vector<bool> fill;
    int fillPixels = 0;
    int outlinePixels = 0;
};

Mark MarkIn(const QImage& plain, const QImage& marked, QPoint corner, int side)
{
    Mark mark;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const QRgb before = plain.pixel(corner + QPoint(x, y)), after = marked.pixel(corner + QPoint(x, y));
            const auto brightest = [](QRgb c) { return qMax(qMax(qRed(c), qGreen(c)), qBlue(c)); };
            const bool light = after == kWhite && before != kWhite;
            const bool dark = brightest(after) < 48 && brightest(before) >= 96;
            mark.pixels.push_back(light ? 1 : dark ? 2 : 0);
            mark.fill.push_back(light);
            mark.fillPixels += light;
            mark.outlinePixels += dark;
        }
    return mark;
}

// How many of the pixels either mark covers show differently in the other, in per cent, with the two laid over
// each other as well as a shift of up to two pixels lets them: a shape moved a little is no other shape.
int PercentDiffering(const Mark& a, const Mark& b, int side)
{
    int least = 100;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            int covered = 0, differing = 0;
            for (int y = 2; y < side - 2; ++y)
                for (int x = 2; x < side - 2; ++x) {
                    const int p = a.pixels[y * side + x], q = b.pixels[(y + dy) * side + x + dx];
                    covered += p || q;
                    differing += p != q;
                }
            least = std::min(least, covered ? 100 * differing / covered : 0);
        }
    return least;
}

class BrickMarks : public BoardLookTest, public ::testing::WithParamInterface<int> {};

// Each colour carries its own mark, the same on its highlighted brick and over any theme, light inside a dark outline.
TEST_P(BrickMarks, OneMarkPerColourFourDistinctMarks)
{
    const int zoom = GetParam(), side = BoardGeometry{zoom}.cellPixels();
    std::array<std::array<Mark, kBrickEntryCount>, 2> marks;
    for (int which = 0; which < 2; ++which) {
        if (which == 1)
            loadHollowTheme();
        // Entries in their own order: green, blue, yellow, red, then the same highlighted.
        const QImage plain = render("GBYR/gbyr", zoom, false), marked = render("GBYR/gbyr", zoom, true);
        for (size_t i = 0; i < kBrickEntryCount; ++i) {
            marks[which][i] = MarkIn(plain, marked, QPoint(int(i % 4), int(i / 4)) * side, side);
            EXPECT_GT(marks[which][i].fillPixels, side * side / 20) << "theme " << which << " entry " << i;
            EXPECT_GT(marks[which][i].outlinePixels, side) << "theme " << which << " entry " << i;
        }
    }
    for (size_t colour = 0; colour < 4; ++colour) {
        EXPECT_EQ(marks[0][colour].fill, marks[0][colour + 4].fill) << "highlighted " << colour;
        EXPECT_EQ(marks[0][colour].fill, marks[1][colour].fill) << "theme " << colour;
        EXPECT_EQ(marks[1][colour].fill, marks[1][colour + 4].fill) << "theme highlighted " << colour;
        for (size_t other = colour + 1; other < 4; ++other)
            EXPECT_GT(PercentDiffering(marks[0][colour], marks[0][other], side), 25) << colour << " and " << other;
    }
}

INSTANTIATE_TEST_SUITE_P(Zooms, BrickMarks, ::testing::Values(100, 150, 300));

// At 200 % every pixel of the board at actual size, back colour, background and cut-out colour included, is a 2x2 block.
TEST_F(BoardLookTest, DoubleSizeMakesEveryPixelATwoByTwoBlock)
{
    loadHollowTheme(QSize(96, 64));
    const QImage actual = render("Rg./yBG", 100, false), doubled = render("Rg./yBG", 200, false);
    ASSERT_EQ(doubled.size(), QSize(192, 128));
    ASSERT_EQ(actual.pixel(16, 16), qRgb(16 * 7, 16 * 11, 90));  // through the red brick's transparent inside
    for (int y = 0; y < doubled.height(); ++y)
        for (int x = 0; x < doubled.width(); ++x)
            ASSERT_EQ(doubled.pixel(x, y), actual.pixel(x / 2, y / 2)) << x << "," << y;
}

// On a screen with its own scale factor the board is drawn in device pixels: the same pixels as the zoom they make.
TEST_F(BoardLookTest, DeviceScaleDrawsAsTheMatchingZoom)
{
    loadHollowTheme(QSize(144, 96));
    for (const auto& [zoom, ratio, same] : {std::tuple{100, 2.0, 200}, {150, 2.0, 300}, {100, 1.5, 150}, {200, 1.5, 300}})
        for (const bool symbols : {false, true})
            EXPECT_EQ(render("Rg./yBG", zoom, symbols, ratio), render("Rg./yBG", same, symbols))
                << zoom << "% at " << ratio << (symbols ? " with marks" : "");
}

// A window moved to a screen of another scale factor shows the same picture in that screen's pixels, not the
// bricks made for the screen it left, stretched.
TEST_F(BoardLookTest, OnePictureFollowsTheScreenItIsShownOn)
{
    const Bricks bricks = BricksOf("Rg./yBG", true);
    const BoardPicture shown = DrawBricks(bricks, theme, {150, 3, 2}, true);
    for (const qreal ratio : {1.0, 2.0, 1.5, 1.0})
        EXPECT_EQ(paint(shown, ratio), render("Rg./yBG", 150, true, ratio)) << ratio;
}

}  // namespace
