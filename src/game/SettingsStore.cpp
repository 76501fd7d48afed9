#include "SettingsStore.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A name no other writer in the folder uses at the same time.
fs::path uniqueSibling(const fs::path& folder, const char* what)
{
    static std::atomic<unsigned> counter{0};
    return folder / (std::string(".") + DiskSettingsStore::kFileName + "." + what + "." +
                     std::to_string(::getpid()) + "." + std::to_string(counter++));
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

// Whether a new file can be created in the folder: permission bits alone do
// not say so (read-only mounts, access lists, a missing folder).
bool folderAcceptsFiles(const fs::path& folder)
{
    if (folder.empty()) return false;
    const fs::path probe = uniqueSibling(folder, "probe");
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
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

fs::path DiskSettingsStore::ChooseFolder(const fs::path& programFolder, const char* xdgConfigHome,
                                         const char* home)
{
    if (folderAcceptsFiles(programFolder)) return programFolder;
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base
    // directory rules ask.
    if (xdgConfigHome && fs::path(xdgConfigHome).is_absolute()) return fs::path(xdgConfigHome) / "Tolmora";
    if (home && *home) return fs::path(home) / ".config" / "Tolmora";
    return programFolder;
}

std::optional<std::string> DiskSettingsStore::Read()
{
    std::error_code error;
    const fs::path path = filePath();
    if (!fs::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    // Read in pieces: a settings file is a few hundred bytes, and a buffer of
    // the whole limit would be allocated and cleared at every start.
    std::string bytes;
    char piece[4096];
    while (bytes.size() < kMaxReadBytes) {
        in.read(piece, static_cast<std::streamsize>(std::min(sizeof piece, kMaxReadBytes - bytes.size())));
        bytes.append(piece, static_cast<std::size_t>(in.gcount()));
        if (!in) break;
    }
    return bytes;
}

bool DiskSettingsStore::Write(const std::string& bytes)
{
    std::error_code error;
    fs::create_directories(m_folder, error);
    const fs::path temporary = uniqueSibling(m_folder, "new");
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), filePath().c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    // The rename itself is only durable once the folder is synced.
    const int folderFd = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
}
