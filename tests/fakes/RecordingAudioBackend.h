#pragma once

#include "ModSound.h"

#include <vector>

// An audio back end that plays nothing and remembers every call in order.
class RecordingAudioBackend final : public AudioBackend {
public:
    struct Call {
        SoundClip clip;
        bool loop = false;
        bool noStop = false;
    };

    void Play(const SoundClip& clip, bool loop, bool noStop) override
    {
        calls.push_back({clip, loop, noStop});
    }

    std::vector<Call> calls;
};
