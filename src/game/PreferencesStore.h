#pragma once

#include "PlayerPreferences.h"

// Where the player's preferences are kept between runs. Reading never fails:
// whatever cannot be read is the default. Writing says whether the choices
// reached the disk; the game carries on either way.
class PreferencesStore {
public:
    virtual ~PreferencesStore() = default;
    virtual PlayerPreferences Read() = 0;
    virtual bool Write(const PlayerPreferences& preferences) = 0;
};
