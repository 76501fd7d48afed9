#pragma once

#include "DeferredAudioBackend.h"
#include "ModSound.h"

#include <memory>

// The best back end this machine offers: SDL's audio when a device opens,
// otherwise the silent one.
std::unique_ptr<AudioBackend> createAudioBackend();

// The same back end, opened only when asked (once the window shows) and
// silent until then.
std::unique_ptr<DeferredAudioBackend> createDeferredAudioBackend();
