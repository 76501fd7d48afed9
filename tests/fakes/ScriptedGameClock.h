#pragma once

#include "Services.h"

// A clock that reads what the test set it to.
class ScriptedGameClock final : public GameClock {
public:
    int64_t SteadyMs() override { return now; }
    int64_t now = 1000000;
};
