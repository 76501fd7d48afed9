#include "SettingsStore.h"

#include "RegularFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A name beside `file` that no other writer uses at the same time.
fs::path uniqueSibling(const fs::path& file, const char* what)
{
    static std::atomic<unsigned> counter{0};
    return file.parent_path() / ("." + file.filename().string() + "." + what + "." + std::to_string(::getpid()) +
                                 "." + std::to_string(counter++));
}

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Where a write must go: the file a chain of symbolic links ends at, so the
// links themselves stay. A dangling link names the file to create.
fs::path linkTarget(fs::path path)
{
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(path, error)) break;
        const fs::path next = fs::read_symlink(path, error);
        if (error) break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

void createIfMissing(const fs::path& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd >= 0) ::close(fd);
}

bool lockWithin(int fd, std::chrono::milliseconds patience)
{
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// The settings file, open and locked. A writer that held the lock before us
// has renamed its new file over the one we locked, so the lock only counts
// on the file the name gives now. Someone else's lock is not waited for
// longer than a few seconds: the file is then read unlocked, since a lost
// race beats an exit that hangs. Nothing when no regular file can be read.
std::unique_ptr<RegularFileHandle> openLocked(const fs::path& path)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        auto file = std::make_unique<RegularFileHandle>(path);
        if (!file->isOpen()) return nullptr;
        if (!lockWithin(file->fd(), std::chrono::seconds(3))) return file;
        struct stat opened {}, named {};
        if (::fstat(file->fd(), &opened) == 0 && ::stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
            opened.st_ino == named.st_ino)
            return file;
    }
    return nullptr;
}

// A writer killed before its rename leaves its new file behind, named with
// its process id: start-up removes those whose writer is gone.
void removeLeftNewFiles(const fs::path& target)
{
    const std::string prefix = "." + target.filename().string() + ".new.";
    std::error_code error;
    fs::directory_iterator entry(target.parent_path(), error);
    // A program folder may hold many files; we look at a bounded number.
    for (int seen = 0; !error && entry != fs::directory_iterator() && seen < 10000; entry.increment(error), ++seen) {
        const std::string name = entry->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const long writer = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
        std::error_code ignored;
        if (writer > 0 && ::kill(static_cast<pid_t>(writer), 0) != 0 && errno == ESRCH) fs::remove(entry->path(), ignored);
    }
}

void syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

DiskSettingsStore::DiskSettingsStore(const fs::path& programFolder)
    : DiskSettingsStore(programFolder, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"))
{
}

DiskSettingsStore::DiskSettingsStore(const fs::path& programFolder, const char* xdgConfigHome, const char* home)
    : m_folder(ChooseFolder(programFolder, xdgConfigHome, home))
{
}

bool DiskSettingsStore::ProgramFolderTakesFiles(const fs::path& folder, bool asRoot)
{
    struct stat info {};
    if (folder.empty() || ::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    // Asked of the system rather than read from the mode bits, so access lists
    // and read-only mounts count.
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) return false;
    if (!asRoot) return true;
    if (!(info.st_mode & S_IWUSR)) return false;
    std::error_code error;
    const fs::path real = fs::canonical(folder, error);
    if (error) return false;
    for (const fs::path system : {"/usr", "/opt"}) {
        if (std::mismatch(system.begin(), system.end(), real.begin(), real.end()).first == system.end())
            return false;
    }
    return true;
}

fs::path DiskSettingsStore::ChooseFolder(const fs::path& programFolder, const char* xdgConfigHome,
                                         const char* home)
{
    if (ProgramFolderTakesFiles(programFolder, ::geteuid() == 0)) return programFolder;
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base
    // directory rules ask.
    if (xdgConfigHome && fs::path(xdgConfigHome).is_absolute()) return fs::path(xdgConfigHome) / "Tolmora";
    if (home && *home) return fs::path(home) / ".config" / "Tolmora";
    return programFolder;
}

std::optional<std::string> DiskSettingsStore::Read()
{
    std::error_code ignored;
    fs::create_directories(m_folder, ignored);
    const fs::path target = linkTarget(filePath());
    removeLeftNewFiles(target);
    createIfMissing(target);
    RegularFileHandle file(filePath());
    if (!file.isOpen()) return std::nullopt;
    // What could be read before an error is still used.
    std::string bytes;
    file.readUpTo(kMaxReadBytes, bytes);
    return bytes;
}

SettingsWriteResult DiskSettingsStore::Write(const Compose& compose)
{
    std::error_code folderError;
    fs::create_directories(m_folder, folderError);
    const fs::path target = linkTarget(filePath());
    const auto failed = [&](int error) { return SettingsWriteResult{false, target, std::strerror(error)}; };
    // A folder, a FIFO, a device or a link to one was put there on purpose (a link to
    // /dev/null keeps nothing); a rename over it would replace it, and as
    // root even a device.
    const FileKind kind = KindOf(target);
    if (kind == FileKind::Folder) return failed(EISDIR);
    if (kind == FileKind::Other) return SettingsWriteResult{false, target, "Not a regular file"};
    // A file the player made read-only is kept as it is, though the folder
    // would let a new one be renamed over it.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT) return failed(errno);

    // Created first when missing, so that there is a file to lock.
    createIfMissing(target);
    const std::unique_ptr<RegularFileHandle> locked = openLocked(target);
    std::optional<std::string> onDisk;
    struct stat old {};
    bool keepMode = false;
    if (locked) {
        std::string bytes;
        if (locked->readUpTo(kMaxReadBytes, bytes)) onDisk = std::move(bytes);
        keepMode = ::fstat(locked->fd(), &old) == 0;
    } else {
        // A file we may not read still hands its mode on to the new one.
        keepMode = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    }
    const std::string bytes = compose(onDisk);

    const fs::path temporary = uniqueSibling(target, "new");
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return failed(folderError && errno == ENOENT ? folderError.value() : errno);
    int error = 0;
    // Best effort: a file system without modes still takes the file.
    if (keepMode) (void)::fchmod(fd, old.st_mode & 07777);
    if ((!writeAll(fd, bytes) || ::fsync(fd) != 0)) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(temporary.c_str());
        return failed(error);
    }
    // The rename itself is only durable once the folder is synced.
    syncFolder(target.parent_path());
    return {true, target, {}};
}
