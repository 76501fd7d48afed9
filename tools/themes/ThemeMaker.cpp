// Writes one of the example themes into a folder: the eight brick pictures,
// a background picture, the theme's four tunes, the two effect sounds and the
// theme file naming them.
//
//   tolmora_theme_maker meadow   <folder> themes/meadow
//   tolmora_theme_maker midnight <folder> themes/midnight
//
// The third argument is how the theme file spells the folder: brick picture
// lines are read relative to the program's folder, so the installed layout
// (<program folder>/themes/<name>/) is written into the file.
#include "Instruments.h"
#include "Mix.h"
#include "Tunes.h"
#include "WaveFile.h"

#include <QColor>
#include <QImage>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kBrick = 32;

struct Rgb {
    int r, g, b;
};

// The image table's order: green, blue, yellow, red.
constexpr std::array<const char*, 4> kColourFiles{"green", "blue", "yellow", "red"};

QRgb Shade(Rgb colour, double factor, int ceiling = 255)
{
    auto channel = [&](int value) {
        return std::clamp(static_cast<int>(std::lround(value * factor)), 0, ceiling);
    };
    return qRgb(channel(colour.r), channel(colour.g), channel(colour.b));
}

QRgb Mixed(Rgb a, Rgb b, double t, int ceiling = 255)
{
    auto channel = [&](int x, int y) {
        return std::clamp(static_cast<int>(std::lround(x + (y - x) * t)), 0, ceiling);
    };
    return qRgb(channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b));
}

QRgb ToQRgb(Rgb colour) { return qRgb(colour.r, colour.g, colour.b); }

// A small deterministic generator, so every build paints the same pictures.
class Lcg {
public:
    explicit Lcg(uint32_t seed) : m_state(seed) {}
    uint32_t next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    double unit() { return static_cast<double>(next() % 1000000u) / 1000000.0; }

private:
    uint32_t m_state;
};

