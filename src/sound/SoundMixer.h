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
    using Clip = std::shared_ptr<const PcmClip>;

    // What a start took out of the mixer. The caller lets it go after
    // releasing the audio lock, so the callback never waits on a free.
    struct Retired {
        Clip pcm;
        SoundBytes source;
    };

    // Ends the playing clip and starts pcm; with noStop, a start while a clip
    // is playing changes nothing and returns false. source is the wave image
    // the clip came from; it stays alive until the next start.
    bool start(Clip pcm, SoundBytes source, bool loop, bool noStop, Retired& retired);

    // Writes the next frames of interleaved stereo, silence after a clip ends.
    void fill(int16_t* out, std::size_t frames);

    bool isPlaying() const;

    // What the clip held, playing or ended, takes in memory.
    std::size_t clipBytes() const { return m_pcm ? m_pcm->size() * sizeof(int16_t) : 0; }

private:
    Clip m_pcm;
    SoundBytes m_source;
    bool m_loop = false;
    std::size_t m_position = 0;  // in samples, both channels counted
};
