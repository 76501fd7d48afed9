#pragma once

#include <QIODevice>
#include <QImage>

#include <optional>

// Uncompressed 24-bit BMP files, the usual form of a large background,
// decoded straight into 32-bit RGB, in memory that the system may back with
// large pages: Qt's reader takes several times as long on them, most of it
// one 4 KB page fault at a time. The pixels are the same as Qt's.
//
// Nothing when the device holds any other picture, for Qt's reader to
// decode; a null image when the file is cut short or cannot be read, or the
// memory cannot be had; otherwise the picture.
std::optional<QImage> DecodePlainBmp(QIODevice& device, int maxSide);
