#include "SoundMixer.h"

#include <gtest/gtest.h>

namespace {

using Samples = std::vector<int16_t>;

SoundMixer::Clip clip(Samples samples) { return std::make_shared<const PcmClip>(std::move(samples)); }

class SoundMixerTest : public ::testing::Test {
protected:
    bool start(const SoundMixer::Clip& pcm, bool loop, bool noStop)
    {
        SoundMixer::Clip retired;
        return mixer.start(pcm, loop, noStop, retired);
    }
    Samples fill(std::size_t frames)
    {
        Samples out(frames * 2, int16_t{-1});
        mixer.fill(out.data(), frames);
        return out;
    }
    SoundMixer mixer;
    SoundMixer::Clip tune = clip({1, -1, 2, -2, 3, -3});  // three stereo frames
    SoundMixer::Clip effect = clip({7, -7, 8, -8});
};

// A no-stop effect is dropped while a sound plays, even a loop at its seam, and starts once silence has come.
TEST_F(SoundMixerTest, NoStopWaitsForSilence)
{
    start(tune, true, false);
    fill(3);
    EXPECT_FALSE(start(effect, false, true));
    start(tune, false, false);
    fill(1);
    EXPECT_FALSE(start(effect, false, true));
    EXPECT_EQ(fill(3), (Samples{2, -2, 3, -3, 0, 0}));
    EXPECT_TRUE(start(effect, false, true));
    EXPECT_EQ(fill(1), (Samples{7, -7}));
}

// The empty NOSOUND clip leaves silence, does not count as playing, and asked to loop must not spin the audio thread.
TEST_F(SoundMixerTest, EmptyClipSilences)
{
    start(tune, true, false);
    fill(1);
    start(clip({}), true, false);
    EXPECT_EQ(fill(2), (Samples{0, 0, 0, 0}));
    EXPECT_FALSE(mixer.isPlaying());
}

// A replaced clip stays alive until the next sound starts, and is freed outside the audio lock.
TEST_F(SoundMixerTest, ClipLivesUntilNextStart)
{
    SoundMixer::Clip playing = clip({5, -5});
    std::weak_ptr<const PcmClip> watch = playing;
    SoundMixer::Clip retired;
    mixer.start(std::move(playing), false, false, retired);
    fill(10);
    EXPECT_FALSE(watch.expired());
    mixer.start(effect, false, false, retired);
    EXPECT_FALSE(watch.expired()) << "freed inside the audio lock";
    retired = nullptr;
    EXPECT_TRUE(watch.expired());
}

}  // namespace
