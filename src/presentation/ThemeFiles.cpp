#include "ThemeFiles.h"

#include "PlainBmp.h"
#include "RegularFile.h"

#include <QByteArray>
#include <QFile>
#include <QImageReader>

#include <algorithm>

namespace {

// Passes a picture's bytes on to a decoder and notes when the decoder asked
// for bytes the file did not have. Qt's decoders take a file that ends early
// for a whole picture and fill the rest with black or grey, so a short read
// is the only sign that the picture is not all there. Unbuffered, so every
// read the decoder makes arrives here as it was asked.
class ReadWatch final : public QIODevice {
public:
    explicit ReadWatch(QIODevice& source) : m_source(source) { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }

    bool isSequential() const override { return m_source.isSequential(); }
    qint64 size() const override { return m_source.size(); }
    bool seek(qint64 position) override { return QIODevice::seek(position) && m_source.seek(position); }

    void forget() { m_short = m_emptied = false; }
    // Some read came back with fewer bytes than asked for.
    bool shortRead() const { return m_short; }
    // Some read found no bytes at all: the decoder went on past the end.
    bool readPastEnd() const { return m_emptied; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 got = m_source.read(data, maxSize);
        if (got < maxSize)
            m_short = true;
        if (got <= 0 && maxSize > 0)
            m_emptied = true;
        return got;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice& m_source;
    bool m_short = false;
    bool m_emptied = false;
};

bool AllowedPictureFormat(const QByteArray& format)
{
    return format == "bmp" || format == "gif" || format == "jpeg" || format == "jpg" || format == "png";
}

}  // namespace

std::optional<std::string> ReadTextPrefix(const std::filesystem::path& path, size_t limit)
{
    RegularFileHandle file(path);
    std::string text;
    if (file.isOpen())
        return file.readUpTo(limit, text) ? text : std::string();
    // Only what could not be opened is looked at again, to tell a regular
    // file we may not read from no file at all.
    if (!IsRegularFile(path))
        return std::nullopt;
    return std::string();
}

std::optional<std::vector<uint8_t>> ReadWaveFile(const std::filesystem::path& path, uint64_t limit)
{
    limit = std::min(limit, kMaxThemeWaveBytes);
    RegularFileHandle file(path);
    if (!file.isOpen() || file.size() > limit)
        return std::nullopt;
    // One byte more than allowed, so a file that grew since fstat is caught.
    std::string bytes;
    if (!file.readUpTo(static_cast<size_t>(limit) + 1, bytes) || bytes.size() > limit)
        return std::nullopt;
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

std::optional<QImage> ReadPictureFile(const std::filesystem::path& path)
{
    RegularFileHandle handle(path);
    if (!handle.isOpen())
        return std::nullopt;
    QFile file;
    if (!file.open(handle.fd(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return std::nullopt;
    handle.release();

    return DecodePicture(file);
}

std::optional<QImage> DecodePicture(QIODevice& device)
{
    if (std::optional<QImage> plain = DecodePlainBmp(device, kMaxPictureSide)) {
        if (plain->isNull())
            return std::nullopt;
        return plain;
    }

    ReadWatch watch(device);
    QImageReader reader(&watch);
    reader.setDecideFormatFromContent(true);
    // Enough for the largest picture we accept as 32-bit pixels, and a
    // backstop for formats that cannot tell their size before decoding.
    reader.setAllocationLimit(kMaxPictureSide / 1024 * kMaxPictureSide / 1024 * 4);
    const QByteArray format = reader.format();
    if (!AllowedPictureFormat(format))
        return std::nullopt;
    const QSize announced = reader.size();
    if (announced.isValid() && (announced.width() > kMaxPictureSide || announced.height() > kMaxPictureSide))
        return std::nullopt;

    // BMP and PNG decoders read exactly what the picture needs, so any short
    // read means a cut file; JPEG and GIF read ahead in blocks, and a cut
    // file shows when they come back for more after the end.
    watch.forget();
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    const bool exactReader = format == "bmp" || format == "png";
    if (exactReader ? watch.shortRead() : watch.readPastEnd())
        return std::nullopt;
    if (image.width() > kMaxPictureSide || image.height() > kMaxPictureSide)
        return std::nullopt;
    // In place where Qt can: a large picture is never held twice.
    image.convertTo(QImage::Format_RGB32);
    return image;
}
