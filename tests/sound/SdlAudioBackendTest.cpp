#include "AudioBackendFactory.h"
#include "NullAudioBackend.h"
#include "SdlAudioBackend.h"
#include "WaveImages.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

void quietLog(void*, int, SDL_LogPriority, const char*) {}

// A wave whose left channel counts base+1, base+2, ... and whose right
// channel mirrors it, so every output frame tells which sound and where.
SoundBytes countingWave(int base, int frames)
{
    std::vector<int16_t> samples;
    for (int i = 1; i <= frames; ++i) {
        samples.push_back(static_cast<int16_t>(base + i));
        samples.push_back(static_cast<int16_t>(-(base + i)));
    }
    return std::make_shared<const std::vector<uint8_t>>(wavetest::stereo16(samples));
}

class SdlDiskAudio : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/tolmora-disk-audio-XXXXXX";
        const int fd = mkstemp(name);
        ASSERT_GE(fd, 0);
        close(fd);
        path = name;
        // The disk driver writes exactly what the device is fed, in real time.
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
        SDL_LogSetOutputFunction(&quietLog, nullptr);
    }

    void TearDown() override { std::remove(path.c_str()); }

    // Left channel of every frame written, after the back end has closed.
    std::vector<int> leftChannel() const
    {
        std::ifstream in(path, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<int> left;
        for (std::size_t at = 0; at + 3 < bytes.size(); at += 4) {
            const auto lo = static_cast<uint8_t>(bytes[at]);
            const auto hi = static_cast<uint8_t>(bytes[at + 1]);
            left.push_back(static_cast<int16_t>(lo | (hi << 8)));
        }
        return left;
    }

    std::string path;
};

// Through SDL for real: the tune's exact samples come out and loop, an effect
// and a broken wave change nothing, and the next sound ends the tune and
// plays once into silence.
TEST_F(SdlDiskAudio, PlaysLoopsAndStops)
{
    constexpr int kTuneFrames = 2205;  // 50 ms
    const SoundBytes tune = countingWave(0, kTuneFrames);
    const SoundBytes effect = countingWave(20000, 500);
    const SoundBytes finale = countingWave(10000, kTuneFrames);
    const auto broken = std::make_shared<const std::vector<uint8_t>>(std::vector<uint8_t>{'R', 'I', 'F', 'F', 1});
    {
        SdlAudioBackend backend;
        ASSERT_TRUE(backend.IsOpen()) << SDL_GetError();
        backend.Play(tune, true, false);
        std::this_thread::sleep_for(200ms);
        backend.Play(effect, false, true);
        backend.Play(broken, false, false);
        std::this_thread::sleep_for(200ms);
        backend.Play(finale, false, false);
        std::this_thread::sleep_for(400ms);
    }
    const std::vector<int> left = leftChannel();

    std::size_t at = 0;
    while (at < left.size() && left[at] != 1)
        ++at;
    ASSERT_LT(at, left.size()) << "the tune never started";
    // Before the tune only silence.
    for (std::size_t i = 0; i < at; ++i)
        ASSERT_EQ(left[i], 0) << "frame " << i;

    // The tune, frame by frame, wrapping at its end, until the finale starts.
    int repeats = 0;
    int expected = 1;
    while (at < left.size() && left[at] != 10001) {
        ASSERT_EQ(left[at], expected) << "tune frame " << at;
        if (++expected > kTuneFrames) {
            expected = 1;
            ++repeats;
        }
        ++at;
    }
    EXPECT_GE(repeats, 3);
    ASSERT_LT(at, left.size()) << "the finale never started";

    // The finale once, whole, then silence to the end.
    for (int i = 1; i <= kTuneFrames; ++i, ++at) {
        ASSERT_LT(at, left.size());
        ASSERT_EQ(left[at], 10000 + i) << "finale frame " << i;
    }
    ASSERT_LT(at, left.size()) << "no silence after the finale";
    for (; at < left.size(); ++at)
        ASSERT_EQ(left[at], 0) << "after the finale, frame " << at;
}

// Without an audio device every call does nothing, and the factory hands out
// the silent back end.
TEST(SdlAudioWithoutDevice, SilentlyDoesNothing)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SDL_LogSetOutputFunction(&quietLog, nullptr);
    {
        SdlAudioBackend backend;
        EXPECT_FALSE(backend.IsOpen());
        backend.Play(countingWave(0, 100), true, false);
        backend.Play(nullptr, false, false);
    }
    const auto best = createAudioBackend();
    ASSERT_TRUE(best);
    EXPECT_NE(dynamic_cast<NullAudioBackend*>(best.get()), nullptr);
}

}  // namespace
