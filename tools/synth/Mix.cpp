#include "Mix.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

Mix::Mix(std::size_t frames, bool loops) : m_left(frames), m_right(frames), m_loops(loops) {}

void Mix::add(std::size_t frame, double left, double right)
{
    if (frame >= frames()) {
        if (!m_loops)
            return;
        frame %= frames();
    }
    m_left[frame] += left;
    m_right[frame] += right;
}

void Mix::addMix(const Mix& other, double gain)
{
    if (other.frames() != frames())
        throw std::logic_error("mixing buffers of different lengths");
    for (std::size_t i = 0; i < frames(); ++i) {
        m_left[i] += gain * other.m_left[i];
        m_right[i] += gain * other.m_right[i];
    }
}

void Mix::echoInto(Mix& out, std::size_t delay, double feedback, double wet) const
{
    const std::size_t n = frames();
    std::vector<double> send(n);
    for (std::size_t i = 0; i < n; ++i)
        send[i] = 0.5 * (m_left[i] + m_right[i]);

    // Left repeats the send one delay later, right repeats left one delay
    // after that. Without wrapping, one forward pass in place is exact, as
    // each sample reads only earlier, final ones. In a loop the echo of the
    // last bar lands in the first, so the fixed point takes a few passes
    // (feedback to the twelfth power is far below hearing).
    std::vector<double> left(n), right(n);
    auto delayed = [&](const std::vector<double>& v, std::size_t i) {
        if (i >= delay)
            return v[i - delay];
        return m_loops ? v[i + n - delay] : 0.0;
    };
    auto pass = [&](const std::vector<double>& fromLeft, const std::vector<double>& fromRight,
                    std::vector<double>& toLeft, std::vector<double>& toRight) {
        for (std::size_t i = 0; i < n; ++i) {
            toLeft[i] = delayed(send, i) + feedback * delayed(fromRight, i);
            toRight[i] = feedback * delayed(fromLeft, i);
        }
    };
    if (!m_loops) {
        pass(left, right, left, right);
    } else {
        std::vector<double> nextLeft(n), nextRight(n);
        for (int round = 0; round < 12; ++round) {
            pass(left, right, nextLeft, nextRight);
            left.swap(nextLeft);
            right.swap(nextRight);
        }
    }
    for (std::size_t i = 0; i < n; ++i)
        out.add(i, wet * left[i], wet * right[i]);
}

std::vector<int16_t> Mix::master(double peakLevel, bool mono) const
{
    std::vector<double> left = m_left;
    std::vector<double> right = m_right;
    if (m_loops) {
        // A loop is periodic, so taking out the mean leaves it periodic.
        const double meanLeft = std::accumulate(left.begin(), left.end(), 0.0) / left.size();
        const double meanRight = std::accumulate(right.begin(), right.end(), 0.0) / right.size();
        for (double& v : left)
            v -= meanLeft;
        for (double& v : right)
            v -= meanRight;
    }
    double peak = 0.0;
    for (std::size_t i = 0; i < left.size(); ++i)
        peak = std::max({peak, std::abs(left[i]), mono ? 0.0 : std::abs(right[i])});
    if (peak == 0.0)
        throw std::logic_error("a silent mix");
    const double scale = peakLevel * 32767.0 / peak;

    std::vector<int16_t> samples;
    samples.reserve(left.size() * (mono ? 1 : 2));
    for (std::size_t i = 0; i < left.size(); ++i) {
        samples.push_back(static_cast<int16_t>(std::lround(left[i] * scale)));
        if (!mono)
            samples.push_back(static_cast<int16_t>(std::lround(right[i] * scale)));
    }
    return samples;
}
