#pragma once

#include "BoardPaint.h"
#include "Theme.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace testfiles {

namespace fs = std::filesystem;

inline void WriteBytes(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A picture of one colour, saved in the format its suffix names.
inline void WritePicture(const fs::path& path, QRgb colour, QSize size = QSize(32, 32))
{
    fs::create_directories(path.parent_path());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.save(QString::fromStdString(path.string()));
}

// A short, valid 16-bit stereo PCM wave at 44100 Hz whose 128 samples all equal `tag`.
inline std::string Wave(int16_t tag)
{
    std::string w;
    auto put = [&](uint32_t v, int n) { for (int i = 0; i < n; ++i) w.push_back(char(v >> 8 * i)); };
    w += "RIFF", put(36 + 256, 4), w += "WAVEfmt ", put(16, 4), put(1, 2), put(2, 2), put(44100, 4);
    put(44100 * 4, 4), put(4, 2), put(16, 2), w += "data", put(256, 4);
    for (int i = 0; i < 128; ++i)
        put(uint16_t(tag), 2);
    return w;
}

// The tag of a clip decoded from Wave(tag); -1 for no clip, 0 for one without samples.
inline int Tag(const SoundClip& clip) { return !clip ? -1 : clip->empty() ? 0 : clip->front(); }

// Theme lines by number, the others empty: Lines({{9, "255 0 255"}}) has nine.
inline std::vector<std::string> Lines(const std::map<int, std::string>& byNumber)
{
    std::vector<std::string> lines(byNumber.rbegin()->first);
    for (const auto& [number, text] : byNumber)
        lines[number - 1] = text;
    return lines;
}

// A scratch folder laid out like an installed game (program/ and themes/),
// and the theme as it is before the first load.
class ThemeFixture : public ::testing::Test {
protected:
    ThemeFixture() { fs::create_directories(program), fs::create_directories(themes); }

    fs::path load(const std::vector<std::string>& lines, const std::string& name = "theme.tlm")
    {
        std::string text;
        for (size_t i = 0; i < lines.size(); ++i)
            text += (i ? "\r\n" : "") + lines[i];
        WriteBytes(themes / name, text);
        reload((themes / name).string());
        return themes / name;
    }
    void reload(const std::string& path) { theme = LoadBricks(path, theme, program); }
    const SoundClips& sounds() const { return theme.Sounds(); }
    QRgb centre(BrickEntry entry) const
    {
        const QImage& picture = theme.Picture(entry);
        return picture.isNull() ? 0 : picture.pixel(16, 16) | 0xFF000000u;
    }

    QTemporaryDir dir;
    fs::path root{dir.path().toStdString()}, program{root / "program"}, themes{root / "themes"};
    Theme theme;
};

}  // namespace testfiles
