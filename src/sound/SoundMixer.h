#pragma once

#include "ModSound.h"
#include "WaveDecoder.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// The playing state behind the audio callback: one clip at a time, looping or
// once. It holds no lock of its own; the back end calls it under the audio
// device's lock.
class SoundMixer {
public:
    using Clip = SoundClip;

    // Ends the playing clip and starts pcm; with noStop, a start while a clip
    // is playing changes nothing and returns false. The clip taken out goes to
    // `retired`: the caller lets it go after releasing the audio lock, so the
    // callback never waits on a free.
    bool start(Clip pcm, bool loop, bool noStop, Clip& retired);

    // Writes the next frames of interleaved stereo, silence after a clip ends.
    void fill(int16_t* out, std::size_t frames);

    bool isPlaying() const;

private:
    Clip m_pcm;
    bool m_loop = false;
    std::size_t m_position = 0;  // in samples, both channels counted
};
