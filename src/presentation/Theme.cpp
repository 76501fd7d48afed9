#include "Theme.h"

#include "BoardGeometry.h"
#include "RegularFile.h"
#include "ThemeFiles.h"
#include "ThemeText.h"
#include "WaveDecoder.h"

#include <QDir>
#include <QFile>
#include <QResource>
#include <QString>

#include <algorithm>
#include <map>
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

SoundClip ToClip(std::optional<PcmClip> pcm)
{
    return pcm ? std::make_shared<const PcmClip>(std::move(*pcm)) : nullptr;
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

SoundClip BuiltInSound(const std::string& name)
{
    // The built-in waves never change while the program runs, so every new
    // game shares the clips the first load decoded.
    static std::map<QString, SoundClip> decoded;
    const QString path = FindResource(":/sounds", name, ".wav");
    if (path.isEmpty())
        return nullptr;
    SoundClip& clip = decoded[path];
    if (!clip) {
        // The waves are stored uncompressed in the program's image, where they
        // stay while it runs, so a wave already in the mixer's format plays
        // from there: the tunes are megabytes, and copying them would show in
        // the memory start-up takes.
        const QResource resource(path);
        if (!resource.isValid())
            return nullptr;
        const bool inPlace = resource.compressionAlgorithm() == QResource::NoCompression;
        const QByteArray unpacked = inPlace ? QByteArray() : resource.uncompressedData();
        const auto* bytes = inPlace ? resource.data() : reinterpret_cast<const uint8_t*>(unpacked.constData());
        const auto size = static_cast<std::size_t>(inPlace ? resource.size() : unpacked.size());
        std::optional<PcmClip> pcm = inPlace ? viewWave(bytes, size) : std::nullopt;
        clip = ToClip(pcm ? std::move(pcm) : decodeWave(bytes, size));
    }
    return clip;
}

void Theme::SetTransColor(ColorRef color)
{
    if (color == m_transColor)
        return;
    m_transColor = color;
    buildSurfaces();
}

Theme LoadBricks(const std::string& StrTheme, const Theme& previous, const std::filesystem::path& programFolder)
{
    Theme theme = previous;
    const std::filesystem::path themePath(CutAtNul(StrTheme));
    if (!themePath.empty() && IsRegularFile(themePath))
        theme.loadTheme(themePath, programFolder);
    else
        theme.loadBuiltIn();
    theme.buildSurfaces();
    return theme;
}

void Theme::loadTheme(const std::filesystem::path& themePath, const std::filesystem::path& programFolder)
{
    // A theme that vanished or cannot be read since the check reads as 17
    // empty lines, like one that cannot be opened.
    const std::string text = ReadTextPrefix(themePath, kThemeReadLimit).value_or(std::string());
    const ThemeFile theme = ParseThemeText(text);

    bool anyPicture = false;
    for (size_t i = 0; i < kBrickEntryCount; ++i) {
        if (theme.pictureLines[i].empty())
            continue;
        if (auto picture = ReadPictureFile(PictureLinePath(programFolder, theme.pictureLines[i]))) {
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
        m_transColor = *theme.transColor;

    const std::filesystem::path themeFolder = themePath.parent_path();
    auto firstFile = [&](const std::string& line) -> std::optional<std::filesystem::path> {
        for (const auto& candidate : WrittenLineCandidates(line, themeFolder, programFolder)) {
            if (IsRegularFile(candidate))
                return candidate;
        }
        return std::nullopt;
    };

    if (theme.backColor)
        m_backColor = *theme.backColor;

    SoundClip* clips[] = {&m_sounds.main,     &m_sounds.lastMin,   &m_sounds.last30,
                          &m_sounds.gameOver, &m_sounds.highlight, &m_sounds.clear};
    // One file named on several lines is read and decoded once, and its
    // lines share the clip: six lines naming one big wave hold it once, and
    // count once against the theme's sound budget.
    std::vector<std::pair<std::filesystem::path, SoundClip>> read;
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
            // A file the sound module could never play, or one whose clip
            // the budget has no room left for, keeps the old sound.
            SoundClip clip;
            if (auto bytes = ReadWaveFile(*path)) {
                const uint64_t room = std::min<uint64_t>(budgetLeft, kMaxPcmBytes);
                clip = ToClip(decodeWave(bytes->data(), bytes->size(), static_cast<std::size_t>(room)));
                if (clip)
                    budgetLeft -= clip->size() * sizeof(int16_t);
            }
            same = read.emplace(read.end(), *path, std::move(clip));
        }
        if (same->second)
            *clips[i] = same->second;
    }

    // The background comes last, though its line comes first: decoding a
    // big wave holds its file and a second copy of its samples for a moment,
    // which should not come on top of the largest picture. No step reads what another sets.
    if (auto path = firstFile(theme.backgroundLine)) {
        if (auto picture = ReadPictureFile(*path))
            m_background = WithoutColor(std::move(*picture), qRgb(255, 255, 255));
    }
}

void Theme::loadBuiltInBricks(bool onlyMissing)
{
    for (size_t i = 0; i < kBrickEntryCount; ++i) {
        if (onlyMissing && !m_pictures[i].isNull())
            continue;
        QImage picture = BuiltInBrick(kBuiltInNames[i]);
        if (!picture.isNull())
            m_pictures[i] = BrickPicture(std::move(picture));
    }
}

void Theme::loadBuiltIn()
{
    loadBuiltInBricks(/*onlyMissing=*/false);
    m_background = QImage();

    // The highlight and clear sounds have no built-in wave and stay as they were.
    const std::pair<const char*, SoundClip*> sounds[] = {
        {"GAMEOVER", &m_sounds.gameOver}, {"LAST30", &m_sounds.last30}, {"LASTMIN", &m_sounds.lastMin},
        {"MAIN", &m_sounds.main},         {"NOSOUND", &m_sounds.noSound},
    };
    for (const auto& [name, clip] : sounds) {
        if (SoundClip builtIn = BuiltInSound(name))
            *clip = std::move(builtIn);
    }
}

void Theme::buildSurfaces()
{
    const QRgb transparent = ToQRgb(m_transColor);
    for (size_t i = 0; i < kBrickEntryCount; ++i)
        m_surfaces[i] = WithoutColor(m_pictures[i], transparent);
    ++m_surfaceBuilds;
}
