#pragma once

#include "ModSound.h"

#include <vector>

// An audio back end that plays nothing and remembers every call in order.
class RecordingAudioBackend final : public AudioBackend {
public:
    struct Call {
        SoundBytes wave;
        bool loop = false;
        bool noStop = false;
    };

    void Play(const SoundBytes& wave, bool loop, bool noStop) override
    {
        calls.push_back({wave, loop, noStop});
    }

    std::vector<Call> calls;
};
