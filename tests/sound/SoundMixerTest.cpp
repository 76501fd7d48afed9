#include "SoundMixer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

SoundMixer::Clip clip(std::vector<int16_t> samples)
{
    return std::make_shared<const PcmClip>(std::move(samples));
}

class SoundMixerTest : public ::testing::Test {
protected:
    bool start(const SoundMixer::Clip& pcm, bool loop, bool noStop, SoundBytes source = nullptr)
    {
        SoundMixer::Retired retired;
        return mixer.start(pcm, std::move(source), loop, noStop, retired);
    }

    std::vector<int16_t> fill(std::size_t frames)
    {
        std::vector<int16_t> out(frames * 2, int16_t{-1});
        mixer.fill(out.data(), frames);
        return out;
    }

    SoundMixer mixer;
    // Three stereo frames.
    SoundMixer::Clip tune = clip({1, -1, 2, -2, 3, -3});
    SoundMixer::Clip effect = clip({7, -7, 8, -8});
};

// A looping sound starts over right after its last frame, also inside one buffer.
TEST_F(SoundMixerTest, LoopWrapsWithoutGap)
{
    start(tune, true, false);
    EXPECT_EQ(fill(7), (std::vector<int16_t>{1, -1, 2, -2, 3, -3, 1, -1, 2, -2, 3, -3, 1, -1}));
    EXPECT_EQ(fill(2), (std::vector<int16_t>{2, -2, 3, -3}));
    EXPECT_TRUE(mixer.isPlaying());
}

// A sound played once is followed by silence, and then nothing plays.
TEST_F(SoundMixerTest, OnceEndsInSilence)
{
    start(tune, false, false);
    EXPECT_EQ(fill(4), (std::vector<int16_t>{1, -1, 2, -2, 3, -3, 0, 0}));
    EXPECT_FALSE(mixer.isPlaying());
    EXPECT_EQ(fill(2), (std::vector<int16_t>{0, 0, 0, 0}));
}

// Starting a sound ends the playing one at once.
TEST_F(SoundMixerTest, NewSoundCutsThePlayingOne)
{
    start(tune, true, false);
    fill(1);
    EXPECT_TRUE(start(effect, false, false));
    EXPECT_EQ(fill(3), (std::vector<int16_t>{7, -7, 8, -8, 0, 0}));
}

// No-stop: a start while a tune loops is dropped and the tune goes on.
TEST_F(SoundMixerTest, NoStopIsDroppedWhileSoundPlays)
{
    start(tune, true, false);
    fill(5);
    EXPECT_FALSE(start(effect, false, true));
    EXPECT_EQ(fill(2), (std::vector<int16_t>{3, -3, 1, -1}));
}

// No-stop plays once the previous sound has run out.
TEST_F(SoundMixerTest, NoStopPlaysAfterSoundEnded)
{
    start(tune, false, false);
    fill(3);
    EXPECT_TRUE(start(effect, false, true));
    EXPECT_EQ(fill(1), (std::vector<int16_t>{7, -7}));
}

// The empty NOSOUND image leaves silence and does not count as playing.
TEST_F(SoundMixerTest, EmptyClipSilences)
{
    start(tune, true, false);
    fill(1);
    start(clip({}), false, false);
    EXPECT_EQ(fill(2), (std::vector<int16_t>{0, 0, 0, 0}));
    EXPECT_TRUE(start(effect, false, true));
}

// An empty clip asked to loop must not spin the audio thread forever.
TEST_F(SoundMixerTest, EmptyLoopDoesNotHang)
{
    start(clip({}), true, false);
    EXPECT_EQ(fill(2), (std::vector<int16_t>{0, 0, 0, 0}));
    EXPECT_FALSE(mixer.isPlaying());
}

// The wave image a sound came from stays alive until the next sound starts,
// even if its owner has replaced it in the meantime.
TEST_F(SoundMixerTest, SourceLivesUntilNextStart)
{
    auto source = std::make_shared<const std::vector<uint8_t>>(std::vector<uint8_t>{'R', 'I', 'F', 'F'});
    std::weak_ptr<const std::vector<uint8_t>> watch = source;
    start(tune, false, false, source);
    source.reset();
    fill(10);
    EXPECT_FALSE(watch.expired());

    SoundMixer::Retired retired;
    mixer.start(effect, nullptr, false, false, retired);
    EXPECT_FALSE(watch.expired()) << "freed inside the audio lock";
    retired = {};
    EXPECT_TRUE(watch.expired());
}

}  // namespace
