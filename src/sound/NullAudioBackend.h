#pragma once

#include "ModSound.h"

// The back end of a machine without sound: every sound is silently dropped.
class NullAudioBackend final : public AudioBackend {
public:
    void Play(const SoundClip&, bool, bool) override {}
};
