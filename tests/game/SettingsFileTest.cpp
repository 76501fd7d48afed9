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
        // LF and a lone CR end a line like CR LF, and so does the end of the text.
        {Lines({"/t/a.tlm", "5", "6", "70", "MuTe", "Ann", "9"}, "\n"), "/t/a.tlm|5|6|70|mute|Ann:9"},
        {Lines({"/t/a.tlm", "5", "6", "70", "MuTe", "Ann", "9", "", "8"}, "\r"), "/t/a.tlm|5|6|70|mute|Ann:9 :8"},
        {"/t/a.tlm\r\r\n5\n\r6", "/t/a.tlm|-|5|-|sound|"},
        // Our writer never puts a byte-order mark first, so one there belongs to the theme path.
        {"\xEF\xBB\xBF/t/a.tlm\r\n5", "\xEF\xBB\xBF/t/a.tlm|5|-|-|sound|"},
        {Lines({"/t/a.tlm", "5", "6", "70", "mute", "Ann"}) + "9", "/t/a.tlm|5|6|70|mute|Ann:9"},
        // Pairs after the tenth are never read.
        {TwelvePairs(), "|16|11|120|sound|N0:100 N1:99 N2:98 N3:97 N4:96 N5:95 N6:94 N7:93 N8:92 N9:91"},
        // Not valid UTF-8: written by a Windows-1252 system (its undefined 0x81 maps to U+0081).
        {Lines({"C:\\Th\xE8mes\\a.tlm", "16", "11", "120", "sound", "Jos\xE9", "50", "\x80\x9F\x81", "40"}),
         "C:\\Th\xC3\xA8mes\\a.tlm|16|11|120|sound|Jos\xC3\xA9:50 \xE2\x82\xAC\xC5\xB8\xC2\x81:40"},
        // Each line is judged on its own: one Windows-1252 name leaves the UTF-8 names as they are.
        {Lines({"", "1", "2", "3", "sound", "Zo\xC3\xAB", "9", "Jos\xE9", "8", "\xE2\x82\xAC", "7"}),
         "|1|2|3|sound|Zo\xC3\xAB:9 Jos\xC3\xA9:8 \xE2\x82\xAC:7"},
        // Overlong forms and surrogates are no UTF-8 either.
        {Lines({"\xC0\xAF", "1"}), "\xC3\x80\xC2\xAF|1|-|-|sound|"},
        {Lines({"\xE0\x80\xAF", "1"}), "\xC3\xA0\xE2\x82\xAC\xC2\xAF|1|-|-|sound|"},
        {Lines({"\xED\xA0\x80", "1"}), "\xC3\xAD\xC2\xA0\xE2\x82\xAC|1|-|-|sound|"},
        // The first and the last four-byte characters (U+10000, U+10FFFF) are.
        {Lines({"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", "1"}), "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF|1|-|-|sound|"},
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

    // A value holding a line break must not shift the lines after it: the theme is dropped, a name gets spaces.
    for (const char* lineBreak : {"\n", "\r", "\r\n"}) {
        values.GameTheme = "/tmp/odd" + std::string(lineBreak) + "name.tlm";
        values.table.StrHighNames[0] = "Ann" + std::string(lineBreak) + "Lee";
        const std::string spaces(std::string(lineBreak).size(), ' ');
        EXPECT_EQ(Found(ReadSettingsText(WriteSettingsText(values))),
                  "|20|14|90|mute|Ann" + spaces + "Lee" + table.substr(3));
    }
}

namespace {

using Entries = std::vector<std::pair<std::string, int32_t>>;

HighScoreTable Table(const Entries& entries)
{
    HighScoreTable table;
    for (size_t i = 0; i < entries.size(); ++i) std::tie(table.StrHighNames[i], table.LngHighScores[i]) = entries[i];
    return table;
}

struct MergeCase {
    const char* rule;
    Entries base, onDisk, ours, merged;
};

}  // namespace

// Two copies on one folder: the file's table with our changes since we last read or wrote it, the ten best kept.
TEST(SettingsFileMerging, TwoCopiesKeepEveryScore)
{
    Entries full;
    for (int i = 0; i < 10; ++i) full.emplace_back("N" + std::to_string(i), 1000 - 100 * i);
    Entries fullWithMine = full;
    fullWithMine.insert(fullWithMine.begin() + 5, {"Mine", 550});
    fullWithMine.pop_back();
    Entries fullWithOther = full;
    fullWithOther.back() = {"Other", 150};
    const Entries ab{{"A", 500}, {"B", 400}};
    const MergeCase cases[] = {
        {"new entries of either side are kept", ab, {{"A", 500}, {"Theirs", 450}, {"B", 400}},
         {{"A", 500}, {"B", 400}, {"Mine", 300}}, {{"A", 500}, {"Theirs", 450}, {"B", 400}, {"Mine", 300}}},
        {"no other writer: ours as it stands, even unsorted", {{"", 70}, {"Z", 90}}, {{"", 70}, {"Z", 90}},
         {{"", 70}, {"Z", 90}, {"Me", 10}}, {{"", 70}, {"Z", 90}, {"Me", 10}}},
        {"the file's entry stays above an equal score of ours", {{"A", 500}}, {{"A", 500}, {"X", 400}},
         {{"A", 500}, {"Y", 400}}, {{"A", 500}, {"X", 400}, {"Y", 400}}},
        {"an entry both copies still hold counts once", {{"Ann", 100}}, {{"Ann", 100}, {"Bo", 50}},
         {{"Ann", 100}, {"Ann", 100}}, {{"Ann", 100}, {"Ann", 100}, {"Bo", 50}}},
        {"only the ten best are kept", full, fullWithMine, full, fullWithMine},
        {"a nameless entry we named at the second prompt does not come back", {{"", 500}},
         {{"", 500}, {"Other", 300}}, {{"Ann", 700}, {"Bob", 500}},
         {{"Ann", 700}, {"Bob", 500}, {"Other", 300}}},
        {"an entry we pushed out stays out", full, fullWithOther, fullWithMine, fullWithMine},
        {"a nameless score the other copy entered is kept", {{"A", 500}}, {{"A", 500}, {"", 300}}, {{"A", 500}},
         {{"A", 500}, {"", 300}}},
    };
    for (const MergeCase& c : cases)
        EXPECT_EQ(MergeHighScores(Table(c.base), Table(c.onDisk), Table(c.ours)), Table(c.merged)) << c.rule;
}
