#include "ModSound.h"
#include "WaveImages.h"

#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

using namespace wavetest;

std::vector<uint8_t> resource(const char* name)
{
    QFile file(QString(":/sounds/%1.wav").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

std::vector<int16_t> samplesOf(const std::vector<uint8_t>& wave)
{
    std::vector<int16_t> samples;
    for (std::size_t at = 44; at + 1 < wave.size(); at += 2)
        samples.push_back(static_cast<int16_t>(read16(wave, at)));
    return samples;
}

// The canonical layout: RIFF, a 16-byte PCM fmt chunk, then the data chunk.
void expectPcmHeader(const std::vector<uint8_t>& wave, int channels, uint32_t frames)
{
    ASSERT_GE(wave.size(), 44u);
    EXPECT_EQ(text4(wave, 0), "RIFF");
    EXPECT_EQ(read32(wave, 4), wave.size() - 8);
    EXPECT_EQ(text4(wave, 8), "WAVE");
    EXPECT_EQ(text4(wave, 12), "fmt ");
    EXPECT_EQ(read32(wave, 16), 16u);
    EXPECT_EQ(read16(wave, 20), 1);  // PCM
    EXPECT_EQ(read16(wave, 22), channels);
    EXPECT_EQ(read32(wave, 24), 44100u);
    EXPECT_EQ(read32(wave, 28), 44100u * 2 * channels);
    EXPECT_EQ(read16(wave, 32), 2 * channels);
    EXPECT_EQ(read16(wave, 34), 16);
    EXPECT_EQ(text4(wave, 36), "data");
    EXPECT_EQ(read32(wave, 40), frames * 2 * channels);
    EXPECT_EQ(wave.size(), 44 + frames * 2 * channels);
}

struct Tune {
    const char* name;
    uint32_t frames;         // 16 beats at the tune's tempo
    uint32_t framesPerBeat;
};

void PrintTo(const Tune& tune, std::ostream* out) { *out << tune.name; }

class BuiltInTunes : public ::testing::TestWithParam<Tune> {
protected:
    void SetUp() override
    {
        wave = resource(GetParam().name);
        ASSERT_FALSE(wave.empty()) << "missing resource " << GetParam().name;
        samples = samplesOf(wave);
    }

    // Sum of squares of both channels over [from, from + count), wrapping.
    double energy(long from, long count) const
    {
        const long frames = static_cast<long>(samples.size() / 2);
        double sum = 0.0;
        for (long i = from; i < from + count; ++i) {
            const long f = ((i % frames) + frames) % frames;
            sum += std::pow(samples[2 * f], 2) + std::pow(samples[2 * f + 1], 2);
        }
        return sum;
    }

    std::vector<uint8_t> wave;
    std::vector<int16_t> samples;
};

// Stereo 44100 Hz 16-bit PCM of exactly 9.6, 7.68 and 6.4 seconds.
TEST_P(BuiltInTunes, HeaderFormatAndLength)
{
    expectPcmHeader(wave, 2, GetParam().frames);
}

// Mixed without clipping and without a DC offset.
TEST_P(BuiltInTunes, NoClippingNoOffset)
{
    int peak = 0;
    double sum[2] = {0.0, 0.0};
    for (std::size_t i = 0; i < samples.size(); ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        sum[i % 2] += samples[i];
    }
    EXPECT_LT(peak, 32767);
    EXPECT_GT(peak, 16384) << "a tune mixed far too quietly";
    const double frames = static_cast<double>(samples.size() / 2);
    EXPECT_LT(std::abs(sum[0] / frames), 30.0);
    EXPECT_LT(std::abs(sum[1] / frames), 30.0);
}

// Looping from the last frame to the first is a step like the music's own
// steps around it, not a click: at most twice their RMS over 256 frames on
// either side. (Tails that fail to wrap into the first bar give 3 to 7 times.)
TEST_P(BuiltInTunes, LoopSeamIsContinuous)
{
    const long n = static_cast<long>(samples.size());
    const long frames = n / 2;
    for (int channel = 0; channel < 2; ++channel) {
        auto at = [&](long frame) { return static_cast<double>(samples[(frame * 2 + channel + n) % n]); };
        double squares = 0.0;
        int steps = 0;
        for (long f = -257; f < 256; ++f) {
            if (f != -1) {
                squares += std::pow(at(frames + f + 1) - at(frames + f), 2);
                ++steps;
            }
        }
        const double seam = std::abs(at(0) - at(frames - 1));
        EXPECT_LE(seam, 2.0 * std::sqrt(squares / steps)) << "channel " << channel;
    }
}

// Every beat of the 16 starts a drum hit, the first included: the loop holds
// whole bars at the tune's tempo and begins on the downbeat.
TEST_P(BuiltInTunes, BeatsFallOnTheGrid)
{
    const long window = 1102;  // 25 ms
    for (long beat = 0; beat < 16; ++beat) {
        const long at = beat * GetParam().framesPerBeat;
        EXPECT_GT(energy(at, window), 1.5 * energy(at - window, window)) << "beat " << beat;
    }
}

INSTANTIATE_TEST_SUITE_P(ClockMusic, BuiltInTunes,
                         ::testing::Values(Tune{"MAIN", 423360, 26460}, Tune{"LASTMIN", 338688, 21168},
                                           Tune{"LAST30", 282240, 17640}),
                         [](const auto& info) { return std::string(info.param.name); });

// The game-over sound: mono, 0.9 s, silent at both ends so it neither starts
// nor stops on a click.
TEST(BuiltInGameOver, MonoShortAndClean)
{
    const auto wave = resource("GAMEOVER");
    expectPcmHeader(wave, 1, 39690);
    const auto samples = samplesOf(wave);
    ASSERT_EQ(samples.size(), 39690u);
    EXPECT_EQ(samples.front(), 0);
    for (std::size_t i = samples.size() - 100; i < samples.size(); ++i)
        ASSERT_LT(std::abs(samples[i]), 64) << "frame " << i;
    int peak = 0;
    for (int16_t s : samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_LT(peak, 32767);
}

// NOSOUND: 58 bytes, stereo 44100 Hz 16-bit PCM, no samples, and the same
// image StopSound falls back on.
TEST(BuiltInNoSound, FiftyEightBytesOfSilence)
{
    const auto wave = resource("NOSOUND");
    ASSERT_EQ(wave.size(), 58u);
    EXPECT_EQ(text4(wave, 0), "RIFF");
    EXPECT_EQ(read32(wave, 4), 50u);
    EXPECT_EQ(text4(wave, 8), "WAVE");
    EXPECT_EQ(read16(wave, 20), 1);
    EXPECT_EQ(read16(wave, 22), 2);
    EXPECT_EQ(read32(wave, 24), 44100u);
    EXPECT_EQ(read16(wave, 34), 16);
    EXPECT_EQ(text4(wave, 50), "data");
    EXPECT_EQ(read32(wave, 54), 0u);
    EXPECT_EQ(wave, *ModSound::SilentWave());
}

// The five waves are embedded in the program and lie as files in the build
// tree, byte for byte the same.
TEST(BuiltInSoundFiles, ResourcesMatchFiles)
{
    for (const char* name : {"MAIN", "LASTMIN", "LAST30", "GAMEOVER", "NOSOUND"}) {
        std::ifstream in(std::string(TOLMORA_SOUND_WAVE_DIR) + "/" + name + ".wav", std::ios::binary);
        ASSERT_TRUE(in) << name;
        const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_FALSE(file.empty()) << name;
        EXPECT_EQ(resource(name), file) << name;
    }
}

}  // namespace
