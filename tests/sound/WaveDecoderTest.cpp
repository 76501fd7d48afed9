#include "WaveDecoder.h"
#include "ModSound.h"
#include "WaveImages.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

using namespace wavetest;

std::optional<PcmClip> decode(const std::vector<uint8_t>& image, std::size_t maxPcmBytes = kMaxPcmBytes)
{
    return decodeWave(image.data(), image.size(), maxPcmBytes);
}

// Our own format passes through sample for sample.
TEST(WaveDecoder, MixFormatIsExact)
{
    const std::vector<int16_t> samples = {0, 1, -1, 32767, -32768, 1234, 5, -6};
    const auto pcm = decode(stereo16(samples));
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(*pcm, samples);
}

// A theme's 8-bit mono 22050 Hz wave is widened to 16-bit stereo at 44100 Hz.
TEST(WaveDecoder, ConvertsRateChannelsAndDepth)
{
    const std::vector<uint8_t> data(2205, 128 + 64);  // 0.1 s at half of full scale
    const auto pcm = decode(pcmWave(1, 22050, 8, data));
    ASSERT_TRUE(pcm.has_value());
    const std::size_t frames = pcm->size() / 2;
    EXPECT_NEAR(static_cast<double>(frames), 4410.0, 8.0);
    // Away from the resampler's edges both channels carry the same level.
    const std::size_t middle = frames / 2;
    EXPECT_EQ((*pcm)[2 * middle], (*pcm)[2 * middle + 1]);
    EXPECT_NEAR((*pcm)[2 * middle], 16384, 300);
}

// The 58-byte NOSOUND image is a valid wave with no samples: it silences.
TEST(WaveDecoder, SilentWaveGivesEmptyClip)
{
    const SoundBytes& silent = ModSound::SilentWave();
    const auto pcm = decodeWave(silent->data(), silent->size());
    ASSERT_TRUE(pcm.has_value());
    EXPECT_TRUE(pcm->empty());
}

// Files that are no wave at all are refused, whatever a theme line names.
TEST(WaveDecoder, RefusesWhatIsNotAWave)
{
    const std::string text = "RED.bmp\r\nBLUE.bmp\r\n";
    EXPECT_FALSE(decode(std::vector<uint8_t>(text.begin(), text.end())).has_value());
    EXPECT_FALSE(decode({}).has_value());
    EXPECT_FALSE(decodeWave(nullptr, 100).has_value());

    std::vector<uint8_t> truncated = stereo16({1, 2, 3, 4});
    truncated.resize(30);  // cut inside the fmt chunk
    EXPECT_FALSE(decode(truncated).has_value());
}

// A wave over 64 MiB is refused before SDL reads it, valid as it may be.
TEST(WaveDecoder, RefusesWavesOver64MiB)
{
    const std::size_t dataBytes = kMaxWaveBytes - 44 + 4;
    const auto image = pcmWave(2, 44100, 16, std::vector<uint8_t>(dataBytes, 0));
    ASSERT_EQ(image.size(), kMaxWaveBytes + 4);
    EXPECT_FALSE(decode(image).has_value());
}

// A small wave that would grow past the limit in the mixer's format is refused.
TEST(WaveDecoder, RefusesClipsThatGrowTooLarge)
{
    // One second at 22050 Hz: 88200 bytes that grow to 176400.
    const auto image = pcmWave(2, 22050, 16, std::vector<uint8_t>(88200, 0));
    EXPECT_FALSE(decode(image, 150000).has_value());
    const auto pcm = decode(image, 400000);
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(pcm->size(), 88200u);
}

// Largest single allocation SDL asks for while the probe is installed.
class SdlAllocationProbe {
public:
    SdlAllocationProbe()
    {
        SDL_GetMemoryFunctions(&m_malloc, &m_calloc, &m_realloc, &m_free);
        s_largest = 0;
        SDL_SetMemoryFunctions(&probeMalloc, &probeCalloc, &probeRealloc, m_free);
    }
    ~SdlAllocationProbe() { SDL_SetMemoryFunctions(m_malloc, m_calloc, m_realloc, m_free); }
    static std::size_t largest() { return s_largest; }

private:
    static void* probeMalloc(std::size_t n)
    {
        s_largest = std::max(s_largest, n);
        return std::malloc(n);
    }
    static void* probeCalloc(std::size_t count, std::size_t n)
    {
        s_largest = std::max(s_largest, count * n);
        return std::calloc(count, n);
    }
    static void* probeRealloc(void* p, std::size_t n)
    {
        s_largest = std::max(s_largest, n);
        return std::realloc(p, n);
    }

    static inline std::size_t s_largest = 0;
    SDL_malloc_func m_malloc;
    SDL_calloc_func m_calloc;
    SDL_realloc_func m_realloc;
    SDL_free_func m_free;
};

// A data chunk that claims 2 GB but holds two frames is cut to what is there:
// SDL must never be asked for the claimed gigabytes.
TEST(WaveDecoderHostile, DataLengthBeyondTheFileIsCut)
{
    auto image = stereo16({100, -100, 200, -200});
    image[40] = 0x00, image[41] = 0x00, image[42] = 0x00, image[43] = 0x80;
    std::optional<PcmClip> pcm;
    {
        SdlAllocationProbe probe;
        pcm = decode(image);
        EXPECT_LT(SdlAllocationProbe::largest(), std::size_t{1} << 20);
    }
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(*pcm, (std::vector<int16_t>{100, -100, 200, -200}));
}

// A chunk after the samples that claims more than the file holds is
// harmless: the wave still plays.
TEST(WaveDecoderHostile, BadChunkAfterTheSamplesIsHarmless)
{
    auto image = stereo16({100, -100});
    for (uint8_t byte : std::initializer_list<uint8_t>{'L', 'I', 'S', 'T', 0x00, 0xFF, 0xFF, 0x7F, 0, 0})
        image.push_back(byte);
    const auto pcm = decode(image);
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(*pcm, (std::vector<int16_t>{100, -100}));
}

}  // namespace
