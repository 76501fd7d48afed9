#include "SdlAudioBackend.h"

#include <SDL.h>

#include <exception>
#include <utility>

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

bool SdlAudioBackend::IsPlaying()
{
    SDL_LockAudioDevice(m_device);
    const bool playing = m_mixer.isPlaying();
    SDL_UnlockAudioDevice(m_device);
    return playing;
}

void SdlAudioBackend::Play(const SoundBytes& wave, bool loop, bool noStop)
{
    if (m_device == 0 || !wave)
        return;
    // Checked before decoding as well, so that a click during the music
    // costs nothing; the mixer checks again when it takes the clip.
    if (noStop && IsPlaying())
        return;
    try {
        if (wave != m_decodedSource) {
            // Two clips held at once stay within one clip's limit: a clip too
            // big to decode beside the one playing ends that one first.
            const std::size_t playing = ReleaseClips(/*stopping=*/false);
            std::optional<PcmClip> pcm = decodeWave(wave->data(), wave->size(), kMaxPcmBytes - playing);
            if (!pcm && playing > 0 && checkWave(wave->data(), wave->size())) {
                ReleaseClips(/*stopping=*/true);
                pcm = decodeWave(wave->data(), wave->size());
            }
            if (!pcm)
                return;
            m_decoded = std::make_shared<const PcmClip>(std::move(*pcm));
            m_decodedSource = wave;
        }
        SoundMixer::Retired retired;
        SDL_LockAudioDevice(m_device);
        m_mixer.start(m_decoded, wave, loop, noStop, retired);
        SDL_UnlockAudioDevice(m_device);
    } catch (const std::exception&) {
        // Out of memory for a huge clip: the sound is simply not played.
    }
}

std::size_t SdlAudioBackend::ReleaseClips(bool stopping)
{
    // A clip that has ended stays in the mixer until the next start; let it
    // go now, or it and the clip being decoded would be held at once.
    SoundMixer::Retired retired;
    SDL_LockAudioDevice(m_device);
    if (stopping || !m_mixer.isPlaying())
        m_mixer.start(nullptr, nullptr, false, false, retired);
    const std::size_t playing = m_mixer.clipBytes();
    SDL_UnlockAudioDevice(m_device);
    m_decoded.reset();
    m_decodedSource.reset();
    return playing;
}
