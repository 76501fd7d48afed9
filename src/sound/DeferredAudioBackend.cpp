#include "DeferredAudioBackend.h"

#include <utility>

DeferredAudioBackend::DeferredAudioBackend(Opener opener)
    : m_opener(std::move(opener))
{
}

DeferredAudioBackend::~DeferredAudioBackend()
{
    if (m_worker.joinable())
        m_worker.join();
}

void DeferredAudioBackend::Open()
{
    if (m_worker.joinable())
        return;
    m_worker = std::thread([this] {
        m_device = m_opener();
        m_opened.store(true, std::memory_order_release);
    });
}

void DeferredAudioBackend::Play(const SoundClip& clip, bool loop, bool noStop)
{
    if (IsOpened() && m_device)
        m_device->Play(clip, loop, noStop);
}
