#include "ThemeText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using std::filesystem::path;

// CR LF ends a line, and so does a lone LF; a lone CR stays in the line.
TEST(ThemeLines, CrLfAndLoneLfBothEndALine)
{
    const auto lines = SplitThemeLines("a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "b");
    EXPECT_EQ(lines[2], "c\rd");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "e");
    EXPECT_EQ(lines[5], "");
}

// Seventeen lines are read, the last of them included.
TEST(ThemeLines, SeventeenLinesAtMost)
{
    std::string text;
    for (int i = 1; i <= 20; ++i)
        text += "line" + std::to_string(i) + "\r\n";
    const auto lines = SplitThemeLines(text);
    EXPECT_EQ(lines[16], "line17");
}

// Lines 10-17: as written first, then with forward slashes, then beside
// the theme, then in the program's folder.
TEST(ThemePaths, WrittenLinesTryTheCurrentFolderThenThemeThenProgram)
{
    const auto candidates = WrittenLineCandidates("sounds\\main.wav", "/home/p/themes", "/opt/tolmora");
    ASSERT_EQ(candidates.size(), 4u);
    EXPECT_EQ(candidates[0], path("sounds\\main.wav"));
    EXPECT_EQ(candidates[1], path("sounds/main.wav"));
    EXPECT_EQ(candidates[2], path("/home/p/themes/sounds/main.wav"));
    EXPECT_EQ(candidates[3], path("/opt/tolmora/sounds/main.wav"));
    EXPECT_EQ(WrittenLineCandidates("/srv/main.wav", "/home/p/themes", "/opt/tolmora").size(), 1u);
}

}  // namespace
