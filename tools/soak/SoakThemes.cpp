#include "SoakThemes.h"

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

void WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Garbage(std::mt19937_64& random, size_t size)
{
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xFF);
    return bytes;
}

// A theme's 17 lines: eight pictures, the transparent colour, the
// background, the back colour and six waves.
std::string Theme(const std::string& picture, const std::string& colour, const std::string& background,
                  const std::string& wave, const char* lineEnd = "\r\n")
{
    std::string text;
    for (int i = 0; i < 8; ++i)
        text += picture + lineEnd;
    text += colour + lineEnd + background + lineEnd + colour + lineEnd;
    for (int i = 0; i < 6; ++i)
        text += wave + lineEnd;
    return text;
}

}  // namespace

std::vector<std::string> WriteSoakThemes(const fs::path& examples, const fs::path& programFolder,
                                         std::mt19937_64& random)
{
    std::vector<std::string> choices;
    const fs::path themes = programFolder / "themes";
    fs::copy(examples, themes, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(themes))
        if (entry.path().extension() == ".tlm")
            choices.push_back(entry.path().string());

    const fs::path hostile = programFolder / "hostile";
    fs::create_directories(hostile);
    const std::string brick = ReadBytes(themes / "meadow" / "red.bmp");
    const std::string background = ReadBytes(themes / "meadow" / "background.bmp");
    const std::string wave = ReadBytes(themes / "meadow" / "clear.wav");
    WriteBytes(hostile / "garbage.bmp", Garbage(random, 3000));
    WriteBytes(hostile / "header-only.bmp", brick.substr(0, 54) + Garbage(random, 100));
    WriteBytes(hostile / "garbage.wav", Garbage(random, 5000));
    WriteBytes(hostile / "cut.bmp", brick.substr(0, brick.size() / 2));
    WriteBytes(hostile / "cut-background.bmp", background.substr(0, 1500));
    WriteBytes(hostile / "cut.wav", wave.substr(0, wave.size() * 3 / 5));

    const std::string longLine = "hostile/" + std::string(100000, 'a') + ".bmp";
    const std::string meadow = ReadBytes(themes / "meadow" / "meadow.tlm");
    std::string crOnly = meadow;
    for (char& c : crOnly)
        if (c == '\n') c = '\r';
    const std::pair<const char*, std::string> files[] = {
        {"missing.tlm", Theme("hostile/none.bmp", "0 0 0", "hostile/none.bmp", "hostile/none.wav")},
        {"folders.tlm", Theme("hostile", "255 255 255", "/", ".")},
        {"garbage-files.tlm", Theme("hostile/garbage.bmp", "rubbish", "hostile/header-only.bmp", "hostile/garbage.wav")},
        {"cut.tlm", Theme("hostile/cut.bmp", "255 255 255", "hostile/cut-background.bmp", "hostile/cut.wav")},
        {"long-lines.tlm", Theme(longLine, std::string(70000, '9'), longLine, longLine)},
        {"odd-bytes.tlm", Theme("hostile/\xE9\xFF.bmp", "1 2 3 4 5", std::string("themes/meadow/red.bmp\0x", 23),
                                "\xFE\xFF", "\n")},
        {"cr-only.tlm", crOnly},
        {"garbage.tlm", Garbage(random, 4096)},
        {"empty.tlm", std::string()},
    };
    for (const auto& [name, text] : files) {
        WriteBytes(hostile / name, text);
        choices.push_back((hostile / name).string());
    }
    // Not regular files, and a cancelled dialog.
    choices.push_back(hostile.string());
    choices.push_back((hostile / "missing-theme.tlm").string());
    choices.push_back(std::string());
    return choices;
}
