#pragma once

#include "Theme.h"

#include <filesystem>
#include <string>

class ModSound;

// The bricks' look and the sounds that come with it: the theme in use, and
// the player that plays its clips.
class ThemeSound {
public:
    ThemeSound(ModSound& sound, std::filesystem::path programFolder);

    // Loads StrTheme on top of the theme in use and hands its sounds to the player.
    void LoadBricks(const std::string& StrTheme);
    const Theme& theme() const { return m_theme; }

private:
    ModSound& m_sound;
    std::filesystem::path m_programFolder;
    Theme m_theme;
};
