#pragma once

// The player's own choices from the Options menu. They are kept apart from
// the game's settings file, in a preferences file of their own, so that the
// settings file stays exactly as the game has always written it.
struct PlayerPreferences {
    bool brickSymbols = false;
    int zoomPercent = 100;  // one of the board's kZoomSteps
    bool keepThemeForNewGames = false;
    bool highContrastPanel = false;
    // The clock's tunes, and the sounds of a highlight, a removal and the
    // end of a game; the Mute item silences both, whatever these say.
    bool music = true;
    bool soundEffects = true;
    // The clock stops while the player is in another program.
    bool pauseWhenInactive = false;

    friend bool operator==(const PlayerPreferences&, const PlayerPreferences&) = default;
};
