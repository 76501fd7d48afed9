#include "Tunes.h"

#include "Instruments.h"
#include "Mix.h"
#include "Score.h"

#include <map>
#include <stdexcept>

namespace {

constexpr int kStepsPerBar = 16;

// Rising tension from tune to tune: faster, busier beat, brighter lead, and
// harmony that leans harder on its dominant chord.
const std::vector<Tune> kBuiltInTunes = {
    {
        "MAIN", 100, 4,
        // C - Am - F - G, a relaxed tune with room to breathe.
        "G4:2 C5:2 E5:3 D5:1 C5:2 E5:2 G5:4 | A5:3 G5:1 E5:2 C5:2 E5:4 D5:2 C5:2 | "
        "A4:2 C5:2 F5:3 E5:1 F5:2 A5:2 G5:4 | G5:3 F5:1 D5:2 B4:2 D5:4 r:2 B4:1 D5:1",
        "C4,E4,G4:16 C4,E4,A4:16 C4,F4,A4:16 B3,D4,G4:16",
        "C2:3 C2:1 r:2 G2:2 C3:2 G2:2 C2:2 E2:2 | A1:3 A1:1 r:2 E2:2 A2:2 E2:2 A1:2 C2:2 | "
        "F1:3 F1:1 r:2 C2:2 F2:2 C2:2 F1:2 A1:2 | G1:3 G1:1 r:2 D2:2 G2:2 D2:2 G1:2 B1:2",
        "",
        "X.......X.x.....|X.......X.x.....|X.......X.x.....|X.......X.x...x.",
        "....X.......X...|....X.......X...|....X.......X...|....X.......X.xx",
        "X.x.X.x.X.x.X.x.|X.x.X.x.X.x.X.x.|X.x.X.x.X.x.X.x.|X.x.X.x.X.x.X.x.",
        0.45,
    },
    {
        "LASTMIN", 125, 4,
        // Dm - Bb - Gm - A: minor, with a major dominant pulling back home.
        "A4:2 D5:2 F5:2 E5:1 D5:1 A5:3 F5:1 E5:2 D5:2 | F5:2 D5:2 Bb4:2 D5:2 F5:3 G5:1 F5:2 D5:2 | "
        "G5:3 F5:1 D5:2 Bb4:2 G4:2 Bb4:2 D5:2 G5:2 | A5:3 G5:1 E5:2 C#5:2 E5:2 A4:2 C#5:2 E5:2",
        "D4,F4,A4:16 D4,F4,Bb4:16 D4,G4,Bb4:16 C#4,E4,A4:16",
        "D2:2 D3:2 D2:2 D3:2 D2:2 D3:2 D2:2 D3:2 | Bb1:2 Bb2:2 Bb1:2 Bb2:2 Bb1:2 Bb2:2 Bb1:2 Bb2:2 | "
        "G1:2 G2:2 G1:2 G2:2 G1:2 G2:2 G1:2 G2:2 | A1:2 A2:2 A1:2 A2:2 A1:2 A2:2 A1:2 A2:2",
        "",
        "X...X...X...X...|X...X...X...X...|X...X...X...X...|X...X...X...X.x.",
        "....X.......X...|....X.......X...|....X.......X...|....X.......Xxxx",
        "x.o.x.o.x.o.x.o.|x.o.x.o.x.o.x.o.|x.o.x.o.x.o.x.o.|x.o.x.o.x.o.x.o.",
        0.55,
    },
    {
        "LAST30", 150, 4,
        // Em - C - D - B: a galloping bass and a running arpeggio.
        "B4:2 E5:2 G5:2 F#5:2 E5:3 G5:1 B5:4 | A5:2 G5:2 E5:2 C5:2 E5:3 G5:1 A5:2 G5:2 | "
        "F#5:2 D5:2 A4:2 D5:2 F#5:3 A5:1 G5:2 F#5:2 | D#5:3 F#5:1 B5:4 A5:2 F#5:2 D#5:2 B4:2",
        "E4,G4,B4:16 E4,G4,C5:16 D4,F#4,A4:16 D#4,F#4,B4:16",
        "E2:2 E2:1 E2:1 E3:2 E2:2 E2:2 E2:1 E2:1 E3:2 E2:2 | C2:2 C2:1 C2:1 C3:2 C2:2 C2:2 C2:1 C2:1 C3:2 C2:2 | "
        "D2:2 D2:1 D2:1 D3:2 D2:2 D2:2 D2:1 D2:1 D3:2 D2:2 | B1:2 B1:1 B1:1 B2:2 B1:2 B1:2 B1:1 B1:1 B2:2 B1:2",
        "E4:1 G4:1 B4:1 E5:1 E4:1 G4:1 B4:1 E5:1 E4:1 G4:1 B4:1 E5:1 E4:1 G4:1 B4:1 E5:1 | "
        "C4:1 E4:1 G4:1 C5:1 C4:1 E4:1 G4:1 C5:1 C4:1 E4:1 G4:1 C5:1 C4:1 E4:1 G4:1 C5:1 | "
        "D4:1 F#4:1 A4:1 D5:1 D4:1 F#4:1 A4:1 D5:1 D4:1 F#4:1 A4:1 D5:1 D4:1 F#4:1 A4:1 D5:1 | "
        "B3:1 D#4:1 F#4:1 B4:1 B3:1 D#4:1 F#4:1 B4:1 B3:1 D#4:1 F#4:1 B4:1 B3:1 D#4:1 F#4:1 B4:1",
        "X...X...X...X...|X...X...X...X...|X...X...X...X...|X...X...X...X.X.",
        "....X.......X...|....X.......X...|....X.......X...|....X.......Xxxx",
        "xxXxxxXxxxXxxxXx|xxXxxxXxxxXxxxXx|xxXxxxXxxxXxxxXx|xxXxxxXxxxXxxxXx",
        0.62,
    },
};

// The example themes' own sets, in the same build from calm to urgent. The
// meadow is sunny and light on its feet: G major, a marimba, a skipping hat.
// The midnight is slower and darker: A and D minor, a bell over an open
// arpeggio, open hats.
const std::vector<Tune> kMeadowTunes = {
    {
        "MAIN", 105, 4,
        // G - Em - C - D.
        "D5:2 G5:2 B5:3 A5:1 G5:2 D5:2 B4:4 | E5:2 G5:2 B5:2 A5:2 G5:3 F#5:1 E5:4 | "
        "C5:2 E5:2 G5:3 A5:1 G5:2 E5:2 C5:4 | D5:3 E5:1 F#5:2 A5:2 D5:4 r:2 F#5:1 A5:1",
        "G3,B3,D4:16 G3,B3,E4:16 G3,C4,E4:16 F#3,A3,D4:16",
        "G1:3 G1:1 r:2 D2:2 G2:2 D2:2 B1:2 D2:2 | E1:3 E1:1 r:2 B1:2 E2:2 B1:2 G1:2 B1:2 | "
        "C2:3 C2:1 r:2 G1:2 C2:2 G1:2 E1:2 G1:2 | D2:3 D2:1 r:2 A1:2 D2:2 A1:2 F#1:2 A1:2",
        "",
        "X.....x.X.......|X.....x.X.......|X.....x.X.......|X.....x.X...x...",
        "....X.......X...|....X.......X...|....X.......X...|....X.......X.x.",
        "x..xx..xx..xx..x|x..xx..xx..xx..x|x..xx..xx..xx..x|x..xx..xx..xx..x",
        0.5, LeadVoice::Mallet,
    },
    {
        "LASTMIN", 126, 4,
        // Em - C - Am - B.
        "B4:2 E5:2 G5:2 F#5:1 E5:1 B5:3 G5:1 F#5:2 E5:2 | G5:2 E5:2 C5:2 E5:2 G5:3 A5:1 G5:2 E5:2 | "
        "A5:3 G5:1 E5:2 C5:2 A4:2 C5:2 E5:2 A5:2 | B5:3 A5:1 F#5:2 D#5:2 F#5:2 B4:2 D#5:2 F#5:2",
        "E4,G4,B4:16 E4,G4,C5:16 E4,A4,C5:16 D#4,F#4,B4:16",
        "E2:2 E3:2 E2:2 E3:2 E2:2 E3:2 E2:2 E3:2 | C2:2 C3:2 C2:2 C3:2 C2:2 C3:2 C2:2 C3:2 | "
        "A1:2 A2:2 A1:2 A2:2 A1:2 A2:2 A1:2 A2:2 | B1:2 B2:2 B1:2 B2:2 B1:2 B2:2 B1:2 B2:2",
        "",
        "X...X...X...X...|X...X...X...X...|X...X...X...X...|X...X...X...X.x.",
        "....X.......X...|....X.......X...|....X.......X...|....X.......Xxx.",
        "xxo.xxo.xxo.xxo.|xxo.xxo.xxo.xxo.|xxo.xxo.xxo.xxo.|xxo.xxo.xxo.xxo.",
        0.5, LeadVoice::Mallet,
    },
    {
        "LAST30", 147, 4,
        // G - C - Am - D, with a running arpeggio.
        "D5:2 G5:2 B5:2 A5:2 G5:3 B5:1 D6:4 | C6:2 B5:2 G5:2 E5:2 G5:3 B5:1 C6:2 B5:2 | "
        "A5:2 E5:2 C5:2 E5:2 A5:3 C6:1 B5:2 A5:2 | F#5:3 A5:1 D6:4 C6:2 A5:2 F#5:2 D5:2",
        "G3,B3,D4:16 G3,C4,E4:16 A3,C4,E4:16 F#3,A3,D4:16",
        "G1:2 G1:1 G1:1 G2:2 G1:2 G1:2 G1:1 G1:1 G2:2 G1:2 | C2:2 C2:1 C2:1 C3:2 C2:2 C2:2 C2:1 C2:1 C3:2 C2:2 | "
        "A1:2 A1:1 A1:1 A2:2 A1:2 A1:2 A1:1 A1:1 A2:2 A1:2 | D2:2 D2:1 D2:1 D3:2 D2:2 D2:2 D2:1 D2:1 D3:2 D2:2",
        "G4:1 B4:1 D5:1 G5:1 G4:1 B4:1 D5:1 G5:1 G4:1 B4:1 D5:1 G5:1 G4:1 B4:1 D5:1 G5:1 | "
        "C4:1 E4:1 G4:1 C5:1 C4:1 E4:1 G4:1 C5:1 C4:1 E4:1 G4:1 C5:1 C4:1 E4:1 G4:1 C5:1 | "
        "A3:1 C4:1 E4:1 A4:1 A3:1 C4:1 E4:1 A4:1 A3:1 C4:1 E4:1 A4:1 A3:1 C4:1 E4:1 A4:1 | "
        "D4:1 F#4:1 A4:1 D5:1 D4:1 F#4:1 A4:1 D5:1 D4:1 F#4:1 A4:1 D5:1 D4:1 F#4:1 A4:1 D5:1",
        "X...X...X...X...|X...X...X...X...|X...X...X...X...|X...X...X...X.X.",
        "....X.......X...|....X.......X...|....X.......X...|....X.......Xxxx",
        "XxxxXxxxXxxxXxxx|XxxxXxxxXxxxXxxx|XxxxXxxxXxxxXxxx|XxxxXxxxXxxxXxxx",
        0.5, LeadVoice::Mallet,
    },
};

const std::vector<Tune> kMidnightTunes = {
    {
        "MAIN", 90, 4,
        // Am - F - Dm - E.
        "E5:4 A5:2 C6:2 B5:3 A5:1 E5:4 | F5:2 A5:2 C6:4 A5:3 G5:1 F5:4 | "
        "D5:2 F5:2 A5:3 G5:1 F5:2 E5:2 D5:4 | E5:3 G#5:1 B5:4 G#5:2 E5:2 r:2 B4:2",
        "A3,C4,E4:16 A3,C4,F4:16 A3,D4,F4:16 G#3,B3,E4:16",
        "A1:6 A1:2 E2:4 A1:4 | F1:6 F1:2 C2:4 F1:4 | D2:6 D2:2 A1:4 D2:4 | E1:6 E1:2 B1:4 E2:4",
        "A3:2 E4:2 A4:2 C5:2 A3:2 E4:2 A4:2 C5:2 | F3:2 C4:2 F4:2 A4:2 F3:2 C4:2 F4:2 A4:2 | "
        "D3:2 A3:2 D4:2 F4:2 D3:2 A3:2 D4:2 F4:2 | E3:2 B3:2 E4:2 G#4:2 E3:2 B3:2 E4:2 G#4:2",
        "X.....x.X.......|X.....x.X.......|X.....x.X.......|X.....x.X.....x.",
        "....X.......X...|....X.......X...|....X.......X...|....X.......X..x",
        "x.o.x..ox.o.x..o|x.o.x..ox.o.x..o|x.o.x..ox.o.x..o|x.o.x..ox.o.x..o",
        0.5, LeadVoice::Bell,
    },
    {
        "LASTMIN", 108, 4,
        // Dm - Bb - C - A.
        "D5:2 F5:2 A5:2 D6:2 C6:3 A5:1 F5:4 | D5:2 F5:2 Bb5:3 A5:1 F5:2 D5:2 F5:4 | "
        "E5:2 G5:2 C6:3 Bb5:1 G5:2 E5:2 C5:4 | C#5:3 E5:1 A5:4 G5:2 E5:2 C#5:2 A4:2",
        "D4,F4,A4:16 D4,F4,Bb4:16 C4,E4,G4:16 C#4,E4,A4:16",
        "D2:3 D2:1 D3:2 D2:2 r:2 D2:2 C3:2 A2:2 | Bb1:3 Bb1:1 Bb2:2 Bb1:2 r:2 Bb1:2 A2:2 F2:2 | "
        "C2:3 C2:1 C3:2 C2:2 r:2 C2:2 Bb2:2 G2:2 | A1:3 A1:1 A2:2 A1:2 r:2 A1:2 G2:2 E2:2",
        "",
        "X.x.....X.x.....|X.x.....X.x.....|X.x.....X.x.....|X.x.....X.x...x.",
        "....X.......X...|....X.......X...|....X.......X...|....X.......Xx.x",
        "x.xox.xox.xox.xo|x.xox.xox.xox.xo|x.xox.xox.xox.xo|x.xox.xox.xox.xo",
        0.5, LeadVoice::Bell,
    },
    {
        "LAST30", 135, 4,
        // Am - G - F - E, over driving eighths.
        "A5:2 C6:2 E6:2 C6:2 A5:3 E5:1 A5:4 | G5:2 B5:2 D6:2 B5:2 G5:3 D5:1 G5:4 | "
        "F5:2 A5:2 C6:2 A5:2 F5:3 C5:1 F5:2 A5:2 | G#5:3 B5:1 E6:4 D6:2 B5:2 G#5:2 E5:2",
        "A3,C4,E4:16 G3,B3,D4:16 F3,A3,C4:16 G#3,B3,E4:16",
        "A1:1 A1:1 A2:1 A1:1 A1:1 A1:1 A2:1 A1:1 A1:1 A1:1 A2:1 A1:1 A1:1 A1:1 A2:1 A1:1 | "
        "G1:1 G1:1 G2:1 G1:1 G1:1 G1:1 G2:1 G1:1 G1:1 G1:1 G2:1 G1:1 G1:1 G1:1 G2:1 G1:1 | "
        "F1:1 F1:1 F2:1 F1:1 F1:1 F1:1 F2:1 F1:1 F1:1 F1:1 F2:1 F1:1 F1:1 F1:1 F2:1 F1:1 | "
        "E1:1 E1:1 E2:1 E1:1 E1:1 E1:1 E2:1 E1:1 E1:1 E1:1 E2:1 E1:1 E1:1 E1:1 E2:1 E1:1",
        "A4:1 C5:1 E5:1 C5:1 A4:1 C5:1 E5:1 C5:1 A4:1 C5:1 E5:1 C5:1 A4:1 C5:1 E5:1 C5:1 | "
        "G4:1 B4:1 D5:1 B4:1 G4:1 B4:1 D5:1 B4:1 G4:1 B4:1 D5:1 B4:1 G4:1 B4:1 D5:1 B4:1 | "
        "F4:1 A4:1 C5:1 A4:1 F4:1 A4:1 C5:1 A4:1 F4:1 A4:1 C5:1 A4:1 F4:1 A4:1 C5:1 A4:1 | "
        "E4:1 G#4:1 B4:1 G#4:1 E4:1 G#4:1 B4:1 G#4:1 E4:1 G#4:1 B4:1 G#4:1 E4:1 G#4:1 B4:1 G#4:1",
        "X...X...X...X...|X...X...X...X...|X...X...X...X...|X...X...X...X...",
        "....X.......X...|....X.......X...|....X.......X...|....X...X.X.XXXX",
        "xXxxxXxxxXxxxXxx|xXxxxXxxxXxxxXxx|xXxxxXxxxXxxxXxx|xXxxxXxxxXxxxXxx",
        0.5, LeadVoice::Bell,
    },
};

struct TuneSet {
    const std::vector<Tune>* clock;
    GameOverPhrase gameOver;
};

// The built-in phrase falls through A minor; the meadow's through G major,
// the midnight's through D minor.
const std::map<std::string, TuneSet> kTuneSets = {
    {"", {&kBuiltInTunes, {{76, 72, 69, 64}, 57, LeadVoice::Reed}}},
    {"meadow", {&kMeadowTunes, {{74, 71, 67, 62}, 55, LeadVoice::Mallet}}},
    {"midnight", {&kMidnightTunes, {{74, 69, 65, 62}, 50, LeadVoice::Bell}}},
};

const TuneSet& tuneSet(const std::string& theme)
{
    const auto found = kTuneSets.find(theme);
    if (found == kTuneSets.end())
        throw std::invalid_argument("no tunes for a theme named " + theme);
    return found->second;
}

std::string withoutBarLines(std::string text)
{
    std::erase(text, '|');
    return text;
}

Tone leadTone(double brightness)
{
    Tone tone;
    double amplitude = 1.0;
    for (int k = 1; k <= 12; ++k) {
        tone.harmonics.push_back(amplitude / k);
        amplitude *= brightness;
    }
    tone.attack = 0.01;
    tone.decay = 0.15;
    tone.sustain = 0.6;
    tone.release = 0.12;
    tone.detuneCents = 4.0;
    tone.vibratoSemitones = 0.12;
    tone.vibratoRate = 5.5;
    tone.vibratoDelay = 0.18;
    return tone;
}

Tone leadVoice(LeadVoice voice, double brightness)
{
    switch (voice) {
    case LeadVoice::Mallet:
        return marimbaTone();
    case LeadVoice::Bell:
        return chimeTone();
    default:
        return leadTone(brightness);
    }
}

Tone padTone()
{
    Tone tone;
    tone.harmonics = {1.0, 0.3, 0.12, 0.05};
    tone.attack = 0.12;
    tone.decay = 0.3;
    tone.sustain = 0.8;
    tone.release = 0.35;
    tone.detuneCents = 7.0;
    return tone;
}

Tone bassTone()
{
    Tone tone;
    tone.harmonics = {1.0, 0.5, 0.25, 0.12, 0.05};
    tone.brightnessDecay = 6.0;
    tone.attack = 0.004;
    tone.decay = 0.2;
    tone.sustain = 0.55;
    tone.release = 0.06;
    return tone;
}

Tone pluckTone()
{
    Tone tone;
    for (int k = 1; k <= 10; ++k)
        tone.harmonics.push_back(1.0 / k);
    tone.brightnessDecay = 12.0;
    tone.attack = 0.002;
    tone.decay = 0.12;
    tone.sustain = 0.15;
    tone.release = 0.08;
    tone.detuneCents = 3.0;
    return tone;
}

void playPart(Mix& mix, const std::string& text, const Tone& tone, std::size_t framesPerStep,
              int expectedSteps, double gain, double pan, double gateShare)
{
    if (text.empty())
        return;
    const std::vector<ScoreNote> part = parsePart(withoutBarLines(text));
    // A part that is not exactly the tune's bars long would break the loop.
    if (partLength(part) != expectedSteps)
        throw std::logic_error("a part of " + std::to_string(partLength(part)) + " steps in a tune of "
                               + std::to_string(expectedSteps));
    for (const ScoreNote& note : part) {
        Placement at;
        at.start = note.step * framesPerStep;
        at.gate = static_cast<std::size_t>(note.length * framesPerStep * gateShare);
        at.gain = gain;
        at.pan = pan;
        for (int pitch : note.pitches)
            playTone(mix, tone, at, midiToHz(pitch));
    }
}

void playDrums(Mix& mix, const std::string& pattern, std::size_t framesPerStep, int expectedSteps,
               char instrument)
{
    int steps = 0;
    const std::vector<DrumHit> hits = parseBeat(pattern, steps);
    if (steps != expectedSteps)
        throw std::logic_error("a drum line of " + std::to_string(steps) + " steps");
    for (const DrumHit& hit : hits) {
        Placement at;
        at.start = hit.step * framesPerStep;
        const bool accent = hit.kind == 'X';
        const auto seed = static_cast<uint32_t>(hit.step * 7919 + instrument);
        switch (instrument) {
        case 'k':
            at.gain = accent ? 0.72 : 0.55;
            playKick(mix, at);
            break;
        case 's':
            at.gain = accent ? 0.3 : 0.15;
            at.pan = 0.05;
            playSnare(mix, at, seed);
            break;
        default:
            at.gain = hit.kind == 'o' ? 0.13 : accent ? 0.2 : 0.11;
            at.pan = 0.35;
            playHat(mix, at, hit.kind == 'o', seed);
            break;
        }
    }
}

}  // namespace

