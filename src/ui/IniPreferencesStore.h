#pragma once

#include "PreferencesStore.h"
#include "Services.h"

#include <QString>

#include <filesystem>

// The player's preferences as an INI file a player can also edit by hand:
//
//   [Options]
//   BrickSymbols=false
//   Zoom=100
//   KeepThemeForNewGames=true
//   HighContrastPanel=false
//   Music=true
//   SoundEffects=true
//   PauseWhenInactive=false
//
// A value that is missing, of the wrong kind or out of range reads as its
// default, each key on its own. Only a regular file of modest size is read,
// so a FIFO or a huge file never blocks or floods the game; QSettings writes
// through a new file renamed over the old one, so a crash never leaves half
// a file. A write that fails is warned about on standard error each time,
// and the player is told once, through `tell` when there is one.
class IniPreferencesStore final : public PreferencesStore {
public:
    static constexpr const char* kFileName = "Preferences.ini";
    static constexpr qint64 kMaxFileBytes = 64 * 1024;

    // The file in `folder`, which is the folder that holds "Settings.log".
    explicit IniPreferencesStore(const std::filesystem::path& folder, MessageBoxService* tell = nullptr);

    PlayerPreferences Read() override;
    bool Write(const PlayerPreferences& preferences) override;

    const QString& filePath() const { return m_path; }

private:
    bool write(const PlayerPreferences& preferences);

    QString m_path;
    MessageBoxService* m_tell;
    bool m_told = false;
};
