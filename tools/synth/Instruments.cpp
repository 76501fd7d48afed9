#include "Instruments.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kHighestPartial = 16000.0;

std::size_t frames(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * kRate));
}

// Equal-power panning.
void panGains(double pan, double& left, double& right)
{
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * std::numbers::pi / 4.0;
    left = std::cos(angle);
    right = std::sin(angle);
}

double smoothStep(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

// Envelope level while the note is held, i frames after its start.
double heldLevel(const Tone& tone, std::size_t i)
{
    const double t = static_cast<double>(i) / kRate;
    if (t < tone.attack)
        return smoothStep(t / tone.attack);
    if (t < tone.attack + tone.decay)
        return 1.0 - (1.0 - tone.sustain) * (t - tone.attack) / tone.decay;
    return tone.sustain;
}

// Sum of harmonics at one phase, by the Chebyshev recurrence
// sin((k+1)x) = 2 cos(x) sin(kx) - sin((k-1)x).
double partials(double phase, const std::vector<double>& amplitudes, std::size_t count)
{
    const double twoCos = 2.0 * std::cos(phase);
    double previous = 0.0;
    double current = std::sin(phase);
    double sum = 0.0;
    for (std::size_t k = 0; k < count; ++k) {
        sum += amplitudes[k] * current;
        const double next = twoCos * current - previous;
        previous = current;
        current = next;
    }
    return sum;
}

// A small xorshift generator: the same noise on every build.
class Noise {
public:
    explicit Noise(uint32_t seed) : m_state(seed ? seed : 0x9E3779B9u) {}
    double next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return static_cast<double>(m_state) / 2147483648.0 - 1.0;
    }

private:
    uint32_t m_state;
};

double onePoleCoefficient(double cutoffHz)
{
    return 1.0 - std::exp(-kTwoPi * cutoffHz / kRate);
}

// Rises over the first milliseconds and falls over the last ones, so that a
// drum never starts or stops on a jump.
double edges(std::size_t i, std::size_t length, double riseSeconds, double fallSeconds)
{
    const double t = static_cast<double>(i) / kRate;
    const double left = static_cast<double>(length - i) / kRate;
    return smoothStep(t / riseSeconds) * smoothStep(left / fallSeconds);
}

}  // namespace

double midiToHz(int pitch)
{
    return 440.0 * std::pow(2.0, (pitch - 69) / 12.0);
}

Tone marimbaTone()
{
    Tone tone;
    tone.harmonics = {1.0, 0.0, 0.0, 0.35, 0.0, 0.0, 0.0, 0.0, 0.0, 0.12};
    tone.brightnessDecay = 18.0;
    tone.attack = 0.002;
    tone.decay = 0.18;
    tone.sustain = 0.0;
    tone.release = 0.05;
    return tone;
}

Tone chimeTone()
{
    Tone tone;
    tone.harmonics = {1.0, 0.45, 0.0, 0.3, 0.0, 0.18, 0.0, 0.08};
    tone.brightnessDecay = 5.0;
    tone.attack = 0.003;
    tone.decay = 0.35;
    tone.sustain = 0.15;
    tone.release = 0.2;
    tone.detuneCents = 4.0;
    return tone;
}

