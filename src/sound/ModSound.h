#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// A complete wave file image ("RIFF" header and data), shared so that an
// image replaced while it plays stays alive until the next sound starts.
using SoundBytes = std::shared_ptr<const std::vector<uint8_t>>;

// What the sound module asks of the platform. Playing ends the sound that is
// playing, except with noStop, when a start while a sound plays is dropped.
class AudioBackend {
public:
    virtual ~AudioBackend() = default;
    virtual void Play(const SoundBytes& wave, bool loop, bool noStop) = 0;
};

// The game's sounds: seven wave images, the sound switch and one routine per
// sound. Every routine returns at once; nothing is ever reported.
class ModSound {
public:
    explicit ModSound(AudioBackend& backend) : m_backend(backend) {}

    bool BlnSound = true;

    SoundBytes BytMain;
    SoundBytes BytLastMin;
    SoundBytes BytLast30;
    SoundBytes BytGameOver;
    SoundBytes BytHighlight;
    SoundBytes BytClear;
    SoundBytes BytNoSound;

    void PlayMain();
    void PlayLastMin();
    void PlayLast30();
    void PlayGameOver();
    void PlayHighlight();
    void PlayClear();
    void StopSound();  // plays BytNoSound, muted or not

    // A wave image with no samples, played by StopSound when BytNoSound is empty.
    static const SoundBytes& SilentWave();

private:
    void PlayWave(const SoundBytes& wave, bool loop, bool noStop);

    AudioBackend& m_backend;
};
