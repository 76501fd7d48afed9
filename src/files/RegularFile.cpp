#include "RegularFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileKind KindOf(const std::filesystem::path& path, bool followLinks)
{
    struct stat info {};
    if ((followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info)) != 0)
        return FileKind::Missing;
    return S_ISREG(info.st_mode) ? FileKind::Regular : S_ISDIR(info.st_mode) ? FileKind::Folder : FileKind::Other;
}

RegularFileHandle::RegularFileHandle(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return;
    }
    m_fd = fd;
    m_size = static_cast<uint64_t>(info.st_size);
}

RegularFileHandle::~RegularFileHandle()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool RegularFileHandle::readUpTo(size_t limit, std::string& out)
{
    out.clear();
    std::array<char, 16 * 1024> chunk;
    while (out.size() < limit) {
        const size_t want = std::min(chunk.size(), limit - out.size());
        const ssize_t got = ::read(m_fd, chunk.data(), want);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        out.append(chunk.data(), static_cast<size_t>(got));
    }
    return true;
}
