#include "TestFiles.h"

#include "CellKey.h"

#include <QFile>
#include <QString>

#include <fstream>
#include <sstream>

namespace testfiles {

Scratch::Scratch()
    : m_root(m_dir.path().toStdString())
{
    std::filesystem::create_directories(program());
    std::filesystem::create_directories(themes());
}

void WritePicture(const std::filesystem::path& path, QColor colour, int width, int height)
{
    std::filesystem::create_directories(path.parent_path());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    image.save(QString::fromStdString(path.string()));
}

namespace {
void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
}  // namespace

std::vector<uint8_t> WaveBytes(int16_t tag, uint32_t frames)
{
    const uint32_t dataBytes = frames * 4;
    std::vector<uint8_t> out;
    for (char c : std::string("RIFF"))
        out.push_back(static_cast<uint8_t>(c));
    PutLe(out, 36 + dataBytes, 4);
    for (char c : std::string("WAVEfmt "))
        out.push_back(static_cast<uint8_t>(c));
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);       // PCM
    PutLe(out, 2, 2);       // stereo
    PutLe(out, 44100, 4);
    PutLe(out, 44100 * 4, 4);
    PutLe(out, 4, 2);
    PutLe(out, 16, 2);
    for (char c : std::string("data"))
        out.push_back(static_cast<uint8_t>(c));
    PutLe(out, dataBytes, 4);
    for (uint32_t i = 0; i < frames * 2; ++i)
        PutLe(out, static_cast<uint16_t>(tag), 2);
    return out;
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
}

void WriteWave(const std::filesystem::path& path, int16_t tag)
{
    const auto bytes = WaveBytes(tag);
    WriteBytes(path, std::string(bytes.begin(), bytes.end()));
}

void WriteTheme(const std::filesystem::path& path, const std::vector<std::string>& lines, const std::string& ending)
{
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i ? ending : "") + lines[i];
    WriteBytes(path, text);
}

void FillBoard(Bricks& bricks, const std::string& picture)
{
    std::vector<std::string> rows;
    std::stringstream in(picture);
    for (std::string row; std::getline(in, row, '/');)
        rows.push_back(row);
    for (size_t x = 0; x < rows.front().size(); ++x) {
        for (size_t y = 0; y < rows.size(); ++y) {
            const char c = rows[y][x];
            std::string colour = "None";
            switch (std::toupper(static_cast<unsigned char>(c))) {
            case 'R': colour = "Red"; break;
            case 'B': colour = "Blue"; break;
            case 'G': colour = "Green"; break;
            case 'Y': colour = "Yellow"; break;
            default: break;
            }
            const bool highlighted = c != '.' && std::islower(static_cast<unsigned char>(c));
            bricks.Add(highlighted, colour, static_cast<int32_t>(y), static_cast<int32_t>(x),
                       CellKey(static_cast<int32_t>(x), static_cast<int32_t>(y)));
        }
    }
}

}  // namespace testfiles
