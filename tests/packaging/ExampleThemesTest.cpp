#include "BrickImages.h"
#include "ModSound.h"
#include "RecordingAudioBackend.h"
#include "ThemeText.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The folder the themes are checked in: the build tree's program folder, or
// an installed copy named by the install test.
fs::path ProgramFolder()
{
    if (const char* installed = std::getenv("TOLMORA_PROGRAM_DIR"); installed && *installed)
        return installed;
    return TOLMORA_BUILD_PROGRAM_DIR;
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> Bytes(const fs::path& path)
{
    const std::string text = ReadAll(path);
    return {text.begin(), text.end()};
}

QImage Rgb32(const fs::path& path)
{
    return QImage(QString::fromStdString(path.string())).convertToFormat(QImage::Format_RGB32);
}

// Runs a test body in another current folder and always comes back.
class CurrentFolder {
public:
    explicit CurrentFolder(const fs::path& folder) : m_saved(fs::current_path()) { fs::current_path(folder); }
    ~CurrentFolder() { fs::current_path(m_saved); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    fs::path m_saved;
};

enum class Place { ElsewhereEntirely, ThemeFolder, ProgramFolder, Root };

struct Case {
    const char* theme;
    Place place;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.theme << " place " << static_cast<int>(c.place); }

std::string CaseName(const ::testing::TestParamInfo<Case>& info)
{
    const char* places[] = {"FromATempFolder", "FromTheThemeFolder", "FromTheProgramFolder", "FromRoot"};
    return std::string(info.param.theme) + "_" + places[static_cast<int>(info.param.place)];
}

class ExampleTheme : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
        m_folder = ProgramFolder() / "themes" / GetParam().theme;
        m_file = m_folder / (std::string(GetParam().theme) + ".tlm");
        ASSERT_TRUE(fs::is_regular_file(m_file)) << m_file;
        m_lines = SplitThemeLines(ReadAll(m_file));
        m_scratch = fs::temp_directory_path() / ("tolmora-theme-cwd-" + std::to_string(::getpid()));
        fs::create_directories(m_scratch);
    }

    void TearDown() override { fs::remove_all(m_scratch); }

    fs::path CurrentFolderFor(Place place) const
    {
        switch (place) {
        case Place::ElsewhereEntirely: return m_scratch;
        case Place::ThemeFolder: return m_folder;
        case Place::ProgramFolder: return ProgramFolder();
        case Place::Root: return "/";
        }
        return m_scratch;
    }

    const std::string& Line(int number) const { return m_lines.at(static_cast<size_t>(number - 1)); }

    fs::path m_folder;
    fs::path m_file;
    fs::path m_scratch;
    std::array<std::string, kThemeLineCount> m_lines;
};

} // namespace

// A theme ships its pictures, colours and at least the two effect sounds.
TEST_P(ExampleTheme, NamesEverythingAThemeCanCarryButTheTunes)
{
    for (int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16, 17})
        EXPECT_FALSE(Line(number).empty()) << "line " << number;
    const ThemeFile parsed = ParseThemeText(ReadAll(m_file));
    EXPECT_TRUE(parsed.transColor.has_value());
    EXPECT_TRUE(parsed.backColor.has_value());
}

