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

// Only 17 lines are read; lines missing at the end are empty.
TEST(ThemeLines, SeventeenLinesAtMost)
{
    std::string text;
    for (int i = 1; i <= 20; ++i)
        text += "line" + std::to_string(i) + "\r\n";
    const auto lines = SplitThemeLines(text);
    EXPECT_EQ(lines[16], "line17");

    const auto shortLines = SplitThemeLines("only\r\n");
    EXPECT_EQ(shortLines[0], "only");
    for (size_t i = 1; i < shortLines.size(); ++i)
        EXPECT_EQ(shortLines[i], "") << i;
}

// Paths are cut at their first NUL, colour lines are parsed, empty line 9 is white.
TEST(ThemeLines, ParseCutsPathsAtNulAndReadsColourLines)
{
    std::string text = std::string("green.bmp\0junk", 14) + "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n" +  // lines 1-8
                       "\r\n" +                                                                // 9: empty
                       "back.jpg\r\n" + "0 0 64\r\n" + std::string("main.wav\0", 9) + "\r\n";
    const ThemeFile theme = ParseThemeText(text);
    EXPECT_EQ(theme.pictureLines[0], "green.bmp");
    EXPECT_EQ(theme.transColor, std::optional<ColorRef>(0xFFFFFF));
    EXPECT_EQ(theme.backgroundLine, "back.jpg");
    EXPECT_EQ(theme.backColor, std::optional<ColorRef>(0x400000));
    EXPECT_EQ(theme.waveLines[0], "main.wav");
    EXPECT_EQ(theme.waveLines[5], "");
}

// An invalid line 9 keeps the colour, which is not the same as white.
TEST(ThemeLines, InvalidTransparentLineIsNotWhite)
{
    const ThemeFile theme = ParseThemeText("\n\n\n\n\n\n\n\n255 0\n\n \n");
    EXPECT_EQ(theme.transColor, std::nullopt);
    EXPECT_EQ(theme.backColor, std::nullopt);
}

// Picture lines stay in the program's folder, absolute or not, and
// backslashes separate folders.
TEST(ThemePaths, PictureLinesAreJoinedToTheProgramFolder)
{
    EXPECT_EQ(PictureLinePath("/opt/tolmora", "red.bmp"), path("/opt/tolmora/red.bmp"));
    EXPECT_EQ(PictureLinePath("/opt/tolmora", "bricks\\red.bmp"), path("/opt/tolmora/bricks/red.bmp"));
    EXPECT_EQ(PictureLinePath("/opt/tolmora", "/home/p/red.bmp").lexically_normal(),
              path("/opt/tolmora/home/p/red.bmp"));
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
}

// An absolute line is used as written only, and an empty line names nothing.
TEST(ThemePaths, AbsoluteAndEmptyLines)
{
    const auto absolute = WrittenLineCandidates("/srv/main.wav", "/home/p/themes", "/opt/tolmora");
    ASSERT_EQ(absolute.size(), 1u);
    EXPECT_EQ(absolute[0], path("/srv/main.wav"));
    EXPECT_TRUE(WrittenLineCandidates("", "/home/p/themes", "/opt/tolmora").empty());
}

}  // namespace
