#include "WaveDecoder.h"
#include "WaveImages.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ostream>

namespace {

using namespace wavetest;

std::optional<PcmClip> decode(const Bytes& image, std::size_t maxPcmBytes = kMaxPcmBytes)
{
    return decodeWave(image.data(), image.size(), maxPcmBytes);
}

// A theme's 8-bit mono 22050 Hz wave is widened to 16-bit stereo at 44100 Hz.
TEST(WaveDecoder, ConvertsRateChannelsAndDepth)
{
    const auto pcm = decode(pcmWave(1, 22050, 8, Bytes(2205, 128 + 64)));  // 0.1 s at half of full scale
    ASSERT_TRUE(pcm.has_value());
    const std::size_t frames = pcm->size() / 2;
    EXPECT_NEAR(double(frames), 4410.0, 8.0);
    // Away from the resampler's edges both channels carry the same level.
    const std::size_t middle = frames / 2 * 2;
    EXPECT_EQ((*pcm)[middle], (*pcm)[middle + 1]);
    EXPECT_NEAR((*pcm)[middle], 16384, 300);
}

// A wave already in the mixer's format is copied as it stands, and gives what SDL's loader gives for the same
// samples written another way; its clip limit holds as for any wave.
TEST(WaveDecoder, PlainWaveIsItsOwnClip)
{
    const std::vector<int16_t> samples{1, -1, 32767, -32768, 300, 7};
    const Bytes plain = stereo16(samples);
    Bytes listed = plain;  // a LIST chunk between fmt and data
    const Bytes list{'L', 'I', 'S', 'T', 4, 0, 0, 0, 'I', 'N', 'F', 'O'};
    listed.insert(listed.begin() + 36, list.begin(), list.end());
    listed[4] = uint8_t(listed.size() - 8);
    Bytes trailing = plain;  // half a frame after the last whole one
    trailing.insert(trailing.end(), {9, 9});
    trailing[4] += 2, trailing[40] += 2;
    for (const Bytes& image : {plain, listed, trailing})
        EXPECT_EQ(decode(image), samples);
    EXPECT_FALSE(decode(plain, 11));
    EXPECT_EQ(decode(plain, 12), samples);
}

// A mono wave in the mixer's sample format plays each sample on both channels, and an fmt chunk with an empty
// extension reads as the plain one: the built-in game-over and silent waves are written so.
TEST(WaveDecoder, PlainMonoAndExtendedFormatsNeedNoConversion)
{
    EXPECT_EQ(decode(pcmWave(1, kMixRate, 16, {1, 0, 0xFF, 0xFF, 0, 0x80})),
              (std::vector<int16_t>{1, 1, -1, -1, -32768, -32768}));
    Bytes extended = stereo16({5, -5});
    extended.insert(extended.begin() + 36, {0, 0});
    extended[16] = 18, extended[4] += 2;
    EXPECT_EQ(decode(extended), (std::vector<int16_t>{5, -5}));
}

// A "fact" chunk and an odd-sized, padded "LIST" chunk between the format and the samples, as some writers put
// them (our silent wave carries a fact chunk).
Bytes chunked(Bytes image)
{
    const Bytes chunks{'f', 'a', 'c', 't', 4, 0, 0, 0, 0, 0, 0, 0, 'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    image.insert(image.begin() + 36, chunks.begin(), chunks.end());
    image[4] = uint8_t(image.size() - 8);
    return image;
}

// A chunk before the samples whose length runs past the end of the image.
Bytes overrun(Bytes image)
{
    const Bytes chunk{'f', 'a', 'c', 't', 0xF0, 0xFF, 0xFF, 0xFF};
    image.insert(image.begin() + 36, chunk.begin(), chunk.end());
    image[4] = uint8_t(image.size() - 8);
    return image;
}

struct ViewCase {
    const char* name;
    Bytes image;
    std::size_t offset;  // where the image starts in its buffer
    bool viewed;
};

void PrintTo(const ViewCase& viewCase, std::ostream* out) { *out << viewCase.name; }

class WaveView : public ::testing::TestWithParam<ViewCase> {};

// Only a plain wave in the mixer's format whose samples lie on a 16-bit boundary is viewed, in place and with the
// samples decoding gives; every other wave is left to the decoder, and viewing never counts as a decode.
TEST_P(WaveView, ViewsInPlaceOnlyWhatItCanPlayAsItLies)
{
    const ViewCase& viewCase = GetParam();
    Bytes buffer(viewCase.offset, 0);
    buffer.insert(buffer.end(), viewCase.image.begin(), viewCase.image.end());
    const uint8_t* image = buffer.data() + viewCase.offset;
    const uint64_t decodesBefore = wavesDecoded();
    const std::optional<PcmClip> view = viewWave(image, viewCase.image.size());
    EXPECT_EQ(wavesDecoded(), decodesBefore);
    ASSERT_EQ(view.has_value(), viewCase.viewed);
    if (view) {
        // The samples are the image's last bytes, wherever its chunks put them.
        EXPECT_EQ(static_cast<const void*>(view->data()),
                  static_cast<const void*>(image + viewCase.image.size() - view->size() * sizeof(int16_t)));
        EXPECT_EQ(view, decode(viewCase.image));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Images, WaveView,
    ::testing::Values(ViewCase{"Plain", stereo16({1, -1, 32767, -32768}), 0, true},
                      ViewCase{"PlainWithoutSamples", stereo16({}), 2, true},
                      ViewCase{"ChunksBeforeSamples", chunked(stereo16({1, -1, 7, 8})), 0, true},
                      ViewCase{"ChunkRunsPastTheEnd", overrun(stereo16({1, -1})), 0, false},
                      ViewCase{"Misaligned", stereo16({1, -1, 32767, -32768}), 1, false},
                      ViewCase{"Mono", pcmWave(1, kMixRate, 16, {1, 0, 2, 0}), 0, false},
                      ViewCase{"OtherRate", pcmWave(2, 22050, 16, {1, 0, 2, 0}), 0, false},
                      ViewCase{"NotAWave", Bytes(64, 'x'), 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever a theme line names is refused unless it is a wave: text, nothing, a null image, a cut fmt chunk.
TEST(WaveDecoderHostile, RefusesWhatIsNotAWave)
{
    const std::string text = "RED.bmp\r\nBLUE.bmp\r\n";
    EXPECT_FALSE(decode(Bytes(text.begin(), text.end())));
    EXPECT_FALSE(decode({}));
    EXPECT_FALSE(decodeWave(nullptr, 100));
    Bytes truncated = stereo16({1, 2, 3, 4});
    truncated.resize(30);
    EXPECT_FALSE(decode(truncated));
}

// A wave over 64 MiB, or one that would outgrow the clip limit once converted, is refused.
TEST(WaveDecoderHostile, RefusesOversizedWaves)
{
    const auto huge = pcmWave(2, 44100, 16, Bytes(kMaxWaveBytes - 40, 0));
    ASSERT_EQ(huge.size(), kMaxWaveBytes + 4);
    EXPECT_FALSE(decode(huge));
    const auto slow = pcmWave(2, 22050, 16, Bytes(88200, 0));  // one second: 88200 bytes that grow to 176400
    EXPECT_FALSE(decode(slow, 150000));
    ASSERT_TRUE(decode(slow, 400000));
    EXPECT_EQ(decode(slow, 400000)->size(), 88200u);
}

struct RateCase {
    int rate;
    std::size_t clipFrames;  // 9000 source frames at the mixer's rate, rounded up
};

class WaveResampling : public ::testing::TestWithParam<RateCase> {};

// A ramp stays a straight ramp at any rate, across the decoder's chunk seams.
TEST_P(WaveResampling, RampStaysStraight)
{
    const int rate = GetParam().rate;
    constexpr int kFrames = 9000, kStep = 3;  // more than two chunks of the converter
    Bytes data;
    for (int i = 0; i < kFrames; ++i) put(data, uint16_t(kStep * i), 2), put(data, uint16_t(-kStep * i), 2);
    const Bytes image = pcmWave(2, rate, 16, data);
    const auto pcm = decode(image);
    ASSERT_TRUE(pcm.has_value());
    ASSERT_EQ(pcm->size(), 2 * GetParam().clipFrames);
    for (std::size_t frame = 0; frame < GetParam().clipFrames; ++frame) {
        // The ramp's value where the frame lies in the source; past the last frame, the last frame held.
        const double source = std::min(double(frame) * rate / kMixRate, double(kFrames - 1));
        const int left = (*pcm)[2 * frame], right = (*pcm)[2 * frame + 1];
        if (std::abs(left - kStep * source) > 1 || left != -right) {
            ADD_FAILURE() << "frame " << frame << ": " << left << " " << right << ", wanted " << kStep * source;
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, WaveResampling,
                         ::testing::Values(RateCase{8000, 49613}, RateCase{22050, 18000}, RateCase{44000, 9021},
                                           RateCase{44100, 9000}, RateCase{48000, 8269}, RateCase{96000, 4135}),
                         [](const auto& info) { return std::to_string(info.param.rate); });

// Largest single allocation SDL asks for while the probe is installed.
class SdlAllocationProbe {
public:
    SdlAllocationProbe()
    {
        SDL_GetMemoryFunctions(&m_malloc, &m_calloc, &m_realloc, &m_free);
        s_largest = 0;
        SDL_SetMemoryFunctions(
            [](size_t n) { return s_largest = std::max(s_largest, n), std::malloc(n); },
            [](size_t count, size_t n) { return s_largest = std::max(s_largest, count * n), std::calloc(count, n); },
            [](void* p, size_t n) { return s_largest = std::max(s_largest, n), std::realloc(p, n); }, m_free);
    }
    ~SdlAllocationProbe() { SDL_SetMemoryFunctions(m_malloc, m_calloc, m_realloc, m_free); }
    static inline std::size_t s_largest = 0;

private:
    SDL_malloc_func m_malloc;
    SDL_calloc_func m_calloc;
    SDL_realloc_func m_realloc;
    SDL_free_func m_free;
};

// A data chunk claiming 2 GB around two frames is cut to what is there: SDL is never asked for the gigabytes.
TEST(WaveDecoderHostile, DataLengthBeyondTheFileIsCut)
{
    auto image = stereo16({100, -100, 200, -200});
    image[43] = 0x80;
    std::optional<PcmClip> pcm;
    {
        SdlAllocationProbe probe;
        pcm = decode(image);
    }
    EXPECT_LT(SdlAllocationProbe::s_largest, std::size_t{1} << 20);
    EXPECT_EQ(pcm, (PcmClip{100, -100, 200, -200}));
}

// Samples that would grow beyond the clip limit (8-bit mono at 8000 Hz grows 22-fold) are refused before SDL reads them.
TEST(WaveDecoderHostile, GrowingWaveIsRefusedFromItsHeader)
{
    const Bytes image = pcmWave(1, 8000, 8, Bytes(std::size_t{2} << 20, 128));
    SdlAllocationProbe probe;
    EXPECT_FALSE(decode(image, std::size_t{16} << 20));
    EXPECT_LT(SdlAllocationProbe::s_largest, std::size_t{1} << 20);
}

// Our own format passes through exactly, even when a chunk after the samples claims more than the file holds.
TEST(WaveDecoderHostile, BadChunkAfterTheSamplesIsHarmless)
{
    const std::vector<int16_t> samples = {0, 1, -1, 32767, -32768, 1234, 5, -6};
    auto image = stereo16(samples);
    image.insert(image.end(), {'L', 'I', 'S', 'T', 0x00, 0xFF, 0xFF, 0x7F, 0, 0});
    EXPECT_EQ(decode(stereo16(samples)), samples);
    EXPECT_EQ(decode(image), samples);
}

}  // namespace
