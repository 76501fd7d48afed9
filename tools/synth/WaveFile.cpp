#include "WaveFile.h"

#include <fstream>
#include <stdexcept>

namespace {

class ByteWriter {
public:
    void text(const char* four) { m_bytes.insert(m_bytes.end(), four, four + 4); }
    void u16(uint32_t value)
    {
        for (int i = 0; i < 2; ++i)
            m_bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    void u32(uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    void format(int channels, int rate, uint32_t formatSize)
    {
        text("fmt ");
        u32(formatSize);
        u16(1);
        u16(static_cast<uint32_t>(channels));
        u32(static_cast<uint32_t>(rate));
        u32(static_cast<uint32_t>(rate * channels * 2));
        u16(static_cast<uint32_t>(channels * 2));
        u16(16);
    }
    void save(const std::string& path) const
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(m_bytes.data(), static_cast<std::streamsize>(m_bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write " + path);
    }

private:
    std::vector<char> m_bytes;
};

}  // namespace

void writeWave(const std::string& path, const std::vector<int16_t>& samples, int channels, int rate)
{
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
    ByteWriter out;
    out.text("RIFF");
    out.u32(36 + dataBytes);
    out.text("WAVE");
    out.format(channels, rate, 16);
    out.text("data");
    out.u32(dataBytes);
    for (int16_t sample : samples)
        out.u16(static_cast<uint16_t>(sample));
    out.save(path);
}

void writeSilentWave(const std::string& path)
{
    ByteWriter out;
    out.text("RIFF");
    out.u32(50);
    out.text("WAVE");
    out.format(2, 44100, 18);
    out.u16(0);  // no extra format bytes
    out.text("fact");
    out.u32(4);
    out.u32(0);  // sample frames
    out.text("data");
    out.u32(0);
    out.save(path);
}
