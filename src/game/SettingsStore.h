#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// Where "Settings.log" lives. Reading and writing deal in the file's bytes;
// the text format is SettingsFile's business.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The file's bytes, or nothing when there is no readable file.
    virtual std::optional<std::string> Read() = 0;
    // Replaces the file; false when it could not be written (the old file,
    // if any, is then left as it was).
    virtual bool Write(const std::string& bytes) = 0;
};

// The disk adapter. The file lives in the program's folder when a file can be
// created there, otherwise in $XDG_CONFIG_HOME/Tolmora (~/.config/Tolmora
// without the variable); the folder is chosen once, so reading and writing
// always meet in the same place. Writes go to a new file that is synced and
// then renamed over the old one, so a crash never leaves half a file.
class DiskSettingsStore final : public SettingsStore {
public:
    static constexpr const char* kFileName = "Settings.log";
    // Files larger than this are read only up to it.
    static constexpr std::uintmax_t kMaxReadBytes = 1 << 20;

    // Uses the process environment for the fallback folder.
    explicit DiskSettingsStore(const std::filesystem::path& programFolder);
    // The environment passed explicitly (null = variable not set).
    DiskSettingsStore(const std::filesystem::path& programFolder, const char* xdgConfigHome,
                      const char* home);

    std::optional<std::string> Read() override;
    bool Write(const std::string& bytes) override;

    std::filesystem::path filePath() const { return m_folder / kFileName; }

    // The folder the settings belong in, by the rule above.
    static std::filesystem::path ChooseFolder(const std::filesystem::path& programFolder,
                                              const char* xdgConfigHome, const char* home);

private:
    std::filesystem::path m_folder;
};
