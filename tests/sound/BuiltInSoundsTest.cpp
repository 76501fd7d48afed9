#include "WaveDecoder.h"

#include <QFile>
#include <QResource>
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>

namespace {

// A built-in wave (by its resource name) or an example theme's (by its file under the themes folder) as the game
// plays it: decoded to 16-bit stereo at 44100 Hz; nothing when it cannot be.
std::optional<PcmClip> decodeOf(const std::string& name, std::size_t* fileBytes = nullptr)
{
    const bool builtIn = name.find('/') == std::string::npos;
    QFile file(QString::fromStdString(builtIn ? ":/sounds/" + name + ".wav" : TOLMORA_THEMES_DIR "/" + name));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (fileBytes != nullptr)
        *fileBytes = std::size_t(bytes.size());
    return decodeWave(reinterpret_cast<const uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
}

PcmClip clipOf(const std::string& name) { return decodeOf(name).value_or(PcmClip{}); }

int peakOf(const PcmClip& samples)
{
    int peak = 0;
    for (int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
    return peak;
}

struct Tune {
    const char* name;
    long framesPerBeat;  // the loop is 16 beats
};

class BuiltInTunes : public ::testing::TestWithParam<Tune> {
protected:
    PcmClip samples = clipOf(GetParam().name);
    long n = long(samples.size());
};

// Exactly 16 beats of stereo (built in: 9.6, 7.68 and 6.4 s), mixed loud but without clipping or offset.
TEST_P(BuiltInTunes, LengthAndLevel)
{
    ASSERT_EQ(n, 16 * 2 * GetParam().framesPerBeat);
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

std::string TestName(std::string name)
{
    std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
    return name;
}

INSTANTIATE_TEST_SUITE_P(ClockMusic, BuiltInTunes,
                         ::testing::Values(Tune{"MAIN", 26460}, Tune{"LASTMIN", 21168}, Tune{"LAST30", 17640},
                                           Tune{"meadow/main.wav", 25200}, Tune{"meadow/lastmin.wav", 21000},
                                           Tune{"meadow/last30.wav", 18000}, Tune{"midnight/main.wav", 29400},
                                           Tune{"midnight/lastmin.wav", 24500}, Tune{"midnight/last30.wav", 19600}),
                         [](const auto& info) { return TestName(info.param.name); });

class GameOverSounds : public ::testing::TestWithParam<const char*> {};

// The game-over sound: 0.9 s of mono played on both channels, unclipped, and silent at both ends so it neither
// starts nor stops on a click.
TEST_P(GameOverSounds, MonoShortAndClean)
{
    const PcmClip samples = clipOf(GetParam());
    ASSERT_EQ(samples.size(), 2u * 39690);
    for (std::size_t i = 0; i < samples.size(); i += 2) ASSERT_EQ(samples[i], samples[i + 1]) << "frame " << i / 2;
    EXPECT_EQ(samples.front(), 0);
    EXPECT_LT(peakOf(std::vector<int16_t>(samples.end() - 200, samples.end())), 64);
    EXPECT_LT(peakOf(samples), 32767);
    EXPECT_GT(peakOf(samples), 16384) << "a phrase mixed far too quietly";
}

INSTANTIATE_TEST_SUITE_P(EndOfTheGame, GameOverSounds,
                         ::testing::Values("GAMEOVER", "meadow/gameover.wav", "midnight/gameover.wav"),
                         [](const auto& info) { return TestName(info.param); });

// The tunes are stored uncompressed and already in the mixer's format, so the game plays them where they lie in the
// program instead of holding megabytes of copies; the samples are those decoding gives.
TEST(BuiltInSounds, PlayWhereTheyLieInTheProgram)
{
    for (const std::string name : {"MAIN", "LASTMIN", "LAST30"}) {
        const QResource resource(QString::fromStdString(":/sounds/" + name + ".wav"));
        ASSERT_EQ(resource.compressionAlgorithm(), QResource::NoCompression) << name;
        const std::optional<PcmClip> view = viewWave(resource.data(), std::size_t(resource.size()));
        ASSERT_TRUE(view) << name;
        EXPECT_EQ(static_cast<const void*>(view->data()), static_cast<const void*>(resource.data() + 44)) << name;
        EXPECT_EQ(*view, clipOf(name)) << name;
    }
}

// NOSOUND: a 58-byte wave that decodes to a clip without samples, which ends the sound playing. It is read in
// place like the tunes, so starting the game never loads the audio library's decoder.
TEST(BuiltInSounds, NoSoundIsFiftyEightBytesOfSilence)
{
    std::size_t bytes = 0;
    EXPECT_EQ(decodeOf("NOSOUND", &bytes), PcmClip{});
    EXPECT_EQ(bytes, 58u);
    const QResource resource(QStringLiteral(":/sounds/NOSOUND.wav"));
    EXPECT_EQ(viewWave(resource.data(), std::size_t(resource.size())), PcmClip{});
}

}  // namespace
