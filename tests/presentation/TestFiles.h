#pragma once

#include "BrickImages.h"
#include "Bricks.h"
#include "ModSound.h"
#include "NullAudioBackend.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testfiles {

// A scratch folder laid out like an installed game: program/ holds the
// program's files, themes/ the player's themes.
class Scratch {
public:
    Scratch();
    std::filesystem::path root() const { return m_root; }
    std::filesystem::path program() const { return m_root / "program"; }
    std::filesystem::path themes() const { return m_root / "themes"; }

private:
    QTemporaryDir m_dir;
    std::filesystem::path m_root;
};

// A picture of one colour, saved in the format its suffix names.
void WritePicture(const std::filesystem::path& path, QColor colour, int width = 32, int height = 32);
// A short, valid 16-bit PCM wave whose samples all equal `tag`.
std::vector<uint8_t> WaveBytes(int16_t tag, uint32_t frames = 64);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
void WriteWave(const std::filesystem::path& path, int16_t tag);
// A theme file: the lines joined with `ending`, no ending after the last.
void WriteTheme(const std::filesystem::path& path, const std::vector<std::string>& lines,
                const std::string& ending = "\r\n");

inline std::vector<uint8_t> Bytes(const SoundBytes& sound)
{
    return sound ? *sound : std::vector<uint8_t>{};
}

// Board from a text picture, rows separated by '/': R, B, G, Y are bricks,
// lower case highlighted, '.' an empty cell. Added column by column as the
// game generates a board.
void FillBoard(Bricks& bricks, const std::string& picture);

}  // namespace testfiles
