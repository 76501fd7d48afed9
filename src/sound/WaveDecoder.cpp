#include "WaveDecoder.h"

#include <SDL.h>

#include <cstring>
#include <limits>
#include <memory>

namespace {

// Rates outside this range are not audio a player could mean, and extreme
// resampling ratios are where converters go wrong.
constexpr int kMinSourceRate = 1000;
constexpr int kMaxSourceRate = 192000;

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

    const uint64_t frameOut = sizeof(int16_t) * kMixChannels;
    const uint64_t expectedFrames = (frames * kMixRate + spec.freq - 1) / spec.freq;
    if (expectedFrames > maxPcmBytes / frameOut)
        return std::nullopt;

    // The converter works in place in one buffer of len_mult times the input,
    // up to a few times the clip it produces; that buffer is bounded too.
    // (SDL 2's audio stream needs less memory, but drops the resampler's
    // last input frames on flush and misplaces samples at high ratios.)
    SDL_AudioCVT converter;
    if (SDL_BuildAudioCVT(&converter, spec.format, spec.channels, spec.freq, AUDIO_S16SYS,
                          kMixChannels, kMixRate) < 0)
        return std::nullopt;
    const uint64_t inputBytes = frames * frameBytes;
    const uint64_t workBytes = inputBytes * static_cast<uint64_t>(converter.len_mult);
    if (workBytes > 2 * static_cast<uint64_t>(maxPcmBytes)
        || workBytes > static_cast<uint64_t>(std::numeric_limits<int>::max()))
        return std::nullopt;

    PcmClip pcm((workBytes + 1) / sizeof(int16_t));
    std::memcpy(pcm.data(), samples.get(), inputBytes);
    samples.reset();
    converter.buf = reinterpret_cast<Uint8*>(pcm.data());
    converter.len = static_cast<int>(inputBytes);
    if (converter.needed && SDL_ConvertAudio(&converter) != 0)
        return std::nullopt;
    const uint64_t outputBytes = converter.needed ? static_cast<uint64_t>(converter.len_cvt) : inputBytes;
    pcm.resize(outputBytes / frameOut * kMixChannels);
    pcm.shrink_to_fit();
    return pcm;
}
