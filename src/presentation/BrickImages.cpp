#include "BrickImages.h"

#include "BoardGeometry.h"
#include "ThemeFiles.h"
#include "ThemeText.h"
#include "WaveDecoder.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int kBrickSide = kCellPixels;

constexpr std::array<const char*, kBrickEntryCount> kBuiltInNames{
    "GREEN", "BLUE", "YELLOW", "RED", "HGREEN", "HBLUE", "HYELLOW", "HRED",
};

// Resource names are matched without regard to case: the exact upper-case
// name first (what our generators write), then any spelling in the folder.
QString FindResource(const QString& folder, const std::string& name, const QString& suffix)
{
    const QString wanted = QString::fromStdString(name) + suffix;
    const QString direct = folder + "/" + wanted.toUpper();
    if (QFile::exists(direct))
        return direct;
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const QString& entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder + "/" + entry;
    }
    return {};
}

// Only the top-left 32x32 pixels of a brick picture are ever drawn, so
// nothing more is kept.
QImage BrickPicture(QImage picture)
{
    if (picture.width() > kBrickSide || picture.height() > kBrickSide)
        picture = picture.copy(0, 0, std::min(picture.width(), kBrickSide), std::min(picture.height(), kBrickSide));
    return picture.convertToFormat(QImage::Format_RGB32);
}

// The picture as premultiplied ARGB with every pixel of `transparent`
// cleared. It works in the picture's own pixels when nothing else shares
// them, so a background as large as we accept is never held twice.
QImage WithoutColor(QImage picture, QRgb transparent)
{
    if (picture.isNull())
        return {};
    picture.convertTo(QImage::Format_RGB32);
    const QRgb key = transparent | 0xFF000000u;
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb opaque = line[x] | 0xFF000000u;
            line[x] = opaque == key ? 0u : opaque;
        }
    }
    // Every pixel is now opaque or transparent black, which the same bits
    // mean in premultiplied ARGB.
    picture.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    return picture;
}

SoundBytes ToSoundBytes(std::vector<uint8_t> bytes)
{
    return std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
}

}  // namespace

