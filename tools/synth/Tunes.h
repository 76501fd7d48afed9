#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The instrument that carries a tune's melody.
enum class LeadVoice { Reed, Mallet, Bell };

// One of the clock's tunes: a melody with a pad under it, a bass line, an
// optional arpeggio and a beat, all the same whole number of bars of 4/4.
struct Tune {
    std::string name;
    int bpm = 100;
    int bars = 4;
    std::string melody, pad, bass, arpeggio;
    std::string kick, snare, hat;
    double brightness = 0.5;  // how strongly the reed's overtones ring
    LeadVoice lead = LeadVoice::Reed;
};

// Four quick falling notes, then a low one an octave over its bass that sags
// a semitone as it dies away.
struct GameOverPhrase {
    std::array<int, 4> falling;  // MIDI numbers
    int last = 57;
    LeadVoice lead = LeadVoice::Reed;
};

// The tunes of an example theme, or the game's built-in ones for an empty name: main, last minute and last 30
// seconds, in that order. Throws std::invalid_argument for any other name.
std::vector<Tune> clockTunes(const std::string& theme = {});
GameOverPhrase gameOverPhrase(const std::string& theme = {});

// Renders a tune as one seamless loop: interleaved stereo, 44100 Hz.
std::vector<int16_t> renderTune(const Tune& tune);

// The game-over phrase: mono, 44100 Hz, 0.9 s.
std::vector<int16_t> renderGameOver(const GameOverPhrase& phrase = gameOverPhrase());
