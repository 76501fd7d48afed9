#pragma once

#include "ModSound.h"
#include "SoundMixer.h"

#include <cstdint>

// Plays wave images through SDL's audio subsystem. Without an audio device
// (a headless machine, CI) it opens nothing and every Play does nothing.
class SdlAudioBackend final : public AudioBackend {
public:
    SdlAudioBackend();
    ~SdlAudioBackend() override;
    SdlAudioBackend(const SdlAudioBackend&) = delete;
    SdlAudioBackend& operator=(const SdlAudioBackend&) = delete;

    bool IsOpen() const { return m_device != 0; }

    void Play(const SoundBytes& wave, bool loop, bool noStop) override;

private:
    static void FillAudio(void* self, uint8_t* stream, int length);
    bool IsPlaying();
    // Lets go of the clip decoded last and of the mixer's clip once it has
    // ended, or at once when stopping; returns the bytes still playing.
    std::size_t ReleaseClips(bool stopping);

    bool m_sdlStarted = false;
    uint32_t m_device = 0;
    SoundMixer m_mixer;  // shared with SDL's audio thread, under the device lock

    // The image decoded last and its clip: a selection cues its sound once
    // per brick, and a tune comes back whenever time is added.
    SoundBytes m_decodedSource;
    SoundMixer::Clip m_decoded;
};
