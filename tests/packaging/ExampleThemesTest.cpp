#include "ColorLine.h"
#include "Theme.h"
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

class ExampleTheme : public ::testing::TestWithParam<std::tuple<std::string, std::string>> {};

// Each example theme carries pictures, colours, tunes and effect sounds, named from the program folder and used from any current folder, its art intact.
TEST_P(ExampleTheme, EveryNonEmptyLineIsUsed)
{
    const auto& [theme, cwd] = GetParam();
    const fs::path file = ProgramFolder() / "themes" / theme / (theme + ".tlm");
    const auto lines = SplitThemeLines(ReadAll(file));
    for (int number = 1; number <= kThemeLineCount; ++number)
        ASSERT_FALSE(lines[number - 1].empty()) << "line " << number;
    auto named = [&](int number) { return ProgramFolder() / lines[number - 1]; };
    auto picture = [&](int number) { return QImage(QString::fromStdString(named(number).string())); };

    Theme before;
    before.SetTransColor(0x123456);
    before.SetBackColor(0x123456);
    const fs::path saved = fs::current_path(), absolute = fs::absolute(file);
    fs::current_path(cwd == "theme" ? file.parent_path() : cwd == "program" ? ProgramFolder() : fs::path(cwd));
    const Theme images = LoadBricks(absolute.string(), before, ProgramFolder());
    fs::current_path(saved);

    EXPECT_EQ(images.LngTransColor(), theme == "midnight" ? 0xFF00FFu : 0xFFFFFFu);
    EXPECT_EQ(images.LngBackColor(), ParseColorLine(lines[10]));
    EXPECT_EQ(images.BackgroundSize(), picture(10).size());
    EXPECT_FALSE(images.BackgroundSize().isEmpty());
    const SoundClips& sounds = images.Sounds();
    const SoundClip clips[] = {sounds.main, sounds.lastMin, sounds.last30, sounds.gameOver, sounds.highlight, sounds.clear};
    for (int number = 12; number <= 17; ++number) {
        const SoundClip& clip = clips[number - 12];
        const std::string wave = ReadAll(named(number));
        ASSERT_TRUE(clip && !clip->empty()) << number;
        EXPECT_EQ(*clip, decodeWave(reinterpret_cast<const uint8_t*>(wave.data()), wave.size())) << number;
    }
    for (int entry = 0; entry < 8; ++entry) {
        SCOPED_TRACE("line " + std::to_string(entry + 1));
        ASSERT_FALSE(picture(entry + 1).isNull());
        EXPECT_EQ(images.Picture(BrickEntry(entry)), picture(entry + 1).convertToFormat(QImage::Format_RGB32));
        const QImage& surface = images.Surface(BrickEntry(entry));
        EXPECT_EQ(qAlpha(surface.pixel(0, 0)), 0);
        for (const QPoint inside : {QPoint(16, 16), QPoint(12, 12), QPoint(20, 20), QPoint(16, 8), QPoint(8, 16)})
            EXPECT_EQ(qAlpha(surface.pixel(inside)), 255);
        EXPECT_TRUE(entry < 4 || images.Picture(BrickEntry(entry)) != images.Picture(BrickEntry(entry - 4)));
        for (int other = entry / 4 * 4; other < entry; ++other)
            EXPECT_NE(surface.pixel(16, 16), images.Surface(BrickEntry(other)).pixel(16, 16)) << other;
    }
}

INSTANTIATE_TEST_SUITE_P(BothThemesFromAnyFolder, ExampleTheme,
                         ::testing::Combine(::testing::Values("meadow", "midnight"),
                                            ::testing::Values("/", "theme")),
                         [](const auto& info) {
                             const std::string cwd = std::get<1>(info.param);
                             return std::get<0>(info.param) + "_from_" + (cwd == "/" ? "root" : cwd);
                         });

}  // namespace
