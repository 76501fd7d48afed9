#include "BrickImages.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace {

struct BrickCase {
    std::string name;
    QRgb bright;
    QRgb dark;
    bool highlighted;
};

const BrickCase kBricks[] = {
    {"RED", qRgb(255, 0, 0), qRgb(128, 0, 0), false},
    {"GREEN", qRgb(0, 255, 0), qRgb(0, 128, 0), false},
    {"BLUE", qRgb(0, 0, 255), qRgb(0, 0, 128), false},
    {"YELLOW", qRgb(255, 255, 0), qRgb(128, 128, 0), false},
    {"HRED", qRgb(255, 0, 0), qRgb(128, 0, 0), true},
    {"HGREEN", qRgb(0, 255, 0), qRgb(0, 128, 0), true},
    {"HBLUE", qRgb(0, 0, 255), qRgb(0, 0, 128), true},
    {"HYELLOW", qRgb(255, 255, 0), qRgb(128, 128, 0), true},
};

void PrintTo(const BrickCase& c, std::ostream* os)
{
    *os << c.name;
}

// The bevel pixels, listed rather than derived.
bool IsBevel(int x, int y)
{
    static const int kBevel[][2] = {{0, 0},   {1, 1},   {2, 2},   {31, 0},  {30, 1},  {29, 2},
                                    {0, 31},  {1, 30},  {2, 29},  {31, 31}, {30, 30}, {29, 29}};
    for (const auto& p : kBevel)
        if (p[0] == x && p[1] == y)
            return true;
    return false;
}

class BuiltInBrickPixels : public ::testing::TestWithParam<BrickCase> {};

// Every pixel of each built-in brick sits in its layout region with its colour.
TEST_P(BuiltInBrickPixels, EveryPixelMatchesTheLayout)
{
    const BrickCase& brick = GetParam();
    const QImage image = BuiltInBrick(brick.name);
    ASSERT_EQ(image.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool onRing = x == 0 || y == 0 || x == 31 || y == 31;
            QRgb expected = brick.dark;
            if (brick.highlighted && onRing)
                expected = qRgb(255, 255, 255);
            else if (x >= 4 && x <= 27 && y >= 4 && y <= 27)
                expected = brick.bright;
            else if ((x >= 3 && x <= 28 && y >= 3 && y <= 28) || IsBevel(x, y))
                expected = qRgb(0, 0, 0);
            ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, expected & 0xFFFFFF)
                << brick.name << " at (" << x << ", " << y << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Bricks, BuiltInBrickPixels, ::testing::ValuesIn(kBricks),
                         [](const auto& info) { return info.param.name; });

// Resource names are looked up without regard to case.
TEST(BuiltInBricks, LookupIgnoresCase)
{
    const QImage upper = BuiltInBrick("HYELLOW");
    ASSERT_FALSE(upper.isNull());
    EXPECT_EQ(BuiltInBrick("hyellow"), upper);
    EXPECT_EQ(BuiltInBrick("hYeLLoW"), upper);
    EXPECT_TRUE(BuiltInBrick("PURPLE").isNull());
    EXPECT_TRUE(BuiltInBrick("").isNull());
}

// The built-in bitmaps are 24-bit BMP files, and the build tree holds them
// as files named after their resources, byte for byte the same.
TEST(BuiltInBricks, BuildTreeFilesAre24BitBitmapsEqualToTheResources)
{
    for (const BrickCase& brick : kBricks) {
        QFile resource(QString(":/bricks/%1.bmp").arg(QString::fromStdString(brick.name)));
        QFile onDisk(QString("%1/%2.bmp").arg(TOLMORA_BRICK_BITMAP_DIR, QString::fromStdString(brick.name)));
        ASSERT_TRUE(resource.open(QIODevice::ReadOnly)) << brick.name;
        ASSERT_TRUE(onDisk.open(QIODevice::ReadOnly)) << onDisk.fileName().toStdString();
        const QByteArray bytes = resource.readAll();
        EXPECT_EQ(bytes, onDisk.readAll()) << brick.name;
        ASSERT_GE(bytes.size(), 54);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        auto le = [&](int at, int n) {
            uint32_t v = 0;
            for (int i = n - 1; i >= 0; --i)
                v = v << 8 | static_cast<uint8_t>(bytes[at + i]);
            return v;
        };
        EXPECT_EQ(le(18, 4), 32u);  // width
        EXPECT_EQ(le(22, 4), 32u);  // height
        EXPECT_EQ(le(28, 2), 24u);  // bits per pixel
        EXPECT_EQ(bytes.size(), 54 + 32 * 32 * 3);
    }
}

}  // namespace
