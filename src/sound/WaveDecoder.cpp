#include "WaveDecoder.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstring>
#include <limits>
#include <memory>
#include <utility>

namespace {

// Rates outside this range are not audio a player could mean, and extreme
// resampling ratios are where converters go wrong.
constexpr int kMinSourceRate = 1000;
constexpr int kMaxSourceRate = 192000;

std::atomic<uint64_t> g_decodes{0};

struct WaveDeleter {
    void operator()(Uint8* samples) const { SDL_FreeWAV(samples); }
};

uint32_t read32(const uint8_t* at)
{
    return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<uint32_t>(at[3]) << 24);
}

uint32_t read16(const uint8_t* at)
{
    return at[0] | (at[1] << 8);
}

// The clip that `bytes` of samples would give in the mixer's format, from the
// fmt chunk's channels, rate and bits per sample (ADPCM's 4 bits grow to 16).
// A format without channels, rate or bits can give no clip at all.
uint64_t announcedClipBytes(const uint8_t* format, uint64_t bytes)
{
    const uint32_t channels = read16(format + 2), rate = read32(format + 4), bits = read16(format + 14);
    if (channels == 0 || rate == 0 || bits == 0)
        return std::numeric_limits<uint64_t>::max();
    return bytes * 8 / bits / channels * kMixRate / rate * sizeof(int16_t) * kMixChannels;
}

// SDL allocates whatever length the data chunk's header declares before it
// reads the chunk, and then the samples it decodes, so a few hostile bytes
// could ask for gigabytes. A data chunk that runs past the end of the image is
// cut to what is there (a truncated recording still plays), and samples that
// would make a clip beyond maxPcmBytes are refused before SDL reads them; SDL
// copes with other chunks itself. Returns false for an image that is no RIFF
// wave at all or announces too big a clip; fills patched when the image
// needed the cut.
bool checkChunks(const uint8_t* data, std::size_t size, std::size_t maxPcmBytes, std::vector<uint8_t>& patched)
{
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return false;
    const uint8_t* format = nullptr;
    std::size_t offset = 12;
    while (offset <= size - 8) {
        const std::size_t body = offset + 8;
        const uint64_t length = read32(data + offset + 4);
        const uint64_t present = std::min<uint64_t>(length, size - body);
        if (std::memcmp(data + offset, "fmt ", 4) == 0 && present >= 16)
            format = data + body;
        const bool samples = std::memcmp(data + offset, "data", 4) == 0;
        if (samples && format != nullptr && announcedClipBytes(format, present) > maxPcmBytes)
            return false;
        if (length > present) {
            if (samples) {
                patched.assign(data, data + size);
                for (int i = 0; i < 4; ++i)
                    patched[offset + 4 + i] = static_cast<uint8_t>(present >> (8 * i));
            }
            break;
        }
        offset = body + length + (length & 1);  // chunks are padded to even lengths
    }
    return true;
}

// A wave as SDL's loader gave it, checked to be one the mixer can play.
struct LoadedWave {
    std::unique_ptr<Uint8, WaveDeleter> samples;
    int rate = 0;
    uint64_t frameBytes = 0;
    uint64_t frames = 0;
    uint64_t clipFrames = 0;  // at the mixer's rate
    SDL_AudioCVT converter{};  // format and channels only, at the wave's own rate
};

std::optional<LoadedWave> loadWave(const uint8_t* data, std::size_t size, std::size_t maxPcmBytes)
{
    if (data == nullptr || size == 0 || size > kMaxWaveBytes)
        return std::nullopt;

    std::vector<uint8_t> patched;
    if (!checkChunks(data, size, maxPcmBytes, patched))
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
    LoadedWave wave;
    wave.samples.reset(rawSamples);

    wave.rate = source.freq;
    wave.frameBytes = SDL_AUDIO_BITSIZE(source.format) / 8 * source.channels;
    if (wave.frameBytes == 0 || source.freq < kMinSourceRate || source.freq > kMaxSourceRate)
        return std::nullopt;
    wave.frames = rawBytes / wave.frameBytes;
    wave.clipFrames = (wave.frames * kMixRate + source.freq - 1) / source.freq;
    if (wave.clipFrames > maxPcmBytes / (sizeof(int16_t) * kMixChannels))
        return std::nullopt;
    if (SDL_BuildAudioCVT(&wave.converter, source.format, source.channels, source.freq, AUDIO_S16SYS,
                          kMixChannels, source.freq) < 0)
        return std::nullopt;
    return wave;
}

