// Builds the program's icon from the built-in brick bitmaps: red and blue
// over green and yellow, written as <folder>/<N>x<N>/apps/tolmora.png for
// the sizes desktops look for.
//
//   tolmora_icon_maker <folder with RED.bmp ...> <icon theme folder>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <brick bitmap folder> <output folder>\n", argv[0]);
        return 2;
    }
    const QString bricks = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);

    constexpr int kBrick = 32;
    QImage tile(2 * kBrick, 2 * kBrick, QImage::Format_ARGB32);
    tile.fill(Qt::transparent);
    const char* layout[2][2] = {{"RED", "BLUE"}, {"GREEN", "YELLOW"}};
    {
        QPainter painter(&tile);
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 2; ++column) {
                const QString path = bricks + "/" + layout[row][column] + ".bmp";
                const QImage brick(path);
                if (brick.isNull()) {
                    std::fprintf(stderr, "tolmora_icon_maker: cannot read %s\n", qPrintable(path));
                    return 1;
                }
                painter.drawImage(column * kBrick, row * kBrick, brick);
            }
        }
    }

    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        // Enlarged the bricks stay crisp pixel art; reduced they are averaged
        // so the black edges do not break up.
        const QImage icon = size >= tile.width()
                                ? tile.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                : tile.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(output).arg(size);
        if (!QDir().mkpath(folder) || !icon.save(folder + "/tolmora.png", "PNG")) {
            std::fprintf(stderr, "tolmora_icon_maker: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