// Every non-empty line takes effect: no picture, colour or sound falls back,
// wherever the program was started from.
TEST_P(ExampleTheme, EveryNonEmptyLineIsUsed)
{
    const fs::path programFolder = ProgramFolder();
    const ThemeFile parsed = ParseThemeText(ReadAll(m_file));
    const CurrentFolder cwd(CurrentFolderFor(GetParam().place));

    RecordingAudioBackend backend;
    ModSound sound(backend);
    SoundBytes* arrays[] = {&sound.BytMain,     &sound.BytLastMin,   &sound.BytLast30,
                            &sound.BytGameOver, &sound.BytHighlight, &sound.BytClear};
    const SoundBytes before = std::make_shared<const std::vector<uint8_t>>(std::vector<uint8_t>{1, 2, 3});
    for (SoundBytes* array : arrays)
        *array = before;

    BrickImages images(programFolder);
    images.LngTransColor = 0x123456;
    images.LngBackColor = 0x654321;
    images.LoadBricks(fs::absolute(m_file).string(), sound);

    for (int number = 1; number <= 8; ++number) {
        const QImage& picture = images.Picture(static_cast<BrickEntry>(number - 1));
        ASSERT_FALSE(picture.isNull()) << "line " << number << ": " << Line(number);
        EXPECT_EQ(picture, Rgb32(programFolder / Line(number))) << "line " << number;
    }
    EXPECT_EQ(static_cast<ColorRef>(images.LngTransColor), *parsed.transColor);
    ASSERT_FALSE(images.Background().isNull()) << Line(10);
    EXPECT_EQ(images.BackgroundSize(), Rgb32(programFolder / Line(10)).size());
    EXPECT_EQ(static_cast<ColorRef>(images.LngBackColor), *parsed.backColor);
    for (int number = 12; number <= 17; ++number) {
        const SoundBytes& array = *arrays[number - 12];
        if (Line(number).empty()) {
            EXPECT_EQ(array, before) << "line " << number << " is empty and must keep the sound";
            continue;
        }
        ASSERT_NE(array, before) << "line " << number << ": " << Line(number);
        EXPECT_EQ(*array, Bytes(programFolder / Line(number))) << "line " << number;
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothThemes, ExampleTheme,
    ::testing::Values(Case{"meadow", Place::ElsewhereEntirely}, Case{"meadow", Place::ThemeFolder},
                      Case{"meadow", Place::ProgramFolder}, Case{"meadow", Place::Root},
                      Case{"midnight", Place::ElsewhereEntirely}, Case{"midnight", Place::ThemeFolder},
                      Case{"midnight", Place::ProgramFolder}, Case{"midnight", Place::Root}),
    CaseName);

namespace {

struct Loaded {
    BrickImages images{ProgramFolder()};
    RecordingAudioBackend backend;
    ModSound sound{backend};

    explicit Loaded(const char* theme)
    {
        images.LoadBricks((ProgramFolder() / "themes" / theme / (std::string(theme) + ".tlm")).string(), sound);
    }
};

} // namespace

// One example theme keys its bricks on a colour other than white.
TEST(ExampleThemes, MidnightIsKeyedOnMagenta)
{
    Loaded midnight("midnight");
    EXPECT_EQ(static_cast<ColorRef>(midnight.images.LngTransColor), 0xFF00FFu);
    Loaded meadow("meadow");
    EXPECT_EQ(static_cast<ColorRef>(meadow.images.LngTransColor), 0xFFFFFFu);
}

// The brick shapes are cut out by the transparent colour, and nothing of a brick's
// face is that colour, or holes would show in it.
TEST(ExampleThemes, BricksAreCutOutButWhole)
{
    for (const char* theme : {"meadow", "midnight"}) {
        Loaded loaded(theme);
        for (size_t entry = 0; entry < kBrickEntryCount; ++entry) {
            const QImage& surface = loaded.images.Surface(static_cast<BrickEntry>(entry));
            ASSERT_EQ(surface.size(), QSize(32, 32)) << theme << " " << entry;
            EXPECT_EQ(qAlpha(surface.pixel(0, 0)), 0) << theme << " " << entry << ": corner drawn";
            for (const QPoint inside : {QPoint(16, 16), QPoint(12, 12), QPoint(20, 20), QPoint(16, 8), QPoint(8, 16)})
                EXPECT_EQ(qAlpha(surface.pixel(inside)), 255) << theme << " " << entry << " at " << inside.x() << "," << inside.y();
        }
    }
}

// A highlighted brick must look different from its normal form, and the four
// colours must stay apart, highlighted or not.
TEST(ExampleThemes, HighlightedAndColoursAreDistinct)
{
    for (const char* theme : {"meadow", "midnight"}) {
        Loaded loaded(theme);
        auto picture = [&](size_t entry) -> const QImage& {
            return loaded.images.Picture(static_cast<BrickEntry>(entry));
        };
        for (size_t colour = 0; colour < 4; ++colour)
            EXPECT_NE(picture(colour), picture(colour + 4)) << theme << ": colour " << colour;
        for (size_t first : {0u, 4u}) {
            for (size_t a = first; a < first + 4; ++a)
                for (size_t b = a + 1; b < first + 4; ++b)
                    EXPECT_NE(picture(a).pixel(16, 16), picture(b).pixel(16, 16))
                        << theme << ": entries " << a << " and " << b;
        }
    }
}
