// Paints the eight built-in brick bitmaps (RED, BLUE, GREEN, YELLOW and their
// highlighted H forms) as 32x32, 24-bit BMP files into the folder given as
// the only argument. Plain C++ on purpose: the build runs it before Qt's
// resource compiler embeds the files.
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 32;

struct Rgb {
    uint8_t r, g, b;
};

struct BrickColour {
    const char* name;
    Rgb bright;
    Rgb dark;
};

constexpr std::array<BrickColour, 4> kColours{{
    {"RED", {255, 0, 0}, {128, 0, 0}},
    {"GREEN", {0, 255, 0}, {0, 128, 0}},
    {"BLUE", {0, 0, 255}, {0, 0, 128}},
    {"YELLOW", {255, 255, 0}, {128, 128, 0}},
}};

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// The face is the 24x24 square from 4 to 27, ringed by a black outline
// (3..28); the three-pixel band outside it is the dark frame, broken only by
// the black bevel diagonals in the corners. The highlighted form whitens the
// outermost ring so that, with white as the transparent colour, the board
// shows through it.
Rgb PixelAt(int x, int y, const BrickColour& colour, bool highlighted)
{
    const int last = kSize - 1;
    if (highlighted && (x == 0 || y == 0 || x == last || y == last))
        return kWhite;
    if (x >= 4 && x <= 27 && y >= 4 && y <= 27)
        return colour.bright;
    if (x >= 3 && x <= 28 && y >= 3 && y <= 28)
        return kBlack;
    const int dx = x < kSize / 2 ? x : last - x;
    const int dy = y < kSize / 2 ? y : last - y;
    if (dx == dy)
        return kBlack;
    return colour.dark;
}

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A bottom-up BITMAPINFOHEADER file: 32 rows of 96 bytes (no padding needed).
std::vector<uint8_t> Bitmap(const BrickColour& colour, bool highlighted)
{
    constexpr uint32_t kRowBytes = kSize * 3;
    constexpr uint32_t kPixelBytes = kRowBytes * kSize;
    constexpr uint32_t kHeaderBytes = 14 + 40;
    std::vector<uint8_t> out;
    out.reserve(kHeaderBytes + kPixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutLe(out, kHeaderBytes + kPixelBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, kHeaderBytes, 4);
    PutLe(out, 40, 4);
    PutLe(out, kSize, 4);
    PutLe(out, kSize, 4);
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4);  // BI_RGB
    PutLe(out, kPixelBytes, 4);
    PutLe(out, 3780, 4);  // 96 dpi
    PutLe(out, 3780, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = 0; x < kSize; ++x) {
            const Rgb p = PixelAt(x, y, colour, highlighted);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
    }
    return out;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    for (const BrickColour& colour : kColours) {
        for (bool highlighted : {false, true}) {
            const std::string path = folder + "/" + (highlighted ? "H" : "") + colour.name + ".bmp";
            if (!WriteFile(path, Bitmap(colour, highlighted))) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
        }
    }
    return 0;
}
