#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Wave file images built in memory for the sound tests.
namespace wavetest {

inline void put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

inline void put32(std::vector<uint8_t>& out, uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

inline void putText(std::vector<uint8_t>& out, const char* four)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(four[i]));
}

// A canonical PCM wave: RIFF header, 16-byte fmt chunk, data chunk.
inline std::vector<uint8_t> pcmWave(int channels, int rate, int bits, const std::vector<uint8_t>& data)
{
    std::vector<uint8_t> out;
    putText(out, "RIFF");
    put32(out, static_cast<uint32_t>(36 + data.size()));
    putText(out, "WAVE");
    putText(out, "fmt ");
    put32(out, 16);
    put16(out, 1);
    put16(out, static_cast<uint32_t>(channels));
    put32(out, static_cast<uint32_t>(rate));
    put32(out, static_cast<uint32_t>(rate * channels * bits / 8));
    put16(out, static_cast<uint32_t>(channels * bits / 8));
    put16(out, static_cast<uint32_t>(bits));
    putText(out, "data");
    put32(out, static_cast<uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

inline std::vector<uint8_t> littleEndian(const std::vector<int16_t>& samples)
{
    std::vector<uint8_t> out;
    for (int16_t s : samples)
        put16(out, static_cast<uint16_t>(s));
    return out;
}

inline std::vector<uint8_t> stereo16(const std::vector<int16_t>& interleaved)
{
    return pcmWave(2, 44100, 16, littleEndian(interleaved));
}

inline uint32_t read32(const std::vector<uint8_t>& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

inline uint16_t read16(const std::vector<uint8_t>& b, std::size_t at)
{
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

inline std::string text4(const std::vector<uint8_t>& b, std::size_t at)
{
    return std::string(b.begin() + at, b.begin() + at + 4);
}

}  // namespace wavetest
