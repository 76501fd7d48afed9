#pragma once

#include <cstdint>

// The clock's tunes. The values are those LngCurrentPlay has always held:
// 0 while no tune has been started (or the mute switch reset it).
enum class MusicPhase : int32_t {
    None = 0,
    Last30 = 1,
    LastMin = 2,
    Main = 3,
};

// The phase of a clock showing this many seconds left: the main tune above a
// minute, the last-minute tune above 30 seconds, the last tune from then on.
constexpr MusicPhase PhaseOfTimeLeft(int32_t timeLeft)
{
    if (timeLeft > 60) return MusicPhase::Main;
    if (timeLeft > 30) return MusicPhase::LastMin;
    return MusicPhase::Last30;
}

// The tune a tick must start, or None. Each phase's tune starts once, at the
// first tick in the phase, and loops; time added by a level moves the phase
// back up, which starts the earlier tune anew.
constexpr MusicPhase TuneToStart(MusicPhase playing, int32_t timeLeft)
{
    const MusicPhase phase = PhaseOfTimeLeft(timeLeft);
    return phase == playing ? MusicPhase::None : phase;
}
