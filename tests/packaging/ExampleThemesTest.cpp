#include "BrickImages.h"
#include "NullAudioBackend.h"
#include "ThemeText.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

// The build tree's program folder, or an installed copy named by the install test.
fs::path ProgramFolder()
{
    const char* installed = std::getenv("TOLMORA_PROGRAM_DIR");
    return installed && *installed ? installed : TOLMORA_BUILD_PROGRAM_DIR;
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ExampleTheme : public ::testing::TestWithParam<std::tuple<std::string, std::string>> {
protected:
    std::string theme = std::get<0>(GetParam());
    fs::path file = ProgramFolder() / "themes" / theme / (theme + ".tlm");
    NullAudioBackend audio;
    ModSound sound{audio};
    BrickImages images{ProgramFolder()};
};

// Each theme names pictures, colours and at least the two effect sounds, and
// every non-empty line takes effect, whatever the current folder: no picture,
// colour or sound falls back.
TEST_P(ExampleTheme, EveryNonEmptyLineIsUsed)
{
    const auto lines = SplitThemeLines(ReadAll(file));
    for (int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16, 17})
        ASSERT_FALSE(lines[number - 1].empty()) << "line " << number;
    const ThemeFile parsed = ParseThemeText(ReadAll(file));
    ASSERT_TRUE(parsed.transColor && parsed.backColor);

    const std::string cwd = std::get<1>(GetParam());
    const fs::path saved = fs::current_path(), absolute = fs::absolute(file);
    fs::current_path(cwd == "theme" ? file.parent_path() : cwd == "program" ? ProgramFolder() : fs::path(cwd));
    SoundBytes* arrays[] = {&sound.BytMain,     &sound.BytLastMin,   &sound.BytLast30,
                            &sound.BytGameOver, &sound.BytHighlight, &sound.BytClear};
    const auto before = std::make_shared<const std::vector<uint8_t>>(3, 0);
    for (SoundBytes* array : arrays)
        *array = before;
    images.LngTransColor = images.LngBackColor = 0x123456;
    images.LoadBricks(absolute.string(), sound);
    fs::current_path(saved);

    for (int number = 1; number <= 8; ++number) {
        const QImage picture(QString::fromStdString((ProgramFolder() / lines[number - 1]).string()));
        ASSERT_FALSE(picture.isNull()) << "line " << number;
        EXPECT_EQ(images.Picture(BrickEntry(number - 1)), picture.convertToFormat(QImage::Format_RGB32)) << number;
    }
    EXPECT_EQ(ColorRef(images.LngTransColor), *parsed.transColor);
    EXPECT_EQ(images.BackgroundSize(), QImage(QString::fromStdString((ProgramFolder() / lines[9]).string())).size());
    EXPECT_FALSE(images.BackgroundSize().isEmpty());
    EXPECT_EQ(ColorRef(images.LngBackColor), *parsed.backColor);
    for (int number = 12; number <= 17; ++number) {
        const std::string bytes = lines[number - 1].empty() ? std::string(3, '\0') : ReadAll(ProgramFolder() / lines[number - 1]);
        const SoundBytes& array = *arrays[number - 12];
        EXPECT_EQ(std::string(array->begin(), array->end()), bytes) << "line " << number;
    }
}

INSTANTIATE_TEST_SUITE_P(BothThemesFromAnyFolder, ExampleTheme,
                         ::testing::Combine(::testing::Values("meadow", "midnight"),
                                            ::testing::Values("/", "/tmp", "theme", "program")),
                         [](const auto& info) {
                             const std::string cwd = std::get<1>(info.param);
                             return std::get<0>(info.param) + ("_from_" + (cwd == "/" ? "root" : cwd == "/tmp" ? "tmp" : cwd));
                         });

// The art holds up: one theme keys its bricks on magenta rather than white;
// each brick is cut out at its corner but whole inside, differs from its
// highlighted form, and the four colours stay apart.
TEST(ExampleThemes, BricksAreCutOutWholeAndDistinct)
{
    for (const char* theme : {"meadow", "midnight"}) {
        SCOPED_TRACE(theme);
        NullAudioBackend audio;
        ModSound sound{audio};
        BrickImages images(ProgramFolder());
        images.LoadBricks((ProgramFolder() / "themes" / theme / (std::string(theme) + ".tlm")).string(), sound);
        EXPECT_EQ(ColorRef(images.LngTransColor), theme == std::string("midnight") ? 0xFF00FFu : 0xFFFFFFu);
        for (int entry = 0; entry < 8; ++entry) {
            const QImage& surface = images.Surface(BrickEntry(entry));
            ASSERT_EQ(surface.size(), QSize(32, 32)) << entry;
            EXPECT_EQ(qAlpha(surface.pixel(0, 0)), 0) << entry;
            for (const QPoint inside : {QPoint(16, 16), QPoint(12, 12), QPoint(20, 20), QPoint(16, 8), QPoint(8, 16)})
                EXPECT_EQ(qAlpha(surface.pixel(inside)), 255) << entry;
            EXPECT_TRUE(entry < 4 || images.Picture(BrickEntry(entry)) != images.Picture(BrickEntry(entry - 4))) << entry;
            for (int other = entry / 4 * 4; other < entry; ++other)
                EXPECT_NE(surface.pixel(16, 16), images.Surface(BrickEntry(other)).pixel(16, 16)) << entry << other;
        }
    }
}

}  // namespace
