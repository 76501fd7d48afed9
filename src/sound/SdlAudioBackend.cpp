#include "SdlAudioBackend.h"

#include <SDL.h>


SdlAudioBackend::SdlAudioBackend()
{
    // Without this hint SDL takes SIGINT and SIGTERM away from the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_AUDIO) != 0)
        return;
    m_sdlStarted = true;

    SDL_AudioSpec wanted{};
    wanted.freq = kMixRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kMixChannels;
    wanted.samples = 1024;
    wanted.callback = &SdlAudioBackend::FillAudio;
    wanted.userdata = this;
    // No allowed changes: SDL converts from our format to whatever the
    // hardware takes, so the mixer only ever deals with one format.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (m_device != 0)
        SDL_PauseAudioDevice(m_device, 0);
}

SdlAudioBackend::~SdlAudioBackend()
{
    if (m_device != 0)
        SDL_CloseAudioDevice(m_device);
    if (m_sdlStarted)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudioBackend::FillAudio(void* self, uint8_t* stream, int length)
{
    auto* backend = static_cast<SdlAudioBackend*>(self);
    const auto frames = static_cast<std::size_t>(length) / (sizeof(int16_t) * kMixChannels);
    backend->m_mixer.fill(reinterpret_cast<int16_t*>(stream), frames);
}

void SdlAudioBackend::Play(const SoundClip& clip, bool loop, bool noStop)
{
    if (m_device == 0 || !clip)
        return;
    SoundMixer::Clip retired;
    SDL_LockAudioDevice(m_device);
    m_mixer.start(clip, loop, noStop, retired);
    SDL_UnlockAudioDevice(m_device);
}
