#pragma once

#include <string>
#include <vector>

// Marks an English text for the translators' tools, which take it as they
// take QT_TRANSLATE_NOOP; the window looks every dialog text up in the
// "Tolmora" context. The game itself never translates.
#define TOLMORA_TEXT(context, text) text

// A text a dialog shows: an English pattern with %1, %2 ... for the values it
// carries. The window translates the pattern before it fills the values in;
// the game and its tests read it in English.
struct DialogText {
    DialogText(const char* englishPattern, std::vector<std::string> values = {})
        : pattern(englishPattern), args(std::move(values))
    {
    }

    const char* pattern;
    std::vector<std::string> args;

    // The pattern with each %n replaced by the n-th value, in one pass, so a
    // value that itself holds "%1" stays as it is.
    std::string english() const;
};
