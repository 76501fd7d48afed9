#include "SettingsFile.h"

#include "NumberText.h"
#include "Utf8Text.h"

#include <vector>

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
// rounded half to even, and a value beyond 32 bits does not convert.

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// CR LF and LF both end a line; text after the last line break is a line of
// its own, an ending line break does not start one.
std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (lf == std::string_view::npos) break;
        text.remove_prefix(lf + 1);
    }
    return lines;
}

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

// The file's bytes as UTF-8 text, a leading byte-order mark dropped.
std::string decodeSettingsBytes(std::string_view bytes)
{
    if (!IsValidUtf8(bytes)) return Windows1252ToUtf8(bytes);
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
    return std::string(bytes);
}

}  // namespace

SettingsRead ReadSettingsText(std::string_view bytes)
{
    const std::string text = decodeSettingsBytes(bytes);
    const std::vector<std::string_view> lines = splitLines(text);
    std::size_t next = 0;
    const auto readLine = [&]() -> std::optional<std::string_view> {
        if (next >= lines.size()) return std::nullopt;
        return lines[next++];
    };
    const auto readNumber = [&]() -> std::optional<int32_t> {
        const auto line = readLine();
        return line ? ParseWholeNumber(*line) : std::nullopt;
    };

    SettingsRead read;
    if (const auto line = readLine()) read.GameTheme = std::string(*line);
    read.GameWidth = readNumber();
    read.GameHeight = readNumber();
    read.GameTime = readNumber();
    if (const auto line = readLine()) read.mute = asciiLower(*line) == "mute";
    for (int i = 0; i < kHighScoreSlots && next < lines.size(); ++i) {
        if (const auto line = readLine()) read.StrHighNames[i] = std::string(*line);
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
