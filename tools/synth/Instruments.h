#pragma once

#include "Mix.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A pitched voice built from a handful of harmonics, band-limited so that no
// partial aliases, with an ADSR envelope and optional vibrato and fall.
struct Tone {
    std::vector<double> harmonics;  // amplitude of the fundamental, 2nd, 3rd ...
    double brightnessDecay = 0.0;   // per second: upper harmonics fade faster
    double attack = 0.005;          // seconds
    double decay = 0.1;
    double sustain = 0.7;           // level
    double release = 0.05;
    double detuneCents = 0.0;       // left flat, right sharp: width without panning
    double vibratoSemitones = 0.0;
    double vibratoRate = 5.0;       // Hz
    double vibratoDelay = 0.15;     // seconds before vibrato fades in
    double fallSemitones = 0.0;     // pitch drop over the held part of the note
};

struct Placement {
    std::size_t start = 0;  // frame
    std::size_t gate = 0;   // frames held before the release
    double gain = 1.0;
    double pan = 0.0;       // -1 left to 1 right
};

double midiToHz(int pitch);

// Two voices shared by the example themes' effects and their tunes: a
// struck wooden bar that dies at once, and a bell that rings on a little.
Tone marimbaTone();
Tone chimeTone();

void playTone(Mix& mix, const Tone& tone, const Placement& at, double hz);

void playKick(Mix& mix, const Placement& at);
void playSnare(Mix& mix, const Placement& at, uint32_t seed);
void playHat(Mix& mix, const Placement& at, bool open, uint32_t seed);
