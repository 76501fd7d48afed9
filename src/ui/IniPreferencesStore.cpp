#include "IniPreferencesStore.h"

#include "BoardGeometry.h"
#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <iostream>
#include <optional>

namespace {
const QString kGroup = QStringLiteral("Options");
const QString kBrickSymbols = QStringLiteral("BrickSymbols");
const QString kZoom = QStringLiteral("Zoom");
const QString kKeepTheme = QStringLiteral("KeepThemeForNewGames");
const QString kHighContrast = QStringLiteral("HighContrastPanel");
const QString kMusic = QStringLiteral("Music");
const QString kSoundEffects = QStringLiteral("SoundEffects");
const QString kPauseWhenInactive = QStringLiteral("PauseWhenInactive");

// A value as text. A hand-edited file gives text, QSettings' cache in this
// process the typed values it wrote; a list (a value with commas) or a
// stored picture or rectangle is no text.
std::optional<QString> TextOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList || !value.canConvert<QString>())
        return std::nullopt;
    return value.toString().trimmed().toLower();
}

// QVariant would call any non-empty word true; only the usual spellings count.
bool FlagOf(const QVariant& value, bool fallback)
{
    const std::optional<QString> text = TextOf(value);
    if (!text)
        return fallback;
    for (const char* yes : {"true", "1", "yes", "on"})
        if (*text == QLatin1String(yes))
            return true;
    for (const char* no : {"false", "0", "no", "off"})
        if (*text == QLatin1String(no))
            return false;
    return fallback;
}

int ZoomOf(const QVariant& value, int fallback)
{
    const std::optional<QString> text = TextOf(value);
    bool ok = false;
    const int zoom = text ? text->toInt(&ok) : 0;
    return ok ? ZoomStepOrActualSize(zoom) : fallback;
}

// Anything other than no file or a regular file of modest size is left
// alone: neither read nor replaced.
bool SafeToOpen(const QString& path)
{
    const FileKind kind = KindOf(QFile::encodeName(path).constData());
    return kind == FileKind::Missing ||
           (kind == FileKind::Regular && QFileInfo(path).size() <= IniPreferencesStore::kMaxFileBytes);
}
}  // namespace

IniPreferencesStore::IniPreferencesStore(const std::filesystem::path& folder, MessageBoxService* tell)
    : m_path(QString::fromStdString((folder / kFileName).string())), m_tell(tell)
{
}

PlayerPreferences IniPreferencesStore::Read()
{
    PlayerPreferences read;
    if (!QFileInfo::exists(m_path) || !SafeToOpen(m_path))
        return read;
    QSettings file(m_path, QSettings::IniFormat);
    file.beginGroup(kGroup);
    read.brickSymbols = FlagOf(file.value(kBrickSymbols), read.brickSymbols);
    read.zoomPercent = ZoomOf(file.value(kZoom), read.zoomPercent);
    read.keepThemeForNewGames = FlagOf(file.value(kKeepTheme), read.keepThemeForNewGames);
    read.highContrastPanel = FlagOf(file.value(kHighContrast), read.highContrastPanel);
    read.music = FlagOf(file.value(kMusic), read.music);
    read.soundEffects = FlagOf(file.value(kSoundEffects), read.soundEffects);
    read.pauseWhenInactive = FlagOf(file.value(kPauseWhenInactive), read.pauseWhenInactive);
    return read;
}

bool IniPreferencesStore::Write(const PlayerPreferences& preferences)
{
    if (write(preferences))
        return true;
    std::cerr << "tolmora: warning: could not write " << m_path.toStdString() << std::endl;
    if (m_tell && !m_told) {
        m_told = true;
        m_tell->Show({TOLMORA_TEXT("Tolmora", "Your preferences could not be saved to %1."), {m_path.toStdString()}},
                     TOLMORA_TEXT("Tolmora", "Tolmora"), MessageButtons::Ok);
    }
    return false;
}

bool IniPreferencesStore::write(const PlayerPreferences& preferences)
{
    // A file too large to be ours is damage; it goes rather than keeping
    // the player's choices from ever being saved.
    const QFileInfo info(m_path);
    if (info.isFile() && info.size() > kMaxFileBytes)
        QFile::remove(m_path);
    if (!SafeToOpen(m_path))
        return false;
    QSettings file(m_path, QSettings::IniFormat);
    // Whatever else the file held (damage, old keys) is dropped.
    file.clear();
    file.beginGroup(kGroup);
    file.setValue(kBrickSymbols, preferences.brickSymbols);
    file.setValue(kZoom, preferences.zoomPercent);
    file.setValue(kKeepTheme, preferences.keepThemeForNewGames);
    file.setValue(kHighContrast, preferences.highContrastPanel);
    file.setValue(kMusic, preferences.music);
    file.setValue(kSoundEffects, preferences.soundEffects);
    file.setValue(kPauseWhenInactive, preferences.pauseWhenInactive);
    file.endGroup();
    file.sync();
    // A format error only says the old file was damaged; it is replaced all the same.
    return file.status() != QSettings::AccessError;
}
