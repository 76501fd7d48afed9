#pragma once

// The two cues selection gives; the sound module plays them (or not).
class SelectionSounds {
public:
    virtual ~SelectionSounds() = default;
    virtual void PlayHighlight() = 0;  // a step of selection that does not remove
    virtual void PlayClear() = 0;      // just before a highlighted group is removed
};