QRgb ToQRgb(ColorRef color)
{
    return qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QImage BuiltInBrick(const std::string& name)
{
    const QString path = FindResource(":/bricks", name, ".bmp");
    return path.isEmpty() ? QImage() : QImage(path);
}

SoundBytes BuiltInSound(const std::string& name)
{
    const QString path = FindResource(":/sounds", name, ".wav");
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray bytes = file.readAll();
    return ToSoundBytes(std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

BrickImages::BrickImages(std::filesystem::path programFolder)
    : m_programFolder(std::move(programFolder))
{
}

void BrickImages::LoadBricks(const std::string& StrTheme, ModSound& sound)
{
    const std::filesystem::path themePath(CutAtNul(StrTheme));
    if (!themePath.empty() && IsRegularFile(themePath))
        loadTheme(themePath, sound);
    else
        loadBuiltIn(sound);
    buildSurfaces();
}

void BrickImages::loadTheme(const std::filesystem::path& themePath, ModSound& sound)
{
    // A theme that vanished or cannot be read since the check reads as 17
    // empty lines, like one that cannot be opened.
    const std::string text = ReadTextPrefix(themePath, kThemeReadLimit).value_or(std::string());
    const ThemeFile theme = ParseThemeText(text);

    bool anyPicture = false;
    for (size_t i = 0; i < kBrickEntryCount; ++i) {
        if (theme.pictureLines[i].empty())
            continue;
        if (auto picture = ReadPictureFile(PictureLinePath(m_programFolder, theme.pictureLines[i]))) {
            m_pictures[i] = BrickPicture(std::move(*picture));
            anyPicture = true;
        }
    }
    // A file chosen by mistake (a picture or a wave as the theme) gives no
    // brick at all; at start-up that would be an invisible board that still
    // takes clicks, so entries without a picture take the built-in one.
    if (!anyPicture)
        loadBuiltInBricks(/*onlyMissing=*/true);

    if (theme.transColor)
        LngTransColor = static_cast<int32_t>(*theme.transColor);

    const std::filesystem::path themeFolder = themePath.parent_path();
    auto firstFile = [&](const std::string& line) -> std::optional<std::filesystem::path> {
        for (const auto& candidate : WrittenLineCandidates(line, themeFolder, m_programFolder)) {
            if (IsRegularFile(candidate))
                return candidate;
        }
        return std::nullopt;
    };

    if (theme.backColor)
        LngBackColor = static_cast<int32_t>(*theme.backColor);

    SoundBytes* arrays[] = {&sound.BytMain,     &sound.BytLastMin,   &sound.BytLast30,
                            &sound.BytGameOver, &sound.BytHighlight, &sound.BytClear};
    // One file named on several lines is read and checked once, and its
    // lines share the bytes: six lines naming one big wave hold it once, and
    // count once against the theme's sound budget.
    std::vector<std::pair<std::filesystem::path, SoundBytes>> read;
    uint64_t budgetLeft = kThemeSoundBudgetBytes;
    for (size_t i = 0; i < theme.waveLines.size(); ++i) {
        const auto path = firstFile(theme.waveLines[i]);
        if (!path)
            continue;
        auto same = std::find_if(read.begin(), read.end(), [&](const auto& earlier) {
            std::error_code error;
            return std::filesystem::equivalent(earlier.first, *path, error);
        });
        if (same == read.end()) {
            // A file the sound module could never play, or one the budget
            // has no room left for, keeps the old sound.
            auto bytes = ReadWaveFile(*path, budgetLeft);
            SoundBytes wave;
            if (bytes && checkWave(bytes->data(), bytes->size())) {
                budgetLeft -= bytes->size();
                wave = ToSoundBytes(std::move(*bytes));
            }
            same = read.emplace(read.end(), *path, std::move(wave));
        }
        if (same->second)
            *arrays[i] = same->second;
    }

    // The background comes last, though its line comes first: checking a
    // big wave holds a second copy of its samples for a moment, which should
    // not come on top of the largest picture. No step reads what another sets.
    if (auto path = firstFile(theme.backgroundLine)) {
        if (auto picture = ReadPictureFile(*path))
            m_background = WithoutColor(std::move(*picture), qRgb(255, 255, 255));
    }
}

void BrickImages::loadBuiltInBricks(bool onlyMissing)
{
    for (size_t i = 0; i < kBrickEntryCount; ++i) {
        if (onlyMissing && !m_pictures[i].isNull())
            continue;
        QImage picture = BuiltInBrick(kBuiltInNames[i]);
        if (!picture.isNull())
            m_pictures[i] = BrickPicture(std::move(picture));
    }
}

void BrickImages::loadBuiltIn(ModSound& sound)
{
    loadBuiltInBricks(/*onlyMissing=*/false);
    m_background = QImage();

    const std::pair<const char*, SoundBytes*> sounds[] = {
        {"GAMEOVER", &sound.BytGameOver}, {"LAST30", &sound.BytLast30}, {"LASTMIN", &sound.BytLastMin},
        {"MAIN", &sound.BytMain},         {"NOSOUND", &sound.BytNoSound},
    };
    for (const auto& [name, array] : sounds) {
        if (SoundBytes bytes = BuiltInSound(name))
            *array = std::move(bytes);
    }
}

void BrickImages::PrepareSurfaces()
{
    if (static_cast<ColorRef>(LngTransColor) != m_surfaceTransColor)
        buildSurfaces();
}

void BrickImages::buildSurfaces()
{
    m_surfaceTransColor = static_cast<ColorRef>(LngTransColor);
    const QRgb transparent = ToQRgb(m_surfaceTransColor);
    for (size_t i = 0; i < kBrickEntryCount; ++i)
        m_surfaces[i] = WithoutColor(m_pictures[i], transparent);
    ++m_surfaceBuilds;
}
