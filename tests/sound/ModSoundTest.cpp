#include "ModSound.h"
#include "WaveDecoder.h"
#include "fakes/RecordingAudioBackend.h"

#include <gtest/gtest.h>

namespace {

struct Routine {
    const char* name;
    void (ModSound::*play)();
    SoundBytes ModSound::*array;
    bool loop, noStop;
};

const Routine kRoutines[] = {
    {"PlayMain", &ModSound::PlayMain, &ModSound::BytMain, true, false},
    {"PlayLastMin", &ModSound::PlayLastMin, &ModSound::BytLastMin, true, false},
    {"PlayLast30", &ModSound::PlayLast30, &ModSound::BytLast30, true, false},
    {"PlayGameOver", &ModSound::PlayGameOver, &ModSound::BytGameOver, false, false},
    {"PlayHighlight", &ModSound::PlayHighlight, &ModSound::BytHighlight, false, true},
    {"PlayClear", &ModSound::PlayClear, &ModSound::BytClear, false, true},
    {"StopSound", &ModSound::StopSound, &ModSound::BytNoSound, false, false},
};

class ModSoundTest : public ::testing::Test {
protected:
    ModSoundTest()
    {
        // Every array distinct, so a routine playing its neighbour's array shows.
        uint8_t tag = 1;
        for (const Routine& routine : kRoutines)
            sound.*routine.array = std::make_shared<const std::vector<uint8_t>>(std::vector<uint8_t>{'R', tag++});
    }
    RecordingAudioBackend backend;
    ModSound sound{backend};
};

// Each routine plays its own array with its flags: music loops, effects never interrupt, the rest play once.
TEST_F(ModSoundTest, EachRoutinePlaysItsOwnArrayWithItsFlags)
{
    for (const Routine& routine : kRoutines) {
        SCOPED_TRACE(routine.name);
        backend.calls.clear();
        (sound.*routine.play)();
        ASSERT_EQ(backend.calls.size(), 1u);
        EXPECT_EQ(backend.calls[0].wave, sound.*routine.array);
        EXPECT_EQ(backend.calls[0].loop, routine.loop);
        EXPECT_EQ(backend.calls[0].noStop, routine.noStop);
    }
}

// Mute and empty arrays play nothing, but StopSound always silences, with 58 bytes of its own if need be.
TEST_F(ModSoundTest, MuteAndEmptyArraysPlayNothing)
{
    sound.BlnSound = false;
    for (const Routine& routine : kRoutines) (sound.*routine.play)();
    ASSERT_EQ(backend.calls.size(), 1u);
    EXPECT_EQ(backend.calls[0].wave, sound.BytNoSound);

    sound.BlnSound = true;
    for (const Routine& routine : kRoutines) {
        for (const SoundBytes& empty : {SoundBytes(), std::make_shared<const std::vector<uint8_t>>()}) {
            sound.*routine.array = empty;
            (sound.*routine.play)();
        }
    }
    ASSERT_EQ(backend.calls.size(), 3u);
    for (const auto& call : {backend.calls[1], backend.calls[2]}) {
        ASSERT_EQ(call.wave, ModSound::SilentWave());
        EXPECT_FALSE(call.loop || call.noStop);
    }
    const auto pcm = decodeWave(ModSound::SilentWave()->data(), ModSound::SilentWave()->size());
    EXPECT_TRUE(ModSound::SilentWave()->size() == 58 && pcm && pcm->empty());
}

}  // namespace
