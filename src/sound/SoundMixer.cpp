#include "SoundMixer.h"

#include <algorithm>
#include <utility>

bool SoundMixer::start(Clip pcm, bool loop, bool noStop, Clip& retired)
{
    if (noStop && isPlaying())
        return false;
    retired = std::exchange(m_pcm, std::move(pcm));
    m_loop = loop;
    m_position = 0;
    return true;
}

void SoundMixer::fill(int16_t* out, std::size_t frames)
{
    const std::size_t wanted = frames * kMixChannels;
    std::size_t written = 0;
    while (written < wanted) {
        const std::size_t length = m_pcm ? m_pcm->size() : 0;
        if (m_position >= length) {
            // An empty clip never loops, or this loop would never end.
            if (!m_loop || length == 0)
                break;
            m_position = 0;
        }
        const std::size_t take = std::min(wanted - written, length - m_position);
        std::copy_n(m_pcm->data() + m_position, take, out + written);
        written += take;
        m_position += take;
    }
    std::fill(out + written, out + wanted, int16_t{0});
}

bool SoundMixer::isPlaying() const
{
    if (!m_pcm || m_pcm->empty())
        return false;
    return m_loop || m_position < m_pcm->size();
}
