#include "ModSound.h"
#include "WaveDecoder.h"
#include "fakes/RecordingAudioBackend.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Routine {
    const char* name;
    void (ModSound::*play)();
    SoundClip SoundClips::*clip;
    bool loop, noStop;
};

const Routine kRoutines[] = {
    {"PlayMain", &ModSound::PlayMain, &SoundClips::main, true, false},
    {"PlayLastMin", &ModSound::PlayLastMin, &SoundClips::lastMin, true, false},
    {"PlayLast30", &ModSound::PlayLast30, &SoundClips::last30, true, false},
    {"PlayGameOver", &ModSound::PlayGameOver, &SoundClips::gameOver, false, false},
    {"PlayHighlight", &ModSound::PlayHighlight, &SoundClips::highlight, false, true},
    {"PlayClear", &ModSound::PlayClear, &SoundClips::clear, false, true},
    {"StopSound", &ModSound::StopSound, &SoundClips::noSound, false, false},
};

class ModSoundTest : public ::testing::Test {
protected:
    ModSoundTest()
    {
        // Every clip distinct, so a routine playing its neighbour's clip shows.
        int16_t tag = 1;
        for (const Routine& routine : kRoutines)
            sound.clips.*routine.clip = std::make_shared<const PcmClip>(PcmClip{tag++, 0});
    }
    RecordingAudioBackend backend;
    ModSound sound{backend};
};

// Each routine plays its own clip with its flags: music loops, effects never interrupt, the rest play once.
TEST_F(ModSoundTest, EachRoutinePlaysItsOwnClipWithItsFlags)
{
    for (const Routine& routine : kRoutines) {
        SCOPED_TRACE(routine.name);
        backend.calls.clear();
        (sound.*routine.play)();
        ASSERT_EQ(backend.calls.size(), 1u);
        EXPECT_EQ(backend.calls[0].clip, sound.clips.*routine.clip);
        EXPECT_EQ(backend.calls[0].loop, routine.loop);
        EXPECT_EQ(backend.calls[0].noStop, routine.noStop);
    }
}

// The music switch holds the three tunes, the effects switch the game-over, highlight and removal sounds; mute
// holds both, and StopSound plays whatever the switches say.
TEST_F(ModSoundTest, MusicEffectsAndMuteEachHoldTheirOwnSounds)
{
    struct Case {
        bool music, effects, mute;
        const char* reaching;  // the routines whose clips reach the back end, in kRoutines' order
    };
    const Case cases[] = {
        {true, true, false, "PlayMain PlayLastMin PlayLast30 PlayGameOver PlayHighlight PlayClear StopSound"},
        {false, true, false, "PlayGameOver PlayHighlight PlayClear StopSound"},
        {true, false, false, "PlayMain PlayLastMin PlayLast30 StopSound"},
        {false, false, false, "StopSound"},
        {true, true, true, "StopSound"},
        {false, true, true, "StopSound"},
        {true, false, true, "StopSound"},
        {false, false, true, "StopSound"},
    };
    for (const Case& c : cases) {
        sound.music = c.music;
        sound.effects = c.effects;
        sound.BlnSound = !c.mute;
        std::string reaching;
        for (const Routine& routine : kRoutines) {
            backend.calls.clear();
            (sound.*routine.play)();
            if (!backend.calls.empty() && backend.calls[0].clip == sound.clips.*routine.clip)
                reaching += (reaching.empty() ? "" : " ") + std::string(routine.name);
        }
        EXPECT_EQ(reaching, c.reaching) << "music " << c.music << ", effects " << c.effects << ", mute " << c.mute;
    }
}

// Missing clips play nothing, a loaded clip without samples still plays (it ends the sound playing), and
// StopSound always silences, with an empty clip of its own if need be.
TEST_F(ModSoundTest, MissingClipsPlayNothing)
{
    const SoundClip empty = std::make_shared<const PcmClip>();
    for (const Routine& routine : kRoutines) {
        for (const SoundClip& clip : {SoundClip(), empty}) {
            backend.calls.clear();
            sound.clips.*routine.clip = clip;
            (sound.*routine.play)();
            ASSERT_EQ(backend.calls.size(), clip || routine.play == &ModSound::StopSound ? 1u : 0u) << routine.name;
            if (!backend.calls.empty()) {
                EXPECT_EQ(backend.calls[0].clip, clip ? clip : ModSound::Silence()) << routine.name;
            }
        }
    }
    EXPECT_TRUE(ModSound::Silence() && ModSound::Silence()->empty());
}

}  // namespace
