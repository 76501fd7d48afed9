#pragma once

#include <QIODevice>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The only code of the theme loader that touches the disk. Everything here
// accepts regular files only: a folder, a FIFO or a device such as /dev/zero
// counts as a missing file, and is never read (a FIFO would block, a device
// would never end).

// What one theme may make us hold. A theme is meant to keep the whole game
// under 300 MB whatever it names: its background, decoded as 32-bit pixels,
// takes at most 64 MB (4096 pixels a side covers a 4K screen), and the clips
// decoded from the distinct wave files its sound lines name share one budget
// of 64 MiB, each file being at most 64 MiB as well. The budget is no larger
// because a load holds the previous theme's clips beside the new ones, and
// decoding a wave holds its file and SDL's copy of its samples for a moment.
// A wave whose clip would go over the budget is not loaded, as a wave that
// cannot be read.
inline constexpr uint64_t kMaxThemeWaveBytes = 64ull * 1024 * 1024;
inline constexpr uint64_t kThemeSoundBudgetBytes = 64ull * 1024 * 1024;
inline constexpr int kMaxPictureSide = 4096;

// Up to `limit` bytes from the start of a regular file; nothing when the
// path is not a regular file. A regular file that cannot be opened or read
// gives an empty text, as a theme that cannot be opened reads as empty lines.
std::optional<std::string> ReadTextPrefix(const std::filesystem::path& path, size_t limit);

// The whole of a regular file of at most `limit` bytes; nothing otherwise.
std::optional<std::vector<uint8_t>> ReadWaveFile(const std::filesystem::path& path,
                                                 uint64_t limit = kMaxThemeWaveBytes);

// A BMP, GIF, JPEG or PNG picture (the first frame of an animation) as
// 32-bit RGB. Nothing for a file that is not a regular file, not one of
// those formats, larger than kMaxPictureSide in either direction (checked
// from the header before anything is decoded), that fails to decode, or
// that ends before the picture it announces does.
std::optional<QImage> ReadPictureFile(const std::filesystem::path& path);

// The decoding half of ReadPictureFile, with the same limits, for any
// readable device.
std::optional<QImage> DecodePicture(QIODevice& device);
