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

// A clip whose left channel counts base+1, base+2, ... and whose right channel mirrors it,
// so every output frame tells which sound and where.
SoundClip countingClip(int base, int frames)
{
    std::vector<int16_t> samples;
    for (int i = 1; i <= frames; ++i) samples.insert(samples.end(), {int16_t(base + i), int16_t(-(base + i))});
    return std::make_shared<const PcmClip>(std::move(samples));
}

// Plays through SDL's disk driver, which writes exactly what the device is
// fed in real time, and returns the left channel of what came out.
template <typename Script>
std::vector<int> recordThroughDisk(Script script)
{
    char path[] = "/tmp/tolmora-disk-audio-XXXXXX";
    const int fd = mkstemp(path);
    EXPECT_GE(fd, 0);
    close(fd);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path, 1);
    SDL_LogSetOutputFunction(&quietLog, nullptr);
    {
        SdlAudioBackend backend;
        EXPECT_TRUE(backend.IsOpen()) << SDL_GetError();
        if (backend.IsOpen())
            script(backend);
    }
    std::ifstream in(path, std::ios::binary);
    const wavetest::Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::remove(path);
    std::vector<int> left;
    for (std::size_t at = 0; at + 3 < bytes.size(); at += 4) left.push_back(int16_t(wavetest::get(bytes, at, 2)));
    return left;
}

// Through SDL for real: exact samples come out and loop, effects wait, and the next sound ends the tune.
TEST(SdlDiskAudio, PlaysLoopsAndStops)
{
    constexpr int kTuneFrames = 2205;  // 50 ms
    const std::vector<int> left = recordThroughDisk([&](SdlAudioBackend& backend) {
        backend.Play(countingClip(0, kTuneFrames), true, false);
        std::this_thread::sleep_for(200ms);
        backend.Play(countingClip(20000, 500), false, true);
        backend.Play(nullptr, false, false);
        std::this_thread::sleep_for(200ms);
        backend.Play(countingClip(10000, kTuneFrames), false, false);
        std::this_thread::sleep_for(400ms);
    });
    ASSERT_FALSE(left.empty());

    // Silence, then the tune frame by frame, wrapping at its end, until the finale starts.
    std::size_t at = 0;
    while (at < left.size() && left[at] == 0) ++at;
    int repeats = 0, expected = 1;
    for (; at < left.size() && left[at] != 10001; ++at) {
        ASSERT_EQ(left[at], expected) << "tune frame " << at;
        if (++expected > kTuneFrames) expected = 1, ++repeats;
    }
    EXPECT_GE(repeats, 3);
    // The finale once, whole, then silence to the end.
    for (int i = 1; i <= kTuneFrames; ++i, ++at) {
        ASSERT_LT(at, left.size()) << "the finale was cut short";
        ASSERT_EQ(left[at], 10000 + i) << "finale frame " << i;
    }
    ASSERT_LT(at, left.size()) << "no silence after the finale";
    for (; at < left.size(); ++at) ASSERT_EQ(left[at], 0) << "after the finale, frame " << at;
}

// A sound played again after another one comes out as itself, from its first frame.
TEST(SdlDiskAudio, ReplayAfterAnotherSound)
{
    constexpr int kFrames = 2205;  // 50 ms
    const SoundClip tune = countingClip(0, kFrames);
    const std::vector<int> left = recordThroughDisk([&](SdlAudioBackend& backend) {
        backend.Play(tune, true, false);
        std::this_thread::sleep_for(120ms);
        backend.Play(countingClip(20000, kFrames), false, false);
        std::this_thread::sleep_for(250ms);
        backend.Play(tune, false, false);
        std::this_thread::sleep_for(250ms);
    });

    // Past the other sound, the next sound heard is the tune once, whole, then silence.
    std::size_t at = 0;
    while (at < left.size() && left[at] != 20000 + kFrames) ++at;
    ASSERT_LT(at, left.size()) << "the other sound was not heard to its end";
    while (++at < left.size() && left[at] == 0) {}
    for (int i = 1; i <= kFrames; ++i, ++at) {
        ASSERT_LT(at, left.size()) << "the replay was cut short";
        ASSERT_EQ(left[at], i) << "replay frame " << i;
    }
    for (; at < left.size(); ++at) ASSERT_EQ(left[at], 0) << "after the replay, frame " << at;
}

// Without an audio device every call does nothing, and the factory hands out the silent back end.
TEST(SdlAudioWithoutDevice, SilentlyDoesNothing)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SDL_LogSetOutputFunction(&quietLog, nullptr);
    {
        SdlAudioBackend backend;
        EXPECT_FALSE(backend.IsOpen());
        backend.Play(countingClip(0, 100), true, false);
        backend.Play(nullptr, false, false);
    }
    EXPECT_NE(dynamic_cast<NullAudioBackend*>(createAudioBackend().get()), nullptr);
}

}  // namespace
