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

uint32_t read32(const uint8_t* at)
{
    return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<uint32_t>(at[3]) << 24);
}

// SDL allocates whatever length the data chunk's header declares before it
// reads the chunk, so a few hostile bytes could ask for gigabytes. A data
// chunk that runs past the end of the image is cut to what is there (a
// truncated recording still plays); SDL copes with other chunks itself.
// Returns false for an image that is no RIFF wave at all; fills patched when
// the image needed the cut.
bool fitDataChunk(const uint8_t* data, std::size_t size, std::vector<uint8_t>& patched)
{
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return false;
    std::size_t offset = 12;
    while (offset <= size - 8) {
        const std::size_t body = offset + 8;
        const uint64_t length = read32(data + offset + 4);
        if (length > size - body) {
            if (std::memcmp(data + offset, "data", 4) == 0) {
                patched.assign(data, data + size);
                const auto fitted = static_cast<uint32_t>(size - body);
                for (int i = 0; i < 4; ++i)
                    patched[offset + 4 + i] = static_cast<uint8_t>(fitted >> (8 * i));
            }
            break;
        }
        offset = body + length + (length & 1);  // chunks are padded to even lengths
    }
    return true;
}

}  // namespace

std::optional<PcmClip> decodeWave(const uint8_t* data, std::size_t size, std::size_t maxPcmBytes)
{
    if (data == nullptr || size == 0 || size > kMaxWaveBytes)
        return std::nullopt;

    std::vector<uint8_t> patched;
    if (!fitDataChunk(data, size, patched))
        return std::nullopt;
    if (!patched.empty())
        data = patched.data();
    SDL_RWops* reader = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (reader == nullptr)
        return std::nullopt;
    SDL_AudioSpec source{};
    Uint8* rawSamples = nullptr;
    Uint32 rawBytes = 0;
    if (SDL_LoadWAV_RW(reader, 1, &source, &rawSamples, &rawBytes) == nullptr)
        return std::nullopt;
    std::unique_ptr<Uint8, WaveDeleter> samples(rawSamples);
    patched.clear();
    patched.shrink_to_fit();

    const int frameBytes = static_cast<int>(SDL_AUDIO_BITSIZE(source.format) / 8) * source.channels;
    if (frameBytes <= 0 || source.freq < kMinSourceRate || source.freq > kMaxSourceRate)
        return std::nullopt;
    const uint64_t frames = rawBytes / static_cast<uint64_t>(frameBytes);
    if (frames == 0)
        return PcmClip{};

    const uint64_t frameOut = sizeof(int16_t) * kMixChannels;
    const uint64_t expectedFrames = (frames * kMixRate + source.freq - 1) / source.freq;
    if (expectedFrames > maxPcmBytes / frameOut)
        return std::nullopt;

    // The converter works in place in one buffer of len_mult times the input,
    // up to a few times the clip it produces; that buffer is bounded too.
    // (SDL 2's audio stream needs less memory, but drops the resampler's
    // last input frames on flush and misplaces samples at high ratios.)
    SDL_AudioCVT converter;
    if (SDL_BuildAudioCVT(&converter, source.format, source.channels, source.freq, AUDIO_S16SYS,
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