std::vector<Tune> clockTunes(const std::string& theme)
{
    return *tuneSet(theme).clock;
}

GameOverPhrase gameOverPhrase(const std::string& theme)
{
    return tuneSet(theme).gameOver;
}

std::vector<int16_t> renderTune(const Tune& tune)
{
    // A sixteenth must be a whole number of frames, or the bars would drift
    // against the loop's length.
    if ((kRate * 60) % (tune.bpm * 4) != 0)
        throw std::logic_error(tune.name + ": a sixteenth is not a whole number of frames");
    const std::size_t framesPerStep = kRate * 60 / (tune.bpm * 4);
    const int steps = tune.bars * kStepsPerBar;

    Mix mix(steps * framesPerStep, true);
    Mix lead(mix.frames(), true);
    playPart(lead, tune.melody, leadVoice(tune.lead, tune.brightness), framesPerStep, steps, 0.30, 0.1, 0.85);
    lead.echoInto(mix, 3 * framesPerStep, 0.3, 0.28);
    mix.addMix(lead, 1.0);
    playPart(mix, tune.pad, padTone(), framesPerStep, steps, 0.07, -0.1, 0.97);
    playPart(mix, tune.bass, bassTone(), framesPerStep, steps, 0.42, 0.0, 0.8);
    playPart(mix, tune.arpeggio, pluckTone(), framesPerStep, steps, 0.10, -0.45, 0.7);
    playDrums(mix, tune.kick, framesPerStep, steps, 'k');
    playDrums(mix, tune.snare, framesPerStep, steps, 's');
    playDrums(mix, tune.hat, framesPerStep, steps, 'h');
    return mix.master(0.89, false);
}

std::vector<int16_t> renderGameOver(const GameOverPhrase& phrase)
{
    // Everything has faded before the 0.9 s are up.
    Mix mix(static_cast<std::size_t>(kRate * 9 / 10), false);
    Tone tone = leadVoice(phrase.lead, 0.5);
    tone.release = 0.06;
    tone.vibratoSemitones = 0.0;
    const std::size_t step = kRate * 12 / 100;
    const auto& falling = phrase.falling;
    for (int i = 0; i < 4; ++i) {
        Placement at;
        at.start = i * step;
        at.gate = step * 5 / 6;
        at.gain = 0.3;
        playTone(mix, tone, at, midiToHz(falling[i]));
    }
    Tone last = tone;
    last.release = 0.15;
    last.fallSemitones = 1.0;
    Placement at;
    at.start = 4 * step;
    at.gate = kRate / 4;
    at.gain = 0.34;
    playTone(mix, last, at, midiToHz(phrase.last));
    Tone low = bassTone();
    low.release = 0.15;
    low.fallSemitones = 1.0;
    at.gain = 0.25;
    playTone(mix, low, at, midiToHz(phrase.last - 12));
    return mix.master(0.8, true);
}
