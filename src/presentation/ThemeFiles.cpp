#include "ThemeFiles.h"

#include "RegularFile.h"

#include <QByteArray>
#include <QFile>
#include <QImageReader>

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool AllowedPictureFormat(const QByteArray& format)
{
    return format == "bmp" || format == "gif" || format == "jpeg" || format == "jpg" || format == "png";
}

}  // namespace

bool IsRegularFile(const std::filesystem::path& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> ReadTextPrefix(const std::filesystem::path& path, size_t limit)
{
    if (!IsRegularFile(path))
        return std::nullopt;
    RegularFileHandle file(path);
    std::string text;
    if (!file.isOpen() || !file.readUpTo(limit, text))
        return std::string();
    return text;
}

std::optional<std::vector<uint8_t>> ReadWaveFile(const std::filesystem::path& path)
{
    RegularFileHandle file(path);
    if (!file.isOpen() || file.size() > kMaxThemeWaveBytes)
        return std::nullopt;
    // One byte more than allowed, so a file that grew since fstat is caught.
    std::string bytes;
    if (!file.readUpTo(static_cast<size_t>(kMaxThemeWaveBytes) + 1, bytes) || bytes.size() > kMaxThemeWaveBytes)
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
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    // Enough for the largest picture we accept as 32-bit pixels, and a
    // backstop for formats that cannot tell their size before decoding.
    reader.setAllocationLimit(kMaxPictureSide / 1024 * kMaxPictureSide / 1024 * 4);
    if (!AllowedPictureFormat(reader.format()))
        return std::nullopt;
    const QSize announced = reader.size();
    if (announced.isValid() && (announced.width() > kMaxPictureSide || announced.height() > kMaxPictureSide))
        return std::nullopt;

    QImage image;
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    if (image.width() > kMaxPictureSide || image.height() > kMaxPictureSide)
        return std::nullopt;
    return image.convertToFormat(QImage::Format_RGB32);
}
