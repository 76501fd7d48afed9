#include "ModSound.h"

const SoundClip& ModSound::Silence()
{
    static const SoundClip silent = std::make_shared<const PcmClip>();
    return silent;
}

void ModSound::PlayClip(const SoundClip& clip, bool loop, bool noStop)
{
    if (!BlnSound)
        return;
    // A loaded clip without samples still plays: it ends the sound playing.
    if (!clip)
        return;
    m_backend.Play(clip, loop, noStop);
}

void ModSound::PlayMain() { PlayClip(clips.main, true, false); }
void ModSound::PlayLastMin() { PlayClip(clips.lastMin, true, false); }
void ModSound::PlayLast30() { PlayClip(clips.last30, true, false); }
void ModSound::PlayGameOver() { PlayClip(clips.gameOver, false, false); }
void ModSound::PlayHighlight() { PlayClip(clips.highlight, false, true); }
void ModSound::PlayClear() { PlayClip(clips.clear, false, true); }

void ModSound::StopSound()
{
    // A game started with a theme never loads the built-in NOSOUND, yet
    // muting must still silence the theme's music.
    m_backend.Play(clips.noSound ? clips.noSound : Silence(), false, false);
}
