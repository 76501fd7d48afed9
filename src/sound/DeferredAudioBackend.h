#pragma once

#include "ModSound.h"

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// A back end whose device is opened later, on a worker thread, so that
// start-up never waits for a sound server. Until that open has finished,
// every sound is dropped, as on a machine without sound; the game never
// hears about it either way.
class DeferredAudioBackend final : public AudioBackend {
public:
    using Opener = std::function<std::unique_ptr<AudioBackend>()>;

    explicit DeferredAudioBackend(Opener opener);
    // Waits for an open still under way, then closes the device.
    ~DeferredAudioBackend() override;
    DeferredAudioBackend(const DeferredAudioBackend&) = delete;
    DeferredAudioBackend& operator=(const DeferredAudioBackend&) = delete;

    // Starts opening the device; later calls do nothing.
    void Open();
    // Whether the open has finished, with a device or without one.
    bool IsOpened() const { return m_opened.load(std::memory_order_acquire); }

    // Called from the thread that created the back end only.
    void Play(const SoundClip& clip, bool loop, bool noStop) override;

private:
    Opener m_opener;
    std::thread m_worker;
    // Written by the worker before it sets m_opened, read only after.
    std::unique_ptr<AudioBackend> m_device;
    std::atomic<bool> m_opened{false};
};
