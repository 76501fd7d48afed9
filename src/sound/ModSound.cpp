#include "ModSound.h"

const SoundClip& ModSound::Silence()
{
    static const SoundClip silent = std::make_shared<const PcmClip>();
    return silent;
}

void ModSound::PlayClip(const SoundClip& clip, bool wanted, bool loop, bool noStop)
{
    if (!BlnSound || !wanted)
        return;
    // A loaded clip without samples still plays: it ends the sound playing.
    if (!clip)
        return;
    m_backend.Play(clip, loop, noStop);
}

void ModSound::PlayMain() { PlayClip(clips.main, music, true, false); }
void ModSound::PlayLastMin() { PlayClip(clips.lastMin, music, true, false); }
void ModSound::PlayLast30() { PlayClip(clips.last30, music, true, false); }
void ModSound::PlayGameOver() { PlayClip(clips.gameOver, effects, false, false); }
void ModSound::PlayHighlight() { PlayClip(clips.highlight, effects, false, true); }
void ModSound::PlayClear() { PlayClip(clips.clear, effects, false, true); }

void ModSound::StopSound()
{
    // A game started with a theme never loads the built-in NOSOUND, yet
    // muting must still silence the theme's music.
    m_backend.Play(clips.noSound ? clips.noSound : Silence(), false, false);
}
