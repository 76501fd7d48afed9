#include "MusicPhase.h"
#include "RunState.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The run after these steps: s first click, p pause menu, e clock ran out, c new game confirmed, r board rebuilt.
std::string After(const std::string& steps)
{
    GameRun run;
    for (const char step : steps) {
        if (step == 's') run.Start();
        if (step == 'p') run.TogglePause();
        if (step == 'e') run.End();
        if (step == 'c') run.StopClock();
        if (step == 'r') run.Rebuilt();
    }
    const char* names[] = {"Ready", "Running", "Paused", "Over"};
    return std::string(names[static_cast<int>(run.state())]) + (run.clockRuns() ? " clock" : "") +
           (run.boardShown() ? "" : " hidden") + (run.over() ? " over" : "");
}

}  // namespace

// Each transition keeps the clock, the board's visibility, and the frame in step.
TEST(GameRunTest, TransitionsKeepTheControlsInStep)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "Ready"},
        {"s", "Running clock"},
        {"p", "Paused hidden"},
        {"pp", "Running clock"},      // resuming starts the clock without a click
        {"ps", "Paused hidden"},     // the hidden board takes no first click
        {"e", "Ready"},               // only a running clock runs out
        {"se", "Over over"},
        {"sep", "Paused hidden over"},
        {"sepp", "Over over"},        // a game that is over stays over when resumed
        {"ses", "Over over"},
        {"sc", "Ready"},              // a confirmed new game stops the clock at once
        {"sec", "Over over"},         // and the game stays over until the board is rebuilt
        {"secr", "Ready"},
        {"spcr", "Paused hidden"},   // a new game keeps the pause
        {"sepcrp", "Running clock"},  // and resumes into the new game's clock
    };
    for (const auto& [steps, expected] : cases) EXPECT_EQ(After(steps), expected) << "steps: " << steps;
}

// A tune starts at the first tick of each phase: above 60 s, above 30 s, from 30 s down, and again after a bonus.
TEST(MusicPhaseTest, ATuneStartsOncePerPhase)
{
    const std::tuple<MusicPhase, int32_t, MusicPhase> cases[] = {
        {MusicPhase::None, 119, MusicPhase::Main},      {MusicPhase::Main, 61, MusicPhase::None},
        {MusicPhase::Main, 60, MusicPhase::LastMin},    {MusicPhase::LastMin, 31, MusicPhase::None},
        {MusicPhase::LastMin, 30, MusicPhase::Last30},  {MusicPhase::Last30, 0, MusicPhase::None},
        {MusicPhase::Last30, -1, MusicPhase::None},     {MusicPhase::Last30, 49, MusicPhase::LastMin},
        {MusicPhase::None, 30, MusicPhase::Last30},     {MusicPhase::LastMin, 61, MusicPhase::Main},
    };
    for (const auto& [playing, left, tune] : cases)
        EXPECT_EQ(TuneToStart(playing, left), tune) << "playing " << int(playing) << " at " << left;
}
