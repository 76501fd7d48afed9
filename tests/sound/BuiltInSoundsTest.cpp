#include "ModSound.h"
#include "WaveImages.h"

#include <QFile>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

namespace {

using namespace wavetest;

Bytes resource(const std::string& name)
{
    QFile file(QString::fromStdString(":/sounds/" + name + ".wav"));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return Bytes(bytes.begin(), bytes.end());
}

// The header as "RIFF size WAVE fmt  format channels rate byterate align bits", then the data chunk's name and size
// when it follows a 16-byte fmt chunk.
std::string headerOf(const Bytes& wave)
{
    if (wave.size() < 44) return "too short";
    std::string text = text4(wave, 0) + " " + std::to_string(get(wave, 4, 4)) + " " + text4(wave, 8) + " " +
                       text4(wave, 12);
    for (const int at : {20, 22, 24, 28, 32, 34})
        text += " " + std::to_string(get(wave, at, at == 24 || at == 28 ? 4 : 2));
    return get(wave, 16, 4) == 16 ? text + " " + text4(wave, 36) + " " + std::to_string(get(wave, 40, 4)) : text;
}

std::vector<int16_t> samplesOf(const Bytes& wave)
{
    std::vector<int16_t> samples;
    for (std::size_t at = 44; at + 1 < wave.size(); at += 2) samples.push_back(int16_t(get(wave, at, 2)));
    return samples;
}

int peakOf(const std::vector<int16_t>& samples)
{
    int peak = 0;
    for (int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
    return peak;
}

struct Tune {
    const char* name;
    const char* header;
    long framesPerBeat;  // the loop is 16 beats
};

class BuiltInTunes : public ::testing::TestWithParam<Tune> {
protected:
    Bytes wave = resource(GetParam().name);
    std::vector<int16_t> samples = samplesOf(wave);
    long n = long(samples.size());
};

// Stereo 44100 Hz 16-bit PCM of exactly 16 beats (9.6, 7.68 and 6.4 s), mixed loud but without clipping or offset.
TEST_P(BuiltInTunes, HeaderFormatLengthAndLevel)
{
    ASSERT_EQ(headerOf(wave), GetParam().header);
    EXPECT_EQ(n, 16 * 2 * GetParam().framesPerBeat);
    EXPECT_LT(peakOf(samples), 32767);
    EXPECT_GT(peakOf(samples), 16384) << "a tune mixed far too quietly";
    double sum[2] = {0.0, 0.0};
    for (long i = 0; i < n; ++i) sum[i % 2] += samples[i];
    for (const double channel : sum) EXPECT_LT(std::abs(channel) / double(n / 2), 30.0);
}

// The loop seam is a step like the music's own steps around it, not a click.
TEST_P(BuiltInTunes, LoopSeamIsContinuous)
{
    ASSERT_GT(n, 0);
    for (int channel = 0; channel < 2; ++channel) {
        const auto at = [&](long frame) { return double(samples[((frame * 2 + channel) % n + n) % n]); };
        double squares = 0.0;
        for (long f = -257; f < 256; ++f)
            if (f != -1) squares += std::pow(at(f + 1) - at(f), 2);
        // At most twice the RMS of the 512 steps on either side.
        EXPECT_LE(std::abs(at(0) - at(-1)), 2.0 * std::sqrt(squares / 512)) << "channel " << channel;
    }
}

// Every one of the 16 beats starts a drum hit, the first included: whole bars at the tune's tempo, from the downbeat.
TEST_P(BuiltInTunes, BeatsFallOnTheGrid)
{
    ASSERT_GT(n, 0);
    const long window = 1102;  // 25 ms
    const auto energy = [&](long from) {
        double sum = 0.0;
        for (long i = 2 * from; i < 2 * (from + window); ++i) sum += std::pow(samples[(i % n + n) % n], 2);
        return sum;
    };
    for (long beat = 0, at = 0; beat < 16; ++beat, at += GetParam().framesPerBeat)
        EXPECT_GT(energy(at), 1.5 * energy(at - window)) << "beat " << beat;
}

INSTANTIATE_TEST_SUITE_P(
    ClockMusic, BuiltInTunes,
    ::testing::Values(Tune{"MAIN", "RIFF 1693476 WAVE fmt  1 2 44100 176400 4 16 data 1693440", 26460},
                      Tune{"LASTMIN", "RIFF 1354788 WAVE fmt  1 2 44100 176400 4 16 data 1354752", 21168},
                      Tune{"LAST30", "RIFF 1128996 WAVE fmt  1 2 44100 176400 4 16 data 1128960", 17640}),
    [](const auto& info) { return std::string(info.param.name); });

// The game-over sound: mono, 0.9 s, unclipped, and silent at both ends so it neither starts nor stops on a click.
TEST(BuiltInSounds, GameOverIsMonoShortAndClean)
{
    const Bytes wave = resource("GAMEOVER");
    ASSERT_EQ(headerOf(wave), "RIFF 79416 WAVE fmt  1 1 44100 88200 2 16 data 79380");
    const auto samples = samplesOf(wave);
    EXPECT_EQ(samples.front(), 0);
    EXPECT_LT(peakOf(std::vector<int16_t>(samples.end() - 100, samples.end())), 64);
    EXPECT_LT(peakOf(samples), 32767);
}

// NOSOUND: 58 bytes of stereo 44100 Hz 16-bit PCM with no samples, the same image StopSound falls back on.
TEST(BuiltInSounds, NoSoundIsFiftyEightBytesOfSilence)
{
    const Bytes wave = resource("NOSOUND");
    ASSERT_EQ(wave.size(), 58u);
    EXPECT_EQ(headerOf(wave) + " " + text4(wave, 50) + " " + std::to_string(get(wave, 54, 4)),
              "RIFF 50 WAVE fmt  1 2 44100 176400 4 16 data 0");
    EXPECT_EQ(wave, *ModSound::SilentWave());
}

// The five waves are embedded in the program and lie as files in the build tree, byte for byte the same.
TEST(BuiltInSounds, ResourcesMatchFiles)
{
    for (const std::string name : {"MAIN", "LASTMIN", "LAST30", "GAMEOVER", "NOSOUND"}) {
        std::ifstream in(std::string(TOLMORA_SOUND_WAVE_DIR) + "/" + name + ".wav", std::ios::binary);
        const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_FALSE(file.empty()) << name;
        EXPECT_EQ(resource(name), file) << name;
    }
}

}  // namespace
