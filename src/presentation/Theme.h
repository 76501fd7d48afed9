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

// A theme as the game shows and plays it: the brick pictures, the
// background picture, the colours that go with them, the surfaces the
// painter copies from and the seven sounds. The surfaces (the nine prepared
// images: eight bricks and the background) are built once per load with the
// transparent colour already cut out, so painting is plain copying. A copy
// shares its pictures and clips with the original.
class Theme {
public:
    // Before any load: no pictures, no sounds, white as the transparent
    // colour and the default back colour.
    Theme() = default;

    // Transparent colour of the brick pictures (0x00BBGGRR). It lives here
    // alone: a new game returns to the built-in bricks with the colour the
    // last theme set, and only a new start of the program makes it white.
    ColorRef LngTransColor() const { return m_transColor; }
    // Back colour of the board (0x00BBGGRR).
    ColorRef LngBackColor() const { return m_backColor; }
    // Sets the transparent colour and cuts it out of the brick surfaces.
    void SetTransColor(ColorRef color);
    void SetBackColor(ColorRef color) { m_backColor = color; }

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

    // The seven sounds, decoded; an empty pointer for a sound not loaded.
    const SoundClips& Sounds() const { return m_sounds; }

    // How many times this theme's surfaces were built, its loads included:
    // once per load, never per paint.
    uint64_t SurfaceBuilds() const { return m_surfaceBuilds; }

private:
    friend Theme LoadBricks(const std::string& StrTheme, const Theme& previous,
                            const std::filesystem::path& programFolder);

    static size_t Index(BrickEntry entry) { return static_cast<size_t>(entry); }
    void loadTheme(const std::filesystem::path& themePath, const std::filesystem::path& programFolder);
    void loadBuiltIn();
    void loadBuiltInBricks(bool onlyMissing);
    void buildSurfaces();

    std::array<QImage, kBrickEntryCount> m_pictures;
    std::array<QImage, kBrickEntryCount> m_surfaces;
    QImage m_background;
    ColorRef m_transColor = kColorWhite;
    ColorRef m_backColor = kDefaultBackColor;
    SoundClips m_sounds;
    uint64_t m_surfaceBuilds = 0;
};

// Loads the theme file StrTheme (used up to a NUL), or the built-in set when
// it names no regular file, on top of `previous`: what cannot be loaded stays
// as it was there, except that a theme from which not one brick picture
// loads gives every entry still without a picture its built-in one. Theme
// picture lines are relative to the program's folder. Never fails. Every
// sound is decoded here, once; lines naming one file share one clip.
Theme LoadBricks(const std::string& StrTheme, const Theme& previous, const std::filesystem::path& programFolder);

// A built-in resource by name, without regard to case: BuiltInBrick("hred")
// is the HRED bitmap. Null when there is no such resource.
QImage BuiltInBrick(const std::string& name);
// A built-in sound by name, without regard to case; null when there is no
// such resource. Each is decoded once, on first use, and then shared.
SoundClip BuiltInSound(const std::string& name);

// The game's 0x00BBGGRR colour as Qt's.
QRgb ToQRgb(ColorRef color);
