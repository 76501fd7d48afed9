#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

inline constexpr int kRate = 44100;

// A stereo float buffer that voices add into. A looping buffer wraps: what
// rings past the end sounds at the start, so the loop is one continuous
// piece of music with no seam.
class Mix {
public:
    Mix(std::size_t frames, bool loops);

    std::size_t frames() const { return m_left.size(); }
    bool loops() const { return m_loops; }

    void add(std::size_t frame, double left, double right);
    void addMix(const Mix& other, double gain);

    // A ping-pong echo of this buffer's mono sum, added to out.
    void echoInto(Mix& out, std::size_t delay, double feedback, double wet) const;

    // Removes any DC offset, scales the peak to peakLevel (of full scale) and
    // rounds to 16 bits, interleaved, or the left channel only when mono.
    std::vector<int16_t> master(double peakLevel, bool mono) const;

private:
    std::vector<double> m_left;
    std::vector<double> m_right;
    bool m_loops;
};
