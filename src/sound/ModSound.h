#pragma once

#include "WaveDecoder.h"

#include <memory>

// A sound decoded once into the mixer's format and never changed after, so
// that the theme, the sound module and a playing mixer can all hold it. Lines
// of a theme that name one file share one clip.
using SoundClip = std::shared_ptr<const PcmClip>;

// The game's seven sounds; an empty pointer is a sound not loaded, which
// plays nothing.
struct SoundClips {
    SoundClip main;
    SoundClip lastMin;
    SoundClip last30;
    SoundClip gameOver;
    SoundClip highlight;
    SoundClip clear;
    SoundClip noSound;
};

// What the sound module asks of the platform. Playing ends the sound that is
// playing, except with noStop, when a start while a sound plays is dropped.
// The clip is ready to play: a back end never decodes.
class AudioBackend {
public:
    virtual ~AudioBackend() = default;
    virtual void Play(const SoundClip& clip, bool loop, bool noStop) = 0;
};

// The game's sounds: the clips the theme loader gave, the sound switch and one
// routine per sound. Every routine returns at once; nothing is ever reported.
class ModSound {
public:
    explicit ModSound(AudioBackend& backend) : m_backend(backend) {}

    // The sound switch: off, nothing plays but StopSound.
    bool BlnSound = true;
    // While the switch is on, the player's choice of what plays: the clock's
    // three tunes, and the effects (a highlight, a removal, the game's end).
    bool music = true;
    bool effects = true;
    SoundClips clips;

    void PlayMain();
    void PlayLastMin();
    void PlayLast30();
    void PlayGameOver();
    void PlayHighlight();
    void PlayClear();
    void StopSound();  // plays the noSound clip, muted or not

    // A clip with no samples, played by StopSound when no noSound clip is loaded.
    static const SoundClip& Silence();

private:
    void PlayClip(const SoundClip& clip, bool wanted, bool loop, bool noStop);

    AudioBackend& m_backend;
};
