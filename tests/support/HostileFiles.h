#pragma once

// Big and hostile files a player may hand the theme loader, written at run
// time into a scratch folder (none of them is ever committed), for the
// hostile-theme window test and the theme benchmark.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace hostile {

namespace fs = std::filesystem;

inline void PutLe(std::string& out, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>(value >> (8 * i)));
}

inline void WriteFile(const fs::path& path, const std::string& bytes)
{
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

// A bottom-up 24-bit BMP whose header announces width x height; only its
// first `keep` bytes are written (all of it by default). The pixels are a
// pattern with no white, except where x and y are both multiples of 7.
inline void WriteBmp(const fs::path& path, int width, int height, uint64_t keep = UINT64_MAX)
{
    const uint64_t stride = (uint64_t(width) * 3 + 3) / 4 * 4;
    const uint64_t total = 54 + stride * uint64_t(height);
    std::string header = "BM";
    PutLe(header, total, 4), PutLe(header, 0, 4), PutLe(header, 54, 4), PutLe(header, 40, 4);
    PutLe(header, uint32_t(width), 4), PutLe(header, uint32_t(height), 4), PutLe(header, 1, 2), PutLe(header, 24, 2);
    PutLe(header, 0, 4), PutLe(header, stride * uint64_t(height), 4);
    PutLe(header, 2835, 4), PutLe(header, 2835, 4), PutLe(header, 0, 4), PutLe(header, 0, 4);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return;
    uint64_t written = std::min<uint64_t>(keep, header.size());
    std::fwrite(header.data(), 1, written, file);
    std::string row(stride, '\0');
    for (int y = 0; y < height && written < keep; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool white = x % 7 == 0 && y % 7 == 0;
            row[3 * x] = char(white ? 255 : (x * 5 + y) % 250);
            row[3 * x + 1] = char(white ? 255 : (y * 3) % 250);
            row[3 * x + 2] = char(white ? 255 : (x ^ y) % 250);
        }
        const uint64_t take = std::min<uint64_t>(stride, keep - written);
        std::fwrite(row.data(), 1, take, file);
        written += take;
    }
    std::fclose(file);
}

// A 16-bit PCM wave header whose data chunk announces `announced` bytes,
// followed by `present` bytes of a quiet sawtooth.
inline std::string WaveHeader(int channels, uint32_t announced, uint32_t rate = 44100)
{
    std::string w = "RIFF";
    PutLe(w, announced + 36ull > 0xFFFFFFFFull ? 0xFFFFFFFFull : announced + 36ull, 4);
    w += "WAVEfmt ";
    PutLe(w, 16, 4), PutLe(w, 1, 2), PutLe(w, uint32_t(channels), 2), PutLe(w, rate, 4);
    PutLe(w, rate * 2 * uint32_t(channels), 4), PutLe(w, 2 * uint32_t(channels), 2), PutLe(w, 16, 2);
    w += "data";
    PutLe(w, announced, 4);
    return w;
}
inline void WriteWave(const fs::path& path, int channels, uint64_t present, uint32_t announced,
                      uint32_t rate = 44100)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return;
    const std::string header = WaveHeader(channels, announced, rate);
    std::fwrite(header.data(), 1, header.size(), file);
    std::string chunk(1 << 20, '\0');
    for (size_t i = 0; i < chunk.size(); i += 2)
        chunk[i] = char(i / 2 % 64);
    for (uint64_t left = present; left > 0;) {
        const size_t take = static_cast<size_t>(std::min<uint64_t>(left, chunk.size()));
        std::fwrite(chunk.data(), 1, take, file);
        left -= take;
    }
    std::fclose(file);
}

// A picture line reaching `target` from any program folder: picture lines
// are relative to the program's folder, so it climbs out of it first.
inline std::string PictureLineFor(const fs::path& target)
{
    std::string up;
    for (int i = 0; i < 24; ++i)
        up += "../";
    return up + target.relative_path().string();
}

// A theme whose 17 lines all name `target` (the colour lines are then invalid).
inline std::string ThemeNaming(const fs::path& target)
{
    std::string text;
    for (int line = 1; line <= 17; ++line)
        text += (line <= 8 ? PictureLineFor(target) : target.string()) + "\r\n";
    return text;
}

// One theme per hostile case, written into `folder`: its name and the theme
// file's path. The big files are sparse and take little disk.
inline std::vector<std::pair<std::string, fs::path>> MakeHostileThemes(const fs::path& folder)
{
    std::vector<std::pair<std::string, fs::path>> themes;
    auto theme = [&](const std::string& name, const std::string& text) {
        const fs::path path = folder / (name + ".tlm");
        WriteFile(path, text);
        themes.emplace_back(name, path);
    };
    fs::create_directories(folder / "folder.bmp");
    mkfifo((folder / "fifo.wav").c_str(), 0600);
    WriteWave(folder / "100MB.wav", 2, 4096, 100u << 20);
    fs::resize_file(folder / "100MB.wav", 100ull << 20);
    WriteBmp(folder / "truncated.bmp", 4000, 4000, 80000);
    WriteBmp(folder / "20000.bmp", 20000, 20000, 3000);
    WriteWave(folder / "4GB.wav", 2, 4096, 0xFFFFFFF0u);
    WriteWave(folder / "nochannels.wav", 0, 4096, 4096);

    theme("dev-zero", ThemeNaming("/dev/zero"));
    theme("dev-urandom", ThemeNaming("/dev/urandom"));
    theme("fifo", ThemeNaming(folder / "fifo.wav"));
    theme("folder", ThemeNaming(folder / "folder.bmp"));
    theme("100MB-file", ThemeNaming(folder / "100MB.wav"));
    theme("truncated-picture", ThemeNaming(folder / "truncated.bmp"));
    theme("20000-pixels", ThemeNaming(folder / "20000.bmp"));
    theme("4GB-wave", ThemeNaming(folder / "4GB.wav"));
    theme("zero-channels", ThemeNaming(folder / "nochannels.wav"));
    std::string bytes;
    for (int line = 0; line < 17; ++line)
        bytes += std::string("\xff\xfe\x80 \xc3(\xe9\xa0\xa1") + std::to_string(line) + "\r\n";
    theme("non-utf8", bytes);
    theme("1MB-line", std::string(1 << 20, 'a') + "\r\n");
    std::string million;
    million.reserve(8'000'000);
    for (int line = 0; line < 1'000'000; ++line)
        million += "a.bmp\r\n";
    theme("million-lines", million);
    return themes;
}

}  // namespace hostile
