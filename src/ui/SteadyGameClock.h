#pragma once

#include "Services.h"

#include <chrono>

// The moves' times in a recording: a monotonic clock, so a change of the
// system time in mid-game moves nothing.
class SteadyGameClock final : public GameClock {
public:
    int64_t SteadyMs() override
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};
