#include "SettingsFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string Lines(std::initializer_list<std::string> lines, const std::string& end = "\r\n")
{
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

std::string Show(const std::optional<std::string>& value) { return value.value_or("-"); }
std::string Show(const std::optional<int32_t>& value) { return value ? std::to_string(*value) : "-"; }

// What a read found, field by field: "theme|width|height|time|mute|name:score ...", "-" for nothing.
std::string Found(const SettingsRead& read)
{
    std::string text = Show(read.GameTheme) + "|" + Show(read.GameWidth) + "|" + Show(read.GameHeight) + "|" +
                       Show(read.GameTime) + (read.mute ? "|mute|" : "|sound|");
    for (int i = 0; i < kHighScoreSlots && read.StrHighNames[i]; ++i)
        text += (i ? " " : "") + *read.StrHighNames[i] + ":" + Show(read.LngHighScores[i]);
    return text;
}

std::string TwelvePairs()
{
    std::string text = Lines({"", "16", "11", "120", "sound"});
    for (int i = 0; i < 12; ++i) text += Lines({"N" + std::to_string(i), std::to_string(100 - i)});
    return text;
}

}  // namespace

// Lines are read by position: a bad line leaves only its own value, and the table is read as it stands.
TEST(SettingsFileReading, LinesAreReadByPosition)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", "-|-|-|-|sound|"},
        // Unsorted, with a bad score and a name without its score line.
        {Lines({"", "abc", "", " 12.5 ", "sound", "Low", "10", "High", "90", "Bad", "x", "Odd"}),
         "|-|-|12|sound|Low:10 High:90 Bad:- Odd:-"},
        // LF ends a line like CR LF, and so does the end of the text; a byte-order mark is no part of the theme.
        {"\xEF\xBB\xBF" + Lines({"/t/a.tlm", "5", "6", "70", "MuTe", "Ann", "9"}, "\n"),
         "/t/a.tlm|5|6|70|mute|Ann:9"},
        {Lines({"/t/a.tlm", "5", "6", "70", "mute", "Ann"}) + "9", "/t/a.tlm|5|6|70|mute|Ann:9"},
        // Pairs after the tenth are never read.
        {TwelvePairs(), "|16|11|120|sound|N0:100 N1:99 N2:98 N3:97 N4:96 N5:95 N6:94 N7:93 N8:92 N9:91"},
        // Not valid UTF-8: written by a Windows-1252 system (its undefined 0x81 maps to U+0081).
        {Lines({"C:\\Th\xE8mes\\a.tlm", "16", "11", "120", "sound", "Jos\xE9", "50", "\x80\x9F\x81", "40"}),
         "C:\\Th\xC3\xA8mes\\a.tlm|16|11|120|sound|Jos\xC3\xA9:50 \xE2\x82\xAC\xC5\xB8\xC2\x81:40"},
        // Overlong forms and surrogates are no UTF-8 either.
        {Lines({"\xC0\xAF", "1"}), "\xC3\x80\xC2\xAF|1|-|-|sound|"},
        {Lines({"\xE0\x80\xAF", "1"}), "\xC3\xA0\xE2\x82\xAC\xC2\xAF|1|-|-|sound|"},
        {Lines({"\xED\xA0\x80", "1"}), "\xC3\xAD\xC2\xA0\xE2\x82\xAC|1|-|-|sound|"},
    };
    for (const auto& [text, found] : cases) EXPECT_EQ(Found(ReadSettingsText(text)), found);
}

// The writer gives exactly 25 CR LF lines, and reading them back gives every value again.
TEST(SettingsFileWriting, RoundTrip)
{
    SettingsWrite values{"/home/ann/themes/marble.tlm", 20, 14, 90, true, {}};
    values.table.StrHighNames = {"Ann", "Bj\xC3\xB6rn", "", "Zo\xC3\xAB"};
    values.table.LngHighScores = {1290, 300, 250, 12};
    const std::string text = WriteSettingsText(values);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 25);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 25);
    const std::string table = "Ann:1290 Bj\xC3\xB6rn:300 :250 Zo\xC3\xAB:12 :0 :0 :0 :0 :0 :0";
    EXPECT_EQ(Found(ReadSettingsText(text)), "/home/ann/themes/marble.tlm|20|14|90|mute|" + table);

    // A value holding a line break must not shift the lines after it.
    values.GameTheme = "/tmp/odd\nname.tlm";
    values.table.StrHighNames[0] = "Ann\r\nLee";
    EXPECT_EQ(Found(ReadSettingsText(WriteSettingsText(values))), "|20|14|90|mute|Ann  Lee" + table.substr(3));
}
