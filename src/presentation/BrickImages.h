#pragma once

#include "ModSound.h"
#include "ColorRef.h"

#include <QImage>
#include <QSize>

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// The image table's entries, in the order the built-in set is loaded and
// the order of a theme's picture lines.
enum class BrickEntry : uint8_t {
    Green,
    Blue,
    Yellow,
    Red,
    HighlightedGreen,
    HighlightedBlue,
    HighlightedYellow,
    HighlightedRed,
};
inline constexpr size_t kBrickEntryCount = 8;

// The default back colour of the board before a theme sets one: the
// classic button-face grey of a picture box.
inline constexpr ColorRef kDefaultBackColor = 0xF0F0F0;

// The brick pictures, the background picture, the colours that go with them
// and the surfaces the painter copies from. The surfaces (the nine prepared
// images: eight bricks and the background) are built once per LoadBricks
// with the transparent colour already cut out, so painting is plain copying.
class BrickImages {
public:
    // The program's folder: theme picture lines are relative to it.
    explicit BrickImages(std::filesystem::path programFolder);

    // Transparent colour of the brick pictures (0x00BBGGRR).
    int32_t LngTransColor = static_cast<int32_t>(kColorWhite);
    // Back colour of the board (0x00BBGGRR).
    int32_t LngBackColor = static_cast<int32_t>(kDefaultBackColor);

    // Loads the theme file StrTheme (used up to a NUL), or the built-in set
    // when it names no regular file. Never fails: what cannot be loaded
    // stays as it was, except that a theme from which not one brick picture
    // loads gives every entry still without a picture its built-in one. The
    // sound arrays of `sound` are filled as well; lines naming one file
    // share one copy of it.
    void LoadBricks(const std::string& StrTheme, ModSound& sound);

    // The entry's picture as loaded (its top-left 32x32 pixels at most);
    // null when no load has given this entry a picture yet.
    const QImage& Picture(BrickEntry entry) const { return m_pictures[Index(entry)]; }
    // The entry's prepared surface: premultiplied ARGB, with the pixels of
    // the transparent colour fully transparent.
    const QImage& Surface(BrickEntry entry) const { return m_surfaces[Index(entry)]; }
    // The background picture with its white left out; null when none.
    const QImage& Background() const { return m_background; }
    // The size of the background picture (zero without one).
    QSize BackgroundSize() const { return m_background.size(); }

    // Rebuilds the brick surfaces when LngTransColor was changed since the
    // last load; the painter calls it, so a colour set by hand still holds.
    void PrepareSurfaces();
    // How many times the surfaces were built: once per load, never per paint.
    uint64_t SurfaceBuilds() const { return m_surfaceBuilds; }

private:
    static size_t Index(BrickEntry entry) { return static_cast<size_t>(entry); }
    void loadTheme(const std::filesystem::path& themePath, ModSound& sound);
    void loadBuiltIn(ModSound& sound);
    void loadBuiltInBricks(bool onlyMissing);
    void buildSurfaces();

    std::filesystem::path m_programFolder;
    std::array<QImage, kBrickEntryCount> m_pictures;
    std::array<QImage, kBrickEntryCount> m_surfaces;
    QImage m_background;
    ColorRef m_surfaceTransColor = kColorWhite;
    uint64_t m_surfaceBuilds = 0;
};

// A built-in resource by name, without regard to case: BuiltInBrick("hred")
// is the HRED bitmap. Null when there is no such resource.
QImage BuiltInBrick(const std::string& name);
// The bytes of a built-in wave by name, without regard to case; null when
// there is no such resource.
SoundBytes BuiltInSound(const std::string& name);

// The game's 0x00BBGGRR colour as Qt's.
QRgb ToQRgb(ColorRef color);
