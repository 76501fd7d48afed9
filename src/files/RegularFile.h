#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// What a name leads to: links are followed, or with `followLinks` false a
// link is Other. Missing is also a name that cannot be looked up; errno then
// says why (ENOENT for no file, or for a link to nothing).
enum class FileKind { Missing, Regular, Folder, Other };
FileKind KindOf(const std::filesystem::path& path, bool followLinks = true);
inline bool IsRegularFile(const std::filesystem::path& path) { return KindOf(path) == FileKind::Regular; }

// An open descriptor of a regular file. O_NONBLOCK keeps open() itself from
// waiting on a FIFO that was swapped in after a check; the type is checked
// on the open descriptor, so no such swap can get past it.
class RegularFileHandle {
public:
    explicit RegularFileHandle(const std::filesystem::path& path);
    ~RegularFileHandle();
    RegularFileHandle(const RegularFileHandle&) = delete;
    RegularFileHandle& operator=(const RegularFileHandle&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    uint64_t size() const { return m_size; }
    int fd() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

    // Reads up to `limit` bytes into `out`; false on a read error.
    bool readUpTo(size_t limit, std::string& out);

private:
    int m_fd = -1;
    uint64_t m_size = 0;
};
