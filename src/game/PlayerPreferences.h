#pragma once

#include <algorithm>
#include <array>

// The player's own choices from the Options menu. They are kept apart from
// the game's settings file, in a preferences file of their own, so that the
// settings file stays exactly as the game has always written it.
struct PlayerPreferences {
    bool brickSymbols = false;
    int zoomPercent = 100;  // one of kZoomSteps
    bool keepThemeForNewGames = false;
    bool highContrastPanel = false;

    friend bool operator==(const PlayerPreferences&, const PlayerPreferences&) = default;
};

// The board's zoom levels, in per cent of the bricks' own size.
inline constexpr std::array<int, 5> kZoomSteps{100, 150, 200, 250, 300};

// A zoom that is no step (a preferences file edited by hand) is actual size.
inline int ZoomStepOrActualSize(int zoomPercent)
{
    return std::find(kZoomSteps.begin(), kZoomSteps.end(), zoomPercent) != kZoomSteps.end() ? zoomPercent
                                                                                           : kZoomSteps.front();
}
