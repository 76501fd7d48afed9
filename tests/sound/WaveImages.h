#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Wave file images built and read in memory for the sound tests.
namespace wavetest {

using Bytes = std::vector<uint8_t>;

inline void put(Bytes& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

inline uint32_t get(const Bytes& in, std::size_t at, int bytes)
{
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | in[at + i];
    return value;
}

inline std::string text4(const Bytes& in, std::size_t at) { return std::string(in.begin() + at, in.begin() + at + 4); }

// A canonical PCM wave: RIFF header, 16-byte fmt chunk, data chunk.
inline Bytes pcmWave(int channels, int rate, int bits, const Bytes& data)
{
    Bytes out = {'R', 'I', 'F', 'F'};
    put(out, uint32_t(36 + data.size()), 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0});
    put(out, channels, 2);
    put(out, rate, 4);
    put(out, rate * channels * bits / 8, 4);
    put(out, channels * bits / 8, 2);
    put(out, bits, 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put(out, uint32_t(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

// Interleaved 16-bit stereo samples as a 44100 Hz wave.
inline Bytes stereo16(const std::vector<int16_t>& samples)
{
    Bytes data;
    for (int16_t s : samples) put(data, uint16_t(s), 2);
    return pcmWave(2, 44100, 16, data);
}

}  // namespace wavetest
