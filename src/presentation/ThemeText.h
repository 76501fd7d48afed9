#pragma once

#include "ColorRef.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A theme file is 17 lines of 8-bit text; only those lines are read:
//
//   green.bmp            lines 1-8: brick pictures, relative to the program's
//   blue.bmp                        folder (green, blue, yellow, red, then the
//   ...                             highlighted forms in the same order)
//   255 255 255          line 9:  transparent colour of the brick pictures
//   C:\themes\back.jpg   line 10: background picture, used as written
//   0 0 64               line 11: back colour of the board
//   main.wav             lines 12-17: waves for the main, last-minute,
//   ...                             last-30-seconds, game-over, highlight
//                                   and clear sounds, used as written
//
// Lines missing at the end count as empty.
inline constexpr int kThemeLineCount = 17;

// How much of a theme file is ever read: 17 lines of any sane path fit many
// times over, and a huge or endless file cannot hold the loader up.
inline constexpr size_t kThemeReadLimit = 64 * 1024;

// What a theme asks for, line by line. Paths are cut at their first NUL;
// colour lines are already parsed.
struct ThemeFile {
    std::array<std::string, 8> pictureLines;  // lines 1-8, in image-table order
    // Line 9: white when the line is empty, nothing (keep the colour) when invalid.
    std::optional<ColorRef> transColor;
    std::string backgroundLine;               // line 10
    std::optional<ColorRef> backColor;        // line 11; nothing when empty or invalid
    std::array<std::string, 6> waveLines;     // lines 12-17
};

// The first 17 lines of the text. Both CR LF and a lone LF end a line.
std::array<std::string, kThemeLineCount> SplitThemeLines(std::string_view text);

ThemeFile ParseThemeText(std::string_view text);

// A path is used up to its first NUL character.
std::string CutAtNul(std::string_view path);

// Themes are often written on Windows: a backslash separates folders.
std::string WithForwardSlashes(std::string_view line);

// Picture lines name a file in the program's folder, whatever the line
// holds: the folder, a separator and the line are simply joined.
std::filesystem::path PictureLinePath(const std::filesystem::path& programFolder, std::string_view line);

// Where a background or wave line may be found, in the order to try: the
// line as written (against the current folder), then with backslashes read
// as separators, and for a relative path beside the theme file and in the
// program's folder. The first candidate that names a file wins, so a path
// that works as written always does. A desktop launch starts in the home
// folder, where a theme's relative paths would otherwise never resolve.
std::vector<std::filesystem::path> WrittenLineCandidates(std::string_view line,
                                                         const std::filesystem::path& themeFolder,
                                                         const std::filesystem::path& programFolder);
