#include "SettingsFile.h"

#include "DecimalText.h"
#include "TextLines.h"
#include "Utf8Text.h"


// "Settings.log" holds one value per line, 25 lines:
//
//   C:\games\marble.tlm     theme file (empty for the built-in pictures)
//   16                      largest column index
//   11                      largest row index
//   120                     game length in seconds
//   sound                   "mute" or "sound"
//   Ann                     name of slot 0 (the best)
//   1290                    score of slot 0
//   ...                     name and score lines of slots 1 to 9
//
// Lines are read by position. A missing line, or a number line that does not
// convert, leaves its value as it was; the table is read pair by pair while
// lines remain and is taken as it stands, neither sorted nor checked. Numbers
// convert by ParseWholeNumber: blanks around them are allowed, fractions are
// rounded half to even on their digits, and a value beyond 32 bits does not
// convert.

namespace {

std::string asciiLower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

bool hasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// A value that holds a line break would shift every following line.
std::string oneLine(std::string_view text)
{
    std::string line(text);
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    return line;
}

// A line as UTF-8 text. Each line is judged on its own, so a name typed on a
// Windows-1252 system does not garble the UTF-8 names around it. Nothing is
// dropped: our writer never puts a byte-order mark first, so one found there
// belongs to the theme path.
std::string decodeLine(std::string_view line)
{
    return IsValidUtf8(line) ? std::string(line) : Windows1252ToUtf8(line);
}

}  // namespace

std::optional<int32_t> ParseWholeNumber(std::string_view text)
{
    const auto value = ParseRounded(text, kSettingsNumber, INT32_MIN, INT32_MAX);
    return value ? std::optional<int32_t>(static_cast<int32_t>(*value)) : std::nullopt;
}

SettingsRead ReadSettingsText(std::string_view bytes)
{
    LineSplitter lines(bytes, LineSplitter::LoneCr::EndsLine);
    const auto readNumber = [&]() -> std::optional<int32_t> {
        const auto line = lines.next();
        return line ? ParseWholeNumber(*line) : std::nullopt;
    };

    SettingsRead read;
    if (const auto line = lines.next()) read.GameTheme = decodeLine(*line);
    read.GameWidth = readNumber();
    read.GameHeight = readNumber();
    read.GameTime = readNumber();
    if (const auto line = lines.next()) read.mute = asciiLower(*line) == "mute";
    for (int i = 0; i < kHighScoreSlots && !lines.atEnd(); ++i) {
        if (const auto line = lines.next()) read.StrHighNames[i] = decodeLine(*line);
        read.LngHighScores[i] = readNumber();
    }
    return read;
}

std::string WriteSettingsText(const SettingsWrite& values)
{
    std::string text;
    const auto writeLine = [&](std::string_view line) {
        text += line;
        text += "\r\n";
    };
    // A path with a line break cannot be stored; the built-in set is the
    // safe fallback.
    writeLine(hasLineBreak(values.GameTheme) ? std::string_view() : std::string_view(values.GameTheme));
    writeLine(std::to_string(values.GameWidth));
    writeLine(std::to_string(values.GameHeight));
    writeLine(std::to_string(values.GameTime));
    writeLine(values.mute ? "mute" : "sound");
    for (int i = 0; i < kHighScoreSlots; ++i) {
        writeLine(oneLine(values.table.StrHighNames[i]));
        writeLine(std::to_string(values.table.LngHighScores[i]));
    }
    return text;
}

HighScoreTable TableOf(const SettingsRead& read)
{
    HighScoreTable table;
    for (int i = 0; i < kHighScoreSlots; ++i) {
        table.StrHighNames[i] = read.StrHighNames[i].value_or(std::string());
        table.LngHighScores[i] = read.LngHighScores[i].value_or(0);
    }
    return table;
}
