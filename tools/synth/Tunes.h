#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One of the clock's tunes: a melody with a pad under it, a bass line, an
// optional arpeggio and a beat, all the same whole number of bars of 4/4.
struct Tune {
    std::string name;
    int bpm = 100;
    int bars = 4;
    std::string melody, pad, bass, arpeggio;
    std::string kick, snare, hat;
    double brightness = 0.5;  // how strongly the lead's overtones ring
};

std::vector<Tune> clockTunes();

// Renders a tune as one seamless loop: interleaved stereo, 44100 Hz.
std::vector<int16_t> renderTune(const Tune& tune);

// The game-over phrase: mono, 44100 Hz, 0.9 s.
std::vector<int16_t> renderGameOver();
