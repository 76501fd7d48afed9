#pragma once

#include <string>
#include <vector>

// One note or chord of a part, in sixteenth-note steps.
struct ScoreNote {
    int step = 0;
    int length = 0;
    std::vector<int> pitches;  // MIDI numbers; empty for a rest
};

// A part written as "G4:2 C5:2 E5:3 r:1 C4,E4,G4:16": each entry is a note
// name (letter, optional # or b, octave; C4 is middle C), a comma-separated
// chord, or r for a rest, followed by its length in sixteenths. Entries follow
// one another. Throws std::invalid_argument on anything else.
std::vector<ScoreNote> parsePart(const std::string& text);

// Total length of a part in sixteenths.
int partLength(const std::vector<ScoreNote>& part);

// A drum line, one character per sixteenth ('|' between bars is ignored):
// '.' rest, 'x' a soft hit, 'X' an accented hit, 'o' an open hi-hat.
struct DrumHit {
    int step = 0;
    char kind = 'x';
};

std::vector<DrumHit> parseBeat(const std::string& pattern, int& steps);