// Meadow: round pebbles on white, the transparent colour, so the field shows
// between them. Nothing inside a pebble may be pure white, or it would vanish
// too: channels stop at 250.
QImage Pebble(Rgb colour, bool highlighted)
{
    QImage image(kBrick, kBrick, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    constexpr double centre = 15.5;
    const double radius = 15.3;
    const double outline = highlighted ? 2.2 : 1.2;
    // Lit up, but not so far that yellow and green lose each other.
    auto lit = [](int value) { return value + (250 - value) * 3 / 10; };
    const Rgb face = highlighted ? Rgb{lit(colour.r), lit(colour.g), lit(colour.b)} : colour;
    for (int y = 0; y < kBrick; ++y) {
        for (int x = 0; x < kBrick; ++x) {
            const double d = std::hypot(x - centre, y - centre);
            if (d > radius)
                continue;
            if (d > radius - outline) {
                image.setPixel(x, y, highlighted ? qRgb(20, 20, 20) : Shade(colour, 0.45));
                continue;
            }
            // Light from the top left: brighter towards it, darker away.
            const double light = std::hypot(x - 10.0, y - 9.0) / (2.0 * radius);
            QRgb pixel = Shade(face, 1.15 - 0.5 * light, 250);
            if (std::hypot(x - 10.5, y - 9.5) < 3.2)
                pixel = Mixed(face, Rgb{250, 250, 240}, 0.7, 250);
            image.setPixel(x, y, pixel);
        }
    }
    return image;
}

// Midnight: cut gems on magenta, the transparent colour. A highlighted gem
// wears a white glow, which this theme draws (white is not transparent here).
QImage Gem(Rgb colour, bool highlighted)
{
    QImage image(kBrick, kBrick, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    constexpr double centre = 15.5;
    const double size = highlighted ? 13.5 : 15.0;
    for (int y = 0; y < kBrick; ++y) {
        for (int x = 0; x < kBrick; ++x) {
            const double dx = x - centre;
            const double dy = y - centre;
            const double d = std::abs(dx) + std::abs(dy);
            if (highlighted && d > size && d <= size + 2.0) {
                image.setPixel(x, y, qRgb(255, 255, 255));
                continue;
            }
            if (d > size)
                continue;
            if (d > size - 1.0) {
                image.setPixel(x, y, Shade(colour, 0.35));
                continue;
            }
            // Four facets and a flat table in the middle.
            double factor = 1.0;
            if (d < size * 0.35)
                factor = 1.2;
            else if (dx <= 0 && dy <= 0)
                factor = 1.05;
            else if (dx > 0 && dy <= 0)
                factor = 0.85;
            else if (dx <= 0 && dy > 0)
                factor = 0.7;
            else
                factor = 0.55;
            image.setPixel(x, y, Shade(colour, factor));
        }
    }
    return image;
}

// The meadow's field: hills in greens under a white sky, which the board's
// back colour fills in. Stretched over the board when drawn.
QImage MeadowField()
{
    QImage image(272, 192, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    Lcg random(0x4d45u);
    const std::array<Rgb, 3> hills{Rgb{120, 170, 90}, Rgb{90, 150, 70}, Rgb{60, 120, 50}};
    for (int x = 0; x < image.width(); ++x) {
        for (size_t layer = 0; layer < hills.size(); ++layer) {
            const double phase = static_cast<double>(layer) * 1.7;
            const double top = 80.0 + 30.0 * static_cast<double>(layer)
                               + 14.0 * std::sin(x / (28.0 + 9.0 * static_cast<double>(layer)) + phase);
            for (int y = std::max(0, static_cast<int>(top)); y < image.height(); ++y)
                image.setPixel(x, y, ToQRgb(hills[layer]));
        }
    }
    // Flowers in the nearest hill.
    const std::array<Rgb, 3> petals{Rgb{240, 90, 90}, Rgb{250, 220, 80}, Rgb{200, 120, 230}};
    for (int flower = 0; flower < 60; ++flower) {
        const int x = static_cast<int>(random.next() % 270u);
        const int y = 150 + static_cast<int>(random.next() % 40u);
        const QRgb colour = ToQRgb(petals[random.next() % petals.size()]);
        image.setPixel(x, y, colour);
        image.setPixel(x + 1, y, colour);
    }
    return image;
}

// The midnight sky: clouds of colour and pale stars on white, so the board's
// navy back colour is the night between them.
QImage MidnightSky()
{
    QImage image(272, 192, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double band = std::sin(x / 23.0 + std::sin(y / 17.0) * 1.5) + std::sin((x + 2 * y) / 41.0);
            if (band > 1.1) {
                const double t = std::min(1.0, (band - 1.1) / 0.8);
                image.setPixel(x, y, Mixed(Rgb{40, 30, 90}, Rgb{110, 50, 140}, t));
            }
        }
    }
    Lcg random(0x4e49u);
    for (int star = 0; star < 140; ++star) {
        const int x = static_cast<int>(random.next() % 272u);
        const int y = static_cast<int>(random.next() % 192u);
        image.setPixel(x, y, random.unit() < 0.8 ? qRgb(250, 250, 210) : qRgb(200, 220, 255));
    }
    return image;
}

struct Note {
    double start;  // seconds
    double length; // seconds held
    int pitch;     // MIDI number
    double gain;
};

std::vector<int16_t> Render(const Tone& tone, double seconds, const std::vector<Note>& notes)
{
    Mix mix(static_cast<size_t>(kRate * seconds), false);
    for (const Note& note : notes) {
        Placement at;
        at.start = static_cast<size_t>(note.start * kRate);
        at.gate = static_cast<size_t>(note.length * kRate);
        at.gain = note.gain;
        playTone(mix, tone, at, midiToHz(note.pitch));
    }
    return mix.master(0.7, true);
}

struct Theme {
    std::string name;
    std::array<Rgb, 4> colours;  // green, blue, yellow, red
    QImage (*brick)(Rgb, bool);
    QImage (*background)();
    Rgb transparent;
    Rgb back;
    Tone (*voice)();
    double highlightSeconds;
    std::vector<Note> highlight;
    double clearSeconds;
    std::vector<Note> clear;
};

std::vector<Theme> Themes()
{
    return {
        {"meadow",
         {Rgb{76, 175, 80}, Rgb{66, 133, 214}, Rgb{240, 200, 60}, Rgb{214, 69, 65}},
         Pebble,
         MeadowField,
         Rgb{255, 255, 255},
         Rgb{150, 200, 235},
         marimbaTone,
         0.25,
         {{0.0, 0.08, 79, 0.6}},
         0.5,
         {{0.0, 0.07, 72, 0.5}, {0.07, 0.07, 76, 0.5}, {0.14, 0.07, 79, 0.5}, {0.21, 0.15, 84, 0.55}}},
        {"midnight",
         {Rgb{50, 205, 90}, Rgb{40, 120, 255}, Rgb{255, 210, 40}, Rgb{225, 30, 70}},
         Gem,
         MidnightSky,
         Rgb{255, 0, 255},
         Rgb{12, 14, 40},
         chimeTone,
         0.4,
         {{0.0, 0.1, 93, 0.5}},
         0.8,
         {{0.0, 0.08, 100, 0.35}, {0.06, 0.08, 95, 0.35}, {0.12, 0.08, 91, 0.35}, {0.18, 0.3, 88, 0.4},
          {0.18, 0.3, 76, 0.3}}},
    };
}

std::string ColourLine(Rgb colour)
{
    return std::to_string(colour.r) + " " + std::to_string(colour.g) + " " + std::to_string(colour.b);
}

void Save(const QImage& image, const std::string& path)
{
    if (!image.save(QString::fromStdString(path), "BMP"))
        throw std::runtime_error("cannot write " + path);
}

void Write(const Theme& theme, const std::string& folder, const std::string& spelled)
{
    std::vector<std::string> lines;
    for (bool highlighted : {false, true}) {
        for (size_t i = 0; i < kColourFiles.size(); ++i) {
            const std::string file = std::string(highlighted ? "h" : "") + kColourFiles[i] + ".bmp";
            Save(theme.brick(theme.colours[i], highlighted), folder + "/" + file);
            lines.push_back(spelled + "/" + file);
        }
    }
    lines.push_back(ColourLine(theme.transparent));
    Save(theme.background(), folder + "/background.bmp");
    lines.push_back(spelled + "/background.bmp");
    lines.push_back(ColourLine(theme.back));
    // Lines 12 to 15: the main, last-minute and last-30-seconds tunes, in the
    // order the synthesizer gives them, then the game-over phrase. A theme
    // that left them empty would keep whatever tunes played before it.
    for (const Tune& tune : clockTunes(theme.name)) {
        std::string file = tune.name + ".wav";
        std::transform(file.begin(), file.end(), file.begin(), [](unsigned char c) { return std::tolower(c); });
        writeWave(folder + "/" + file, renderTune(tune), 2, kRate);
        lines.push_back(spelled + "/" + file);
    }
    writeWave(folder + "/gameover.wav", renderGameOver(gameOverPhrase(theme.name)), 1, kRate);
    lines.push_back(spelled + "/gameover.wav");
    writeWave(folder + "/highlight.wav", Render(theme.voice(), theme.highlightSeconds, theme.highlight), 1, kRate);
    lines.push_back(spelled + "/highlight.wav");
    writeWave(folder + "/clear.wav", Render(theme.voice(), theme.clearSeconds, theme.clear), 1, kRate);
    lines.push_back(spelled + "/clear.wav");

    const std::string path = folder + "/" + theme.name + ".tlm";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines)
        out << line << "\r\n";
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s meadow|midnight <folder> <folder as the theme file names it>\n", argv[0]);
        return 2;
    }
    try {
        for (const Theme& theme : Themes()) {
            if (theme.name == argv[1]) {
                Write(theme, argv[2], argv[3]);
                return 0;
            }
        }
        std::fprintf(stderr, "tolmora_theme_maker: no theme named %s\n", argv[1]);
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tolmora_theme_maker: %s\n", error.what());
        return 1;
    }
}
