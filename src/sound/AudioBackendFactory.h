#pragma once

#include "ModSound.h"

#include <memory>

// The best back end this machine offers: SDL's audio when a device opens,
// otherwise the silent one.
std::unique_ptr<AudioBackend> createAudioBackend();
