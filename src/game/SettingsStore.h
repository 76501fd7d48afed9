#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// How a write of "Settings.log" went: when it failed, the file it was meant
// for and the system's reason.
struct SettingsWriteResult {
    bool written = false;
    std::filesystem::path path;
    std::string reason;
};

// Where "Settings.log" lives. Reading and writing deal in the file's bytes;
// the text format is SettingsFile's business.
class SettingsStore {
public:
    // Turns the file as it is now (nothing when there is none or it cannot be
    // read) into the bytes that replace it.
    using Compose = std::function<std::string(const std::optional<std::string>& onDisk)>;

    virtual ~SettingsStore() = default;
    // Start-up's read: the file's bytes, an empty file being created when
    // there is none; nothing when there is no regular file to read.
    virtual std::optional<std::string> Read() = 0;
    // Replaces the file with what `compose` makes of it. No other copy of the
    // game writes between that read and the replacement; on failure the old
    // file, if any, is left as it was.
    virtual SettingsWriteResult Write(const Compose& compose) = 0;
};

// The disk adapter. The file lives in the program's folder when the player
// may create files there, otherwise in $XDG_CONFIG_HOME/Tolmora
// (~/.config/Tolmora without the variable); the folder is chosen once,
// without writing anything, so reading and writing always meet in the same
// place. Only a regular file is read, and only up to
// kMaxReadBytes: a folder, a FIFO or a device reads as no file.
//
// A write goes to a new file beside the old one, which is synced and then
// renamed over it, so a crash or a full disk never leaves half a file. The
// new file takes the old one's mode, and a symbolic link is written through
// to its target, as editors do. What is not a regular file the player may
// write (a folder, a FIFO, a device, a read-only file, or a link to one of
// them) is left as it is, and the write fails. An advisory lock on the old file keeps two
// copies of the game from replacing it at the same time.
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
    SettingsWriteResult Write(const Compose& compose) override;

    std::filesystem::path filePath() const { return m_folder / kFileName; }

    // Whether the program's folder may hold the file. Root may write nearly
    // anywhere, so for root the folder's mode must also let its owner write,
    // and the system's tree (/usr, /opt) never holds it: an installed copy
    // keeps its settings per user, even when root plays.
    static bool ProgramFolderTakesFiles(const std::filesystem::path& folder, bool asRoot);
    // The folder the settings belong in, by the rule above.
    static std::filesystem::path ChooseFolder(const std::filesystem::path& programFolder,
                                              const char* xdgConfigHome, const char* home);

private:
    std::filesystem::path m_folder;
};