// SDL converts the samples' format and channels a chunk at a time (those
// converters keep no state from one sample to the next), and the rate is
// changed here by linear interpolation, straight into a clip reserved at its
// exact size. The whole conversion of SDL's converter would need a buffer of
// up to eight times the wave, and SDL 2's audio stream drops the resampler's
// last frames on flush and misplaces samples at high ratios.
std::optional<PcmClip> convert(LoadedWave& wave)
{
    constexpr uint64_t kChunkFrames = 4096;
    SDL_AudioCVT& converter = wave.converter;
    std::vector<Uint8> chunk(kChunkFrames * wave.frameBytes * std::max(converter.len_mult, 1));
    uint64_t first = 0, count = 0;  // the source frames now in chunk, as 16-bit stereo
    auto load = [&](uint64_t from) {
        first = from;
        count = std::min(kChunkFrames, wave.frames - from);
        std::memcpy(chunk.data(), wave.samples.get() + from * wave.frameBytes, count * wave.frameBytes);
        converter.buf = chunk.data();
        converter.len = static_cast<int>(count * wave.frameBytes);
        return !converter.needed || SDL_ConvertAudio(&converter) == 0;
    };
    auto frame = [&](uint64_t index) { return reinterpret_cast<const int16_t*>(chunk.data()) + (index - first) * kMixChannels; };

    std::vector<int16_t> pcm;
    pcm.reserve(wave.clipFrames * kMixChannels);
    if (wave.rate == kMixRate) {
        for (uint64_t from = 0; from < wave.frames; from += kChunkFrames) {
            if (!load(from))
                return std::nullopt;
            pcm.insert(pcm.end(), frame(from), frame(from + count));
        }
        return PcmClip(std::move(pcm));
    }
    for (uint64_t out = 0; out < wave.clipFrames; ++out) {
        // Output frame `out` lies at source frame out * rate / kMixRate.
        const uint64_t position = out * static_cast<uint64_t>(wave.rate);
        const uint64_t index = position / kMixRate;
        const uint64_t next = std::min(index + 1, wave.frames - 1);
        if ((count == 0 || next >= first + count) && !load(index))
            return std::nullopt;
        const int64_t weight = static_cast<int64_t>(position % kMixRate);
        for (int channel = 0; channel < kMixChannels; ++channel) {
            const int64_t from = frame(index)[channel], to = frame(next)[channel];
            pcm.push_back(static_cast<int16_t>(from + (to - from) * weight / kMixRate));
        }
    }
    return PcmClip(std::move(pcm));
}

// The samples of a wave in the mixer's own sample format, written the plain
// way: a RIFF whose size matches the image, a PCM fmt chunk (16 bytes, or 18
// with no extra bytes) of 16-bit mono or stereo at 44100 Hz, then a whole data
// chunk of whole frames ending the image. Such a wave needs no conversion, so
// it never goes through SDL (the built-in waves are written so, and SDL is
// loaded only once the window shows). Anything else goes through SDL.
struct PlainSamples {
    const uint8_t* data;
    std::size_t bytes;
    uint32_t channels;
};

std::optional<PlainSamples> plainSamples(const uint8_t* data, std::size_t size)
{
    if (data == nullptr || size < 44 || std::memcmp(data, "RIFF", 4) != 0 || read32(data + 4) != size - 8 ||
        std::memcmp(data + 8, "WAVEfmt ", 8) != 0)
        return std::nullopt;
    const uint32_t formatSize = read32(data + 16);
    if ((formatSize != 16 && formatSize != 18) || (formatSize == 18 && read16(data + 36) != 0))
        return std::nullopt;
    // Chunks a writer puts between the format and the samples ("fact",
    // "LIST") are stepped over, each padded to an even length.
    std::size_t header = 28 + std::size_t{formatSize};
    while (size >= header && std::memcmp(data + header - 8, "data", 4) != 0) {
        const uint64_t skip = uint64_t{read32(data + header - 4)};
        header += static_cast<std::size_t>(std::min<uint64_t>(skip + (skip & 1) + 8, size));
    }
    if (size < header)
        return std::nullopt;
    const uint8_t* format = data + 20;
    const uint32_t channels = read16(format + 2);
    const bool mixerFormat = read16(format) == 1 && (channels == 1 || channels == uint32_t{kMixChannels}) &&
                             read32(format + 4) == kMixRate && read32(format + 8) == kMixRate * 2 * channels &&
                             read16(format + 12) == 2 * channels && read16(format + 14) == 16;
    const uint32_t length = read32(data + header - 4);
    if (!mixerFormat || length != size - header || length % (2 * channels) != 0)
        return std::nullopt;
    return PlainSamples{data + header, std::size_t{length}, channels};
}

}  // namespace

std::optional<PcmClip> viewWave(const uint8_t* data, std::size_t size)
{
    if constexpr (std::endian::native != std::endian::little)
        return std::nullopt;
    if (size > kMaxWaveBytes)
        return std::nullopt;
    const auto plain = plainSamples(data, size);
    if (!plain || plain->channels != uint32_t{kMixChannels} || plain->bytes > kMaxPcmBytes ||
        reinterpret_cast<std::uintptr_t>(plain->data) % alignof(int16_t) != 0)
        return std::nullopt;
    return PcmClip::View(reinterpret_cast<const int16_t*>(plain->data), plain->bytes / sizeof(int16_t));
}

uint64_t wavesDecoded()
{
    return g_decodes.load(std::memory_order_relaxed);
}

std::optional<PcmClip> decodeWave(const uint8_t* data, std::size_t size, std::size_t maxPcmBytes)
{
    g_decodes.fetch_add(1, std::memory_order_relaxed);
    if (size <= kMaxWaveBytes) {
        if (const auto plain = plainSamples(data, size)) {
            // A mono wave plays the same sample on both channels.
            const std::size_t repeat = uint32_t{kMixChannels} / plain->channels;
            if (plain->bytes * repeat > maxPcmBytes)
                return std::nullopt;
            std::vector<int16_t> pcm(plain->bytes / sizeof(int16_t) * repeat);
            if (repeat == 1 && std::endian::native == std::endian::little) {
                if (!pcm.empty())
                    std::memcpy(pcm.data(), plain->data, plain->bytes);
            }
            else
                for (std::size_t i = 0; i < pcm.size(); ++i)
                    pcm[i] = static_cast<int16_t>(read16(plain->data + 2 * (i / repeat)));
            return PcmClip(std::move(pcm));
        }
    }
    std::optional<LoadedWave> wave = loadWave(data, size, maxPcmBytes);
    if (!wave)
        return std::nullopt;
    return convert(*wave);
}
