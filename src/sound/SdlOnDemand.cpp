// The SDL functions the sound module calls. The program is not linked
// against SDL: the library and the thirty it needs (sound servers, codecs,
// Wayland) took longer to load than everything else before the window
// showed. It is loaded at the first call instead, which comes once the
// window is up. Where it cannot be loaded, every call fails the way it does
// on a machine without sound, and the game stays silent.
#include <SDL.h>

#include <dlfcn.h>

namespace {

void* Library()
{
    static void* const library = ::dlopen("libSDL2-2.0.so.0", RTLD_LAZY | RTLD_LOCAL);
    return library;
}

// The library's own definition (looked up in the library, never in the
// program, so these never find themselves), or null without the library.
template <typename Function>
Function* Real(const char* name)
{
    void* library = Library();
    return library ? reinterpret_cast<Function*>(::dlsym(library, name)) : nullptr;
}

}  // namespace

SDL_bool SDL_SetHint(const char* name, const char* value)
{
    static const auto real = Real<decltype(SDL_SetHint)>("SDL_SetHint");
    return real ? real(name, value) : SDL_FALSE;
}

void SDL_TLSCleanup(void)
{
    static const auto real = Real<decltype(SDL_TLSCleanup)>("SDL_TLSCleanup");
    if (real)
        real();
}

int SDL_Init(Uint32 flags)
{
    static const auto real = Real<decltype(SDL_Init)>("SDL_Init");
    return real ? real(flags) : -1;
}

void SDL_QuitSubSystem(Uint32 flags)
{
    static const auto real = Real<decltype(SDL_QuitSubSystem)>("SDL_QuitSubSystem");
    if (real)
        real(flags);
}

SDL_AudioDeviceID SDL_OpenAudioDevice(const char* device, int iscapture, const SDL_AudioSpec* desired,
                                      SDL_AudioSpec* obtained, int allowed_changes)
{
    static const auto real = Real<decltype(SDL_OpenAudioDevice)>("SDL_OpenAudioDevice");
    return real ? real(device, iscapture, desired, obtained, allowed_changes) : 0;
}

void SDL_PauseAudioDevice(SDL_AudioDeviceID dev, int pause_on)
{
    static const auto real = Real<decltype(SDL_PauseAudioDevice)>("SDL_PauseAudioDevice");
    if (real)
        real(dev, pause_on);
}

void SDL_CloseAudioDevice(SDL_AudioDeviceID dev)
{
    static const auto real = Real<decltype(SDL_CloseAudioDevice)>("SDL_CloseAudioDevice");
    if (real)
        real(dev);
}

void SDL_LockAudioDevice(SDL_AudioDeviceID dev)
{
    static const auto real = Real<decltype(SDL_LockAudioDevice)>("SDL_LockAudioDevice");
    if (real)
        real(dev);
}

void SDL_UnlockAudioDevice(SDL_AudioDeviceID dev)
{
    static const auto real = Real<decltype(SDL_UnlockAudioDevice)>("SDL_UnlockAudioDevice");
    if (real)
        real(dev);
}

SDL_RWops* SDL_RWFromConstMem(const void* mem, int size)
{
    static const auto real = Real<decltype(SDL_RWFromConstMem)>("SDL_RWFromConstMem");
    return real ? real(mem, size) : nullptr;
}

SDL_AudioSpec* SDL_LoadWAV_RW(SDL_RWops* src, int freesrc, SDL_AudioSpec* format, Uint8** audio_buf,
                              Uint32* audio_len)
{
    static const auto real = Real<decltype(SDL_LoadWAV_RW)>("SDL_LoadWAV_RW");
    return real ? real(src, freesrc, format, audio_buf, audio_len) : nullptr;
}

void SDL_FreeWAV(Uint8* audio_buf)
{
    static const auto real = Real<decltype(SDL_FreeWAV)>("SDL_FreeWAV");
    if (real)
        real(audio_buf);
}

int SDL_BuildAudioCVT(SDL_AudioCVT* cvt, SDL_AudioFormat src_format, Uint8 src_channels, int src_rate,
                      SDL_AudioFormat dst_format, Uint8 dst_channels, int dst_rate)
{
    static const auto real = Real<decltype(SDL_BuildAudioCVT)>("SDL_BuildAudioCVT");
    return real ? real(cvt, src_format, src_channels, src_rate, dst_format, dst_channels, dst_rate) : -1;
}

int SDL_ConvertAudio(SDL_AudioCVT* cvt)
{
    static const auto real = Real<decltype(SDL_ConvertAudio)>("SDL_ConvertAudio");
    return real ? real(cvt) : -1;
}
