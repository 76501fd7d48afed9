#include "PlainBmp.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <vector>

namespace {

uint32_t Le32(const uchar* at)
{
    return at[0] | at[1] << 8 | at[2] << 16 | static_cast<uint32_t>(at[3]) << 24;
}

uint16_t Le16(const uchar* at)
{
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

struct Mapping {
    void* address;
    size_t bytes;
};

void Unmap(void* info)
{
    auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->address, mapping->bytes);
    delete mapping;
}

}  // namespace

std::optional<QImage> DecodePlainBmp(QIODevice& device, int maxSide)
{
    constexpr int kHeaderBytes = 54;
    if (device.isSequential())
        return std::nullopt;
    const QByteArray head = device.peek(kHeaderBytes);
    if (head.size() < kHeaderBytes || !head.startsWith("BM"))
        return std::nullopt;
    const auto* h = reinterpret_cast<const uchar*>(head.constData());
    const uint32_t dataOffset = Le32(h + 10);
    const auto width = static_cast<int32_t>(Le32(h + 18));
    const auto storedHeight = static_cast<int32_t>(Le32(h + 22));
    // Only the plain form: a 40-byte header, one plane, 24 bits, no
    // compression, pixels after the header. Qt decodes everything else.
    if (Le32(h + 14) != 40 || Le16(h + 26) != 1 || Le16(h + 28) != 24 || Le32(h + 30) != 0 ||
        dataOffset < kHeaderBytes || width <= 0 || width > maxSide || storedHeight == 0 ||
        storedHeight < -maxSide || storedHeight > maxSide)
        return std::nullopt;

    // Rows are stored bottom-up unless the height is negative.
    const bool bottomUp = storedHeight > 0;
    const int height = bottomUp ? storedHeight : -storedHeight;
    const qint64 stride = (qint64{width} * 3 + 3) / 4 * 4;
    if (device.size() < qint64{dataOffset} + stride * height || !device.seek(dataOffset))
        return QImage();

    const qsizetype lineBytes = qsizetype{width} * 4;
    const size_t bytes = static_cast<size_t>(lineBytes) * static_cast<size_t>(height);
    void* address = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (address == MAP_FAILED)
        return QImage();
    madvise(address, bytes, MADV_HUGEPAGE);
    QImage image(static_cast<uchar*>(address), width, height, lineBytes, QImage::Format_RGB32, Unmap,
                 new Mapping{address, bytes});

    // About a megabyte of rows per read.
    const int rowsPerRead = static_cast<int>(std::max<qint64>(1, (qint64{1} << 20) / stride));
    std::vector<char> rows(static_cast<size_t>(stride * rowsPerRead));
    for (int first = 0; first < height; first += rowsPerRead) {
        const int count = std::min(rowsPerRead, height - first);
        if (device.read(rows.data(), stride * count) != stride * count)
            return QImage();
        for (int i = 0; i < count; ++i) {
            const int row = first + i;
            const auto* in = reinterpret_cast<const uchar*>(rows.data()) + stride * i;
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(bottomUp ? height - 1 - row : row));
            for (int x = 0; x < width; ++x, in += 3)
                out[x] = 0xFF000000u | static_cast<QRgb>(in[2]) << 16 | static_cast<QRgb>(in[1]) << 8 | in[0];
        }
    }
    return image;
}
