// Fuzzes what a theme can throw at the loader: the theme text itself (line
// splitting, NUL cuts, every line as a colour line), the picture decoder with its limits,
// and a whole LoadBricks of the input as a theme file beside a few real
// pictures and waves, so the lines can name them, folders, links and devices.
#include "ColorLine.h"
#include "Theme.h"
#include "ThemeFiles.h"
#include "ThemeText.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace {

std::filesystem::path g_program;
std::filesystem::path g_theme;

void Write(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    char pattern[] = "/tmp/tolmora-theme-fuzz-XXXXXX";
    const char* root = mkdtemp(pattern);
    if (!root)
        std::abort();
    g_program = std::filesystem::path(root) / "program";
    std::filesystem::create_directories(g_program / "sub");
    QImage brick(32, 32, QImage::Format_RGB32);
    brick.fill(Qt::darkCyan);
    brick.save(QString::fromStdString((g_program / "a.bmp").string()));
    brick.save(QString::fromStdString((g_program / "sub" / "b.png").string()));
    Write(g_program / "c.wav", std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xac\0\0\x88\x58\x01\0\x02\0\x10\0data\0\0\0\0", 44));
    std::filesystem::create_symlink("/dev/zero", g_program / "z.bmp");
    g_theme = std::filesystem::path(root) / "fuzz.tlm";
    static const std::filesystem::path scratch(root);
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(scratch, ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const ThemeFile theme = ParseThemeText(text);
    for (const std::string& line : theme.waveLines)
        (void)WrittenLineCandidates(line, g_theme.parent_path(), g_program);
    // Every line as a colour line, as lines 9 and 11 are read: a colour
    // never has bits above the blue byte.
    for (const std::string& line : SplitThemeLines(text)) {
        if (auto colour = ParseColorLine(line); colour && *colour > 0xFFFFFFu)
            std::abort();
    }
    if (auto colour = ParseColorLine(text); colour && *colour > 0xFFFFFFu)
        std::abort();
    if ((theme.transColor && *theme.transColor > 0xFFFFFFu) || (theme.backColor && *theme.backColor > 0xFFFFFFu))
        std::abort();

    QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    if (auto picture = DecodePicture(buffer)) {
        if (picture->width() > kMaxPictureSide || picture->height() > kMaxPictureSide)
            std::abort();
    }

    Write(g_theme, std::string(text.substr(0, kThemeReadLimit + 16)));
    (void)LoadBricks(g_theme.string(), Theme(), g_program);
    return 0;
}
