#include "AudioBackendFactory.h"

#include "NullAudioBackend.h"
#include "SdlAudioBackend.h"

#include <SDL.h>

std::unique_ptr<AudioBackend> createAudioBackend()
{
    auto sdl = std::make_unique<SdlAudioBackend>();
    if (sdl->IsOpen())
        return sdl;
    return std::make_unique<NullAudioBackend>();
}

namespace {
// SDL keeps per-thread data (its error text) for a thread it did not start
// until that thread lets it go, and the opening thread ends with the open.
std::unique_ptr<AudioBackend> openOnWorker()
{
    std::unique_ptr<AudioBackend> backend = createAudioBackend();
    SDL_TLSCleanup();
    return backend;
}
}  // namespace

std::unique_ptr<DeferredAudioBackend> createDeferredAudioBackend()
{
    return std::make_unique<DeferredAudioBackend>(&openOnWorker);
}
