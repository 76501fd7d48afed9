#include "BrickImages.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Each built-in brick is a 24-bit 32x32 BMP file in the build tree, embedded
// as is, found by name in any letter case, with every pixel in its layout
// region (face, outline, corner bevels, frame, white ring) and colour.
TEST(BuiltInBricks, FilesAndResourcesMatchTheLayout)
{
    const struct {
        const char* name;
        QRgb bright, dark;
    } colours[] = {{"RED", qRgb(255, 0, 0), qRgb(128, 0, 0)},   {"GREEN", qRgb(0, 255, 0), qRgb(0, 128, 0)},
                   {"BLUE", qRgb(0, 0, 255), qRgb(0, 0, 128)},  {"YELLOW", qRgb(255, 255, 0), qRgb(128, 128, 0)}};
    for (const auto& brick : colours) {
        for (const bool highlighted : {false, true}) {
            const QString name = (highlighted ? "H" : "") + QString(brick.name);
            SCOPED_TRACE(name.toStdString());
            QFile file(TOLMORA_BRICK_BITMAP_DIR "/" + name + ".bmp");
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            ASSERT_EQ(bytes.size(), 54 + 32 * 32 * 3);
            auto le = [&](int at) { return uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8; };
            EXPECT_EQ(bytes.left(2), "BM");
            EXPECT_EQ(std::vector<int>({le(18), le(22), le(28)}), std::vector<int>({32, 32, 24})) << "size, bits";

            const QImage image = BuiltInBrick(name.toLower().toStdString());
            ASSERT_EQ(image, QImage::fromData(bytes));
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x) {
                    const int edge = std::min({x, y, 31 - x, 31 - y});
                    const bool bevel = edge < 3 && (x == y || x + y == 31);
                    const QRgb expected = highlighted && edge == 0 ? qRgb(255, 255, 255)
                                          : edge >= 4              ? brick.bright
                                          : edge == 3 || bevel     ? qRgb(0, 0, 0)
                                                                   : brick.dark;
                    ASSERT_EQ(image.pixel(x, y) | 0xFF000000u, expected) << "at " << x << "," << y;
                }
            }
        }
    }
    EXPECT_TRUE(BuiltInBrick("PURPLE").isNull());
}

}  // namespace
