#include "AudioBackendFactory.h"

#include "NullAudioBackend.h"
#include "SdlAudioBackend.h"

std::unique_ptr<AudioBackend> createAudioBackend()
{
    auto sdl = std::make_unique<SdlAudioBackend>();
    if (sdl->IsOpen())
        return sdl;
    return std::make_unique<NullAudioBackend>();
}

std::unique_ptr<DeferredAudioBackend> createDeferredAudioBackend()
{
    return std::make_unique<DeferredAudioBackend>(&createAudioBackend);
}