void playTone(Mix& mix, const Tone& tone, const Placement& at, double hz)
{
    const std::size_t releaseFrames = frames(tone.release);
    const std::size_t total = at.gate + releaseFrames;
    const double gateLevel = heldLevel(tone, at.gate);
    const double gateSeconds = std::max(1.0, static_cast<double>(at.gate)) / kRate;
    const double detune = std::pow(2.0, tone.detuneCents / 1200.0);

    // Partials above the limit are left out for the whole note, with room
    // for vibrato and detune.
    std::size_t count = 0;
    while (count < tone.harmonics.size() && hz * (count + 1) * 1.02 < kHighestPartial)
        ++count;
    std::vector<double> amplitudes(tone.harmonics.begin(), tone.harmonics.begin() + count);
    std::vector<double> fade(count);
    for (std::size_t k = 0; k < count; ++k)
        fade[k] = std::exp(-tone.brightnessDecay * static_cast<double>(k) / kRate);

    double panLeft = 0.0, panRight = 0.0;
    panGains(at.pan, panLeft, panRight);
    double phaseLeft = 0.0, phaseRight = 0.0;
    for (std::size_t i = 0; i < total; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double level = heldLevel(tone, std::min(i, at.gate));
        if (i >= at.gate) {
            const double x = 1.0 - static_cast<double>(i - at.gate) / releaseFrames;
            level = gateLevel * x * x;
        }
        const double vibratoDepth =
            tone.vibratoSemitones * smoothStep((t - tone.vibratoDelay) / 0.1);
        const double bend = vibratoDepth * std::sin(kTwoPi * tone.vibratoRate * t)
                            - tone.fallSemitones * std::min(1.0, t / gateSeconds);
        const double step = kTwoPi * hz * std::pow(2.0, bend / 12.0) / kRate;
        phaseLeft = std::fmod(phaseLeft + step / detune, kTwoPi);
        phaseRight = std::fmod(phaseRight + step * detune, kTwoPi);

        const double gain = level * at.gain;
        mix.add(at.start + i, gain * panLeft * partials(phaseLeft, amplitudes, count),
                gain * panRight * partials(phaseRight, amplitudes, count));
        for (std::size_t k = 0; k < count; ++k)
            amplitudes[k] *= fade[k];
    }
}

void playKick(Mix& mix, const Placement& at)
{
    const std::size_t length = frames(0.34);
    double phase = 0.0;
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double hz = 48.0 + 100.0 * std::exp(-t / 0.03);
        phase += kTwoPi * hz / kRate;
        // The second harmonic lets small speakers hear the kick at all.
        const double body = std::sin(phase) * std::exp(-t / 0.16)
                            + 0.3 * std::sin(2.0 * phase) * std::exp(-t / 0.05);
        const double v = at.gain * body * edges(i, length, 0.0015, 0.03);
        mix.add(at.start + i, v, v);
    }
}

void playSnare(Mix& mix, const Placement& at, uint32_t seed)
{
    const std::size_t length = frames(0.24);
    Noise noise(seed);
    const double low = onePoleCoefficient(7000.0);
    const double high = onePoleCoefficient(900.0);
    double smooth = 0.0, rumble = 0.0;
    double panLeft = 0.0, panRight = 0.0;
    panGains(at.pan, panLeft, panRight);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / kRate;
        smooth += low * (noise.next() - smooth);
        rumble += high * (smooth - rumble);
        const double rattle = (smooth - rumble) * std::exp(-t / 0.065);
        const double body = 0.55 * std::sin(kTwoPi * 185.0 * t) * std::exp(-t / 0.045)
                            + 0.25 * std::sin(kTwoPi * 330.0 * t) * std::exp(-t / 0.03);
        const double v = at.gain * (1.4 * rattle + body) * edges(i, length, 0.001, 0.04);
        mix.add(at.start + i, v * panLeft, v * panRight);
    }
}

void playHat(Mix& mix, const Placement& at, bool open, uint32_t seed)
{
    const std::size_t length = frames(open ? 0.26 : 0.07);
    const double ring = open ? 0.075 : 0.013;
    Noise noise(seed);
    const double high = onePoleCoefficient(7500.0);
    double rumble = 0.0;
    double panLeft = 0.0, panRight = 0.0;
    panGains(at.pan, panLeft, panRight);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double n = noise.next();
        rumble += high * (n - rumble);
        const double v = at.gain * (n - rumble) * std::exp(-t / ring) * edges(i, length, 0.0008, 0.02);
        mix.add(at.start + i, v * panLeft, v * panRight);
    }
}
