#include "ModSound.h"
#include "WaveDecoder.h"
#include "fakes/RecordingAudioBackend.h"

#include <gtest/gtest.h>

namespace {

SoundBytes bytes(std::initializer_list<uint8_t> values)
{
    return std::make_shared<const std::vector<uint8_t>>(values);
}

struct Routine {
    const char* name;
    void (ModSound::*play)();
    SoundBytes ModSound::*array;
    bool loop;
    bool noStop;
};

void PrintTo(const Routine& routine, std::ostream* out) { *out << routine.name; }

const Routine kRoutines[] = {
    {"PlayMain", &ModSound::PlayMain, &ModSound::BytMain, true, false},
    {"PlayLastMin", &ModSound::PlayLastMin, &ModSound::BytLastMin, true, false},
    {"PlayLast30", &ModSound::PlayLast30, &ModSound::BytLast30, true, false},
    {"PlayGameOver", &ModSound::PlayGameOver, &ModSound::BytGameOver, false, false},
    {"PlayHighlight", &ModSound::PlayHighlight, &ModSound::BytHighlight, false, true},
    {"PlayClear", &ModSound::PlayClear, &ModSound::BytClear, false, true},
    {"StopSound", &ModSound::StopSound, &ModSound::BytNoSound, false, false},
};

class ModSoundRoutines : public ::testing::TestWithParam<Routine> {
protected:
    ModSoundRoutines()
    {
        // Every array distinct, so a routine playing its neighbour's array shows.
        uint8_t tag = 1;
        for (const Routine& routine : kRoutines)
            sound.*routine.array = bytes({'R', 'I', 'F', 'F', tag++});
    }

    RecordingAudioBackend backend;
    ModSound sound{backend};
};

// Each routine plays its own array with its own flags: music loops, game over
// and silence play once, the effects never interrupt.
TEST_P(ModSoundRoutines, PlaysItsOwnArrayWithItsFlags)
{
    const Routine& routine = GetParam();
    (sound.*routine.play)();
    ASSERT_EQ(backend.calls.size(), 1u);
    EXPECT_EQ(backend.calls[0].wave, sound.*routine.array);
    EXPECT_EQ(backend.calls[0].loop, routine.loop);
    EXPECT_EQ(backend.calls[0].noStop, routine.noStop);
}

// Mute silences every routine except StopSound, which is what muting calls.
TEST_P(ModSoundRoutines, MuteSilencesAllButStopSound)
{
    const Routine& routine = GetParam();
    sound.BlnSound = false;
    (sound.*routine.play)();
    const bool isStop = routine.play == &ModSound::StopSound;
    EXPECT_EQ(backend.calls.size(), isStop ? 1u : 0u);
}

class ModSoundPlayRoutines : public ModSoundRoutines {};

// An array never filled, or filled with nothing, plays nothing (the built-in
// set has no selection or removal effects).
TEST_P(ModSoundPlayRoutines, EmptyArrayPlaysNothing)
{
    const Routine& routine = GetParam();
    sound.*routine.array = nullptr;
    (sound.*routine.play)();
    sound.*routine.array = std::make_shared<const std::vector<uint8_t>>();
    (sound.*routine.play)();
    EXPECT_TRUE(backend.calls.empty());
}

auto routineName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(AllSeven, ModSoundRoutines, ::testing::ValuesIn(kRoutines), routineName);
// StopSound is left out: it silences even without an array (below).
INSTANTIATE_TEST_SUITE_P(AllButStop, ModSoundPlayRoutines,
                         ::testing::ValuesIn(std::begin(kRoutines), std::end(kRoutines) - 1), routineName);

// A session started with a theme never loads NOSOUND; muting must still end
// the theme's music, so StopSound falls back to a wave with no samples.
TEST(ModSoundStop, SilencesWithoutNoSoundArray)
{
    RecordingAudioBackend backend;
    ModSound sound(backend);
    sound.BlnSound = false;
    sound.StopSound();
    ASSERT_EQ(backend.calls.size(), 1u);
    const SoundBytes& wave = backend.calls[0].wave;
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->size(), 58u);
    EXPECT_FALSE(backend.calls[0].loop);
    EXPECT_FALSE(backend.calls[0].noStop);
    const auto pcm = decodeWave(wave->data(), wave->size());
    ASSERT_TRUE(pcm.has_value());
    EXPECT_TRUE(pcm->empty());
}

}  // namespace
