#pragma once

#include "ColorRef.h"
#include "DialogText.h"
#include "GameSnapshot.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// The one place where the game's values become the main window's words.

// A dialog's text in the player's language: the pattern translated, then
// its values filled in.
QString Translated(const DialogText& text);
// `pattern` (the text's own, translated) with the text's values filled in.
QString Filled(const QString& pattern, const DialogText& text);

// A number of seconds as the clock shows it: "hh:mm:ss", each field its last
// two decimal characters (so 360000 seconds, 100 hours, reads 00:00:00, and a
// negative count such as -1 reads 00:00:-1).
QString CTime(int32_t LngSeconds);

// A length of time in the Statistics window: "m:ss" under an hour, "h:mm:ss"
// from an hour on, with as many hours as it takes.
QString DurationText(int64_t seconds);

// The File menu's pause item: what choosing it would do.
QString PauseCaption(RunState run);

// A side-panel label: its caption (none leaves the caption it was designed
// with) and its colour.
struct PanelCaption {
    std::optional<QString> text;
    ColorRef color = kColorBlack;
    friend bool operator==(const PanelCaption&, const PanelCaption&) = default;
};

struct PanelCaptions {
    PanelCaption lblMinmumBlock, lblScore, lblLevel, lblTime, lblNextLvl, lblSelected;
};

PanelCaptions CaptionsOf(const PanelValues& panel);

// The colour a label is drawn in. With high contrast on, the panel's red and
// green become darker shades that reach at least 4.5:1 against its light
// grey (pure green there is about 1.2:1); off, every colour is as given.
ColorRef PanelTextColor(ColorRef color, bool highContrast);

// The high-score overlay's names and scores columns, a blank line above each entry.
std::pair<QString, QString> HighScoreColumns(const std::vector<HighScoreRow>& rows);
