#pragma once

#include "SelectionSounds.h"

#include <string>

// Records the selection cues in order: 'H' for PlayHighlight, 'C' for PlayClear.
class RecordingSelectionSounds final : public SelectionSounds {
public:
    void PlayHighlight() override { cues += 'H'; }
    void PlayClear() override { cues += 'C'; }

    std::string cues;
};
