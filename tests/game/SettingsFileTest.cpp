#include "SettingsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

namespace {

std::string Joined(std::initializer_list<std::string> lines, const std::string& end = "\r\n")
{
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

SettingsWrite Sample()
{
    SettingsWrite values{"/home/ann/themes/marble.tlm", 20, 14, 90, true, {}};
    values.table.StrHighNames = {"Ann", "Bj\xC3\xB6rn", "", "Zo\xC3\xAB"};
    values.table.LngHighScores = {1290, 300, 250, 12};
    return values;
}

}  // namespace

// Without a file nothing is read: every variable keeps its value and sound stays on.
TEST(SettingsFileReading, EmptyTextReadsNothing)
{
    const SettingsRead read = ReadSettingsText("");
    EXPECT_FALSE(read.GameTheme || read.GameWidth || read.GameHeight || read.GameTime);
    EXPECT_FALSE(read.mute);
    EXPECT_TRUE(
        std::none_of(read.StrHighNames.begin(), read.StrHighNames.end(), [](auto& n) { return n.has_value(); }));
}

// A bad number line leaves only its own variable unchanged; later lines still land in their places.
TEST(SettingsFileReading, BadLinesLeaveTheirValueAlone)
{
    const SettingsRead read = ReadSettingsText(Joined({"", "abc", "", " 12.5 ", "sound", "Ann", "x", "Bob", "70"}));
    EXPECT_EQ(read.GameTheme, "");
    EXPECT_EQ(read.GameWidth, std::nullopt);
    EXPECT_EQ(read.GameHeight, std::nullopt);
    EXPECT_EQ(read.GameTime, 12);
    EXPECT_EQ(read.StrHighNames[0], "Ann");
    EXPECT_EQ(read.LngHighScores[0], std::nullopt);
    EXPECT_EQ(read.StrHighNames[1], "Bob");
    EXPECT_EQ(read.LngHighScores[1], 70);
    EXPECT_EQ(read.StrHighNames[2], std::nullopt);
}

// The table is taken as it stands (not sorted); a name without its score line keeps the old score.
TEST(SettingsFileReading, TableIsReadPairByPairAsItStands)
{
    const SettingsRead read =
        ReadSettingsText(Joined({"", "16", "11", "120", "sound", "Low", "10", "High", "90", "Odd"}));
    EXPECT_EQ(read.LngHighScores[0], 10);
    EXPECT_EQ(read.LngHighScores[1], 90);
    EXPECT_EQ(read.StrHighNames[2], "Odd");
    EXPECT_EQ(read.LngHighScores[2], std::nullopt);
    EXPECT_EQ(read.StrHighNames[3], std::nullopt);
}

// Lines after the 25th are never read into the table.
TEST(SettingsFileReading, LinesBeyondTheTableAreIgnored)
{
    std::string text = Joined({"", "16", "11", "120", "sound"});
    for (int i = 0; i < 12; ++i) text += Joined({"N" + std::to_string(i), std::to_string(100 - i)});
    const SettingsRead read = ReadSettingsText(text);
    EXPECT_EQ(read.StrHighNames[9], "N9");
    EXPECT_EQ(read.LngHighScores[9], 91);
}

// CR LF and LF end lines alike; a UTF-8 byte-order mark does not become part of the theme path.
TEST(SettingsFileReading, LineEndsAndByteOrderMark)
{
    const SettingsRead crlf = ReadSettingsText(Joined({"/t/a.tlm", "5", "6", "70", "mute", "Ann", "9"}));
    const SettingsRead lf =
        ReadSettingsText("\xEF\xBB\xBF" + Joined({"/t/a.tlm", "5", "6", "70", "mute", "Ann", "9"}, "\n"));
    for (const SettingsRead* read : {&crlf, &lf}) {
        EXPECT_EQ(read->GameTheme, "/t/a.tlm");
        EXPECT_EQ(read->GameWidth, 5);
        EXPECT_EQ(read->GameTime, 70);
        EXPECT_TRUE(read->mute);
        EXPECT_EQ(read->StrHighNames[0], "Ann");
        EXPECT_EQ(read->LngHighScores[0], 9);
    }
    EXPECT_EQ(ReadSettingsText("/t/a.tlm").GameTheme, "/t/a.tlm");  // a last line without an end
}

// A file that is not valid UTF-8 was written by a Windows-1252 system and is read as such.
TEST(SettingsFileReading, Windows1252FileIsConverted)
{
    const SettingsRead read = ReadSettingsText(
        Joined({"C:\\Th\xE8mes\\a.tlm", "16", "11", "120", "sound", "Jos\xE9", "50", "\x80uro", "40"}));
    EXPECT_EQ(read.GameTheme, "C:\\Th\xC3\xA8mes\\a.tlm");
    EXPECT_EQ(read.StrHighNames[0], "Jos\xC3\xA9");
    EXPECT_EQ(read.StrHighNames[1], "\xE2\x82\xACuro");
    EXPECT_EQ(read.LngHighScores[1], 40);
}

// The writer gives exactly 25 CR LF lines, and reading them back gives every value again.
TEST(SettingsFileWriting, RoundTrip)
{
    const SettingsWrite values = Sample();
    const std::string text = WriteSettingsText(values);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 25);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 25);
    EXPECT_TRUE(
        text.starts_with("/home/ann/themes/marble.tlm\r\n20\r\n14\r\n90\r\nmute\r\nAnn\r\n1290\r\nBj\xC3\xB6rn\r\n"));

    const SettingsRead read = ReadSettingsText(text);
    EXPECT_EQ(read.GameTheme, values.GameTheme);
    EXPECT_EQ(read.GameWidth, 20);
    EXPECT_EQ(read.GameHeight, 14);
    EXPECT_EQ(read.GameTime, 90);
    EXPECT_TRUE(read.mute);
    for (int i = 0; i < kHighScoreSlots; ++i) {
        EXPECT_EQ(read.StrHighNames[i], values.table.StrHighNames[i]);
        EXPECT_EQ(read.LngHighScores[i], values.table.LngHighScores[i]);
    }
}

// A value holding a line break must not shift the lines after it.
TEST(SettingsFileWriting, LineBreaksInValuesKeepTheLayout)
{
    SettingsWrite values = Sample();
    values.GameTheme = "/tmp/odd\nname.tlm";
    values.table.StrHighNames[0] = "Ann\r\nLee";
    const SettingsRead read = ReadSettingsText(WriteSettingsText(values));
    EXPECT_EQ(read.GameTheme, "");
    EXPECT_EQ(read.GameWidth, 20);
    EXPECT_EQ(read.StrHighNames[0], "Ann  Lee");
    EXPECT_EQ(read.LngHighScores[3], 12);
}
