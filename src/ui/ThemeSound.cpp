#include "ThemeSound.h"

#include "ModSound.h"

#include <utility>

ThemeSound::ThemeSound(ModSound& sound, std::filesystem::path programFolder)
    : m_sound(sound), m_programFolder(std::move(programFolder))
{
}

void ThemeSound::LoadBricks(const std::string& StrTheme)
{
    m_theme = ::LoadBricks(StrTheme, m_theme, m_programFolder);
    m_sound.clips = m_theme.Sounds();
}
