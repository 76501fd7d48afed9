#pragma once

#include "ModSound.h"
#include "SoundMixer.h"

#include <cstdint>

// Plays clips through SDL's audio subsystem. Without an audio device
// (a headless machine, CI) it opens nothing and every Play does nothing.
class SdlAudioBackend final : public AudioBackend {
public:
    SdlAudioBackend();
    ~SdlAudioBackend() override;
    SdlAudioBackend(const SdlAudioBackend&) = delete;
    SdlAudioBackend& operator=(const SdlAudioBackend&) = delete;

    bool IsOpen() const { return m_device != 0; }

    void Play(const SoundClip& clip, bool loop, bool noStop) override;

private:
    static void FillAudio(void* self, uint8_t* stream, int length);

    bool m_sdlStarted = false;
    uint32_t m_device = 0;
    SoundMixer m_mixer;  // shared with SDL's audio thread, under the device lock
};
