#include "ModSound.h"

#include <array>

namespace {

// The same 58-byte image as the built-in NOSOUND: a stereo 44100 Hz 16-bit
// wave with a fact chunk and no samples.
constexpr std::array<uint8_t, 58> kSilentWave = {
    'R', 'I', 'F', 'F', 50, 0, 0, 0, 'W', 'A', 'V', 'E',
    'f', 'm', 't', ' ', 18, 0, 0, 0, 1, 0, 2, 0, 0x44, 0xAC, 0, 0,
    0x10, 0xB1, 0x02, 0, 4, 0, 16, 0, 0, 0,
    'f', 'a', 'c', 't', 4, 0, 0, 0, 0, 0, 0, 0,
    'd', 'a', 't', 'a', 0, 0, 0, 0,
};

bool isFilled(const SoundBytes& wave)
{
    return wave && !wave->empty();
}

}  // namespace

const SoundBytes& ModSound::SilentWave()
{
    static const SoundBytes silent =
        std::make_shared<const std::vector<uint8_t>>(kSilentWave.begin(), kSilentWave.end());
    return silent;
}

void ModSound::PlayWave(const SoundBytes& wave, bool loop, bool noStop)
{
    if (!BlnSound)
        return;
    if (!isFilled(wave))
        return;
    m_backend.Play(wave, loop, noStop);
}

void ModSound::PlayMain() { PlayWave(BytMain, true, false); }
void ModSound::PlayLastMin() { PlayWave(BytLastMin, true, false); }
void ModSound::PlayLast30() { PlayWave(BytLast30, true, false); }
void ModSound::PlayGameOver() { PlayWave(BytGameOver, false, false); }
void ModSound::PlayHighlight() { PlayWave(BytHighlight, false, true); }
void ModSound::PlayClear() { PlayWave(BytClear, false, true); }

void ModSound::StopSound()
{
    // A game started with a theme never loads the built-in NOSOUND, yet
    // muting must still silence the theme's music.
    m_backend.Play(isFilled(BytNoSound) ? BytNoSound : SilentWave(), false, false);
}
