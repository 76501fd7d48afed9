#include "WaveDecoder.h"

#include <SDL.h>

#include <limits>
#include <memory>

namespace {

// Rates outside this range are not audio a player could mean, and extreme
// resampling ratios are where converters go wrong.
constexpr int kMinSourceRate = 1000;
constexpr int kMaxSourceRate = 384000;

struct StreamDeleter {
    void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

struct WaveDeleter {
    void operator()(Uint8* samples) const { SDL_FreeWAV(samples); }
};

}  // namespace

std::optional<PcmClip> decodeWave(const uint8_t* data, std::size_t size, std::size_t maxPcmBytes)
{
    if (data == nullptr || size == 0 || size > kMaxWaveBytes)
        return std::nullopt;

    SDL_RWops* reader = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (reader == nullptr)
        return std::nullopt;
    SDL_AudioSpec spec{};
    Uint8* rawSamples = nullptr;
    Uint32 rawBytes = 0;
    if (SDL_LoadWAV_RW(reader, 1, &spec, &rawSamples, &rawBytes) == nullptr)
        return std::nullopt;
    std::unique_ptr<Uint8, WaveDeleter> samples(rawSamples);

    const int frameBytes = static_cast<int>(SDL_AUDIO_BITSIZE(spec.format) / 8) * spec.channels;
    if (frameBytes <= 0 || spec.freq < kMinSourceRate || spec.freq > kMaxSourceRate)
        return std::nullopt;
    const uint64_t frames = rawBytes / static_cast<uint64_t>(frameBytes);
    if (frames == 0)
        return PcmClip{};

    const uint64_t expectedFrames = (frames * kMixRate + spec.freq - 1) / spec.freq;
    const uint64_t frameOut = sizeof(int16_t) * kMixChannels;
    if (expectedFrames > maxPcmBytes / frameOut
        || frames * frameBytes > static_cast<uint64_t>(std::numeric_limits<int>::max()))
        return std::nullopt;

    std::unique_ptr<SDL_AudioStream, StreamDeleter> stream(SDL_NewAudioStream(
        spec.format, spec.channels, spec.freq, AUDIO_S16SYS, kMixChannels, kMixRate));
    if (!stream)
        return std::nullopt;
    if (SDL_AudioStreamPut(stream.get(), samples.get(), static_cast<int>(frames * frameBytes)) != 0
        || SDL_AudioStreamFlush(stream.get()) != 0)
        return std::nullopt;
    samples.reset();

    // The resampler may hand back a frame or two more than the estimate.
    const int available = SDL_AudioStreamAvailable(stream.get());
    if (available < 0 || static_cast<uint64_t>(available) > maxPcmBytes + 4 * frameOut)
        return std::nullopt;
    PcmClip pcm(static_cast<std::size_t>(available) / sizeof(int16_t));
    const int got = SDL_AudioStreamGet(stream.get(), pcm.data(), available);
    if (got < 0)
        return std::nullopt;
    pcm.resize(static_cast<std::size_t>(got) / frameOut * kMixChannels);
    return pcm;
}
