#include "SessionBusProbe.h"

#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The address grammar escapes bytes as %xx.
std::string Unescaped(const std::string& value)
{
    const auto digit = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '%' && i + 2 < value.size() && digit(value[i + 1]) && digit(value[i + 2])) {
            out += static_cast<char>(std::strtol(value.substr(i + 1, 2).c_str(), nullptr, 16));
            i += 2;
        } else {
            out += value[i];
        }
    }
    return out;
}

// The greeting, a method call to the bus with no arguments, as the wire
// format lays it out: a fixed header, the header fields (path, destination,
// interface, member), each aligned to 8 bytes, and no body.
std::string HelloMessage()
{
    std::string fields;
    const auto field = [&fields](char code, char type, const std::string& value) {
        fields.resize((fields.size() + 7) / 8 * 8, '\0');
        fields += {code, 1, type, '\0'};
        const uint32_t length = static_cast<uint32_t>(value.size());
        fields.append(reinterpret_cast<const char*>(&length), 4);
        fields += value;
        fields += '\0';
    };
    field(1, 'o', "/org/freedesktop/DBus");
    field(6, 's', "org.freedesktop.DBus");
    field(2, 's', "org.freedesktop.DBus");
    field(3, 's', "Hello");
    std::string message = {'l', 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0};
    const uint32_t length = static_cast<uint32_t>(fields.size());
    message.append(reinterpret_cast<const char*>(&length), 4);
    message += fields;
    message.resize((message.size() + 7) / 8 * 8, '\0');
    return message;
}

class Connection {
public:
    explicit Connection(Clock::time_point deadline) : m_deadline(deadline) {}
    ~Connection()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    // False when nothing listens there.
    bool open(const std::string& name)
    {
        sockaddr_un address{};
        if (name.empty() || name.size() >= sizeof address.sun_path)
            return false;
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, name.data(), name.size());
        const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + name.size() + (name[0] ? 1 : 0));
        m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        // A full backlog answers EAGAIN at once; it is tried again until the deadline.
        while (m_fd >= 0 && ::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), size) != 0) {
            if ((errno != EAGAIN && errno != EINTR) || Clock::now() >= m_deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return m_fd >= 0;
    }

    bool send(const std::string& bytes)
    {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::send(m_fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
            if (n > 0)
                done += static_cast<std::size_t>(n);
            else if ((n < 0 && errno != EAGAIN && errno != EINTR) || !wait(POLLOUT))
                return false;
        }
        return true;
    }

    // Up to `size` bytes, at least one, before the deadline.
    std::optional<std::string> receive(std::size_t size)
    {
        std::string bytes(size, '\0');
        for (;;) {
            const ssize_t n = ::recv(m_fd, bytes.data(), size, 0);
            if (n > 0)
                return bytes.substr(0, static_cast<std::size_t>(n));
            if ((n < 0 && errno != EAGAIN && errno != EINTR) || n == 0 || !wait(POLLIN))
                return std::nullopt;
        }
    }

private:
    bool wait(short events)
    {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(m_deadline - Clock::now());
        pollfd entry{m_fd, events, 0};
        return left.count() > 0 && ::poll(&entry, 1, static_cast<int>(left.count())) > 0;
    }

    int m_fd = -1;
    Clock::time_point m_deadline;
};

}  // namespace

std::optional<std::string> SessionBusSocket(const char* busAddress, const char* runtimeDir)
{
    if (!busAddress) {
        if (!runtimeDir || runtimeDir[0] != '/')
            return std::nullopt;
        const std::string path = std::string(runtimeDir) + "/bus";
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode))
            return std::nullopt;
        return path;
    }
    std::string first = busAddress;
    first = first.substr(0, first.find(';'));
    if (first.rfind("unix:", 0) != 0)
        return std::nullopt;
    std::string keys = first.substr(5);
    while (!keys.empty()) {
        const std::string pair = keys.substr(0, keys.find(','));
        keys.erase(0, std::min(keys.size(), pair.size() + 1));
        if (pair.rfind("path=", 0) == 0)
            return Unescaped(pair.substr(5));
        if (pair.rfind("abstract=", 0) == 0)
            return '\0' + Unescaped(pair.substr(9));
    }
    return std::nullopt;
}

SessionBusAnswer ProbeSessionBus(const std::string& socketName, std::chrono::milliseconds patience)
{
    Connection bus(Clock::now() + patience);
    if (!bus.open(socketName))
        return SessionBusAnswer::Unreachable;
    // The EXTERNAL mechanism names our user id, as hexadecimal digits of its decimal text.
    std::string user;
    for (const char digit : std::to_string(::geteuid())) {
        static const char kHex[] = "0123456789abcdef";
        user += {kHex[digit >> 4], kHex[digit & 15]};
    }
    if (!bus.send(std::string(1, '\0') + "AUTH EXTERNAL " + user + "\r\n"))
        return SessionBusAnswer::Silent;
    std::string said;
    while (said.find("\r\n") == std::string::npos && said.size() < 512) {
        const std::optional<std::string> more = bus.receive(512 - said.size());
        if (!more)
            return SessionBusAnswer::Silent;
        said += *more;
    }
    // Refused: the library tries its other ways, and gets its answers as quickly.
    if (said.rfind("OK ", 0) != 0)
        return SessionBusAnswer::Answered;
    if (!bus.send("BEGIN\r\n" + HelloMessage()) || !bus.receive(1))
        return SessionBusAnswer::Silent;
    return SessionBusAnswer::Answered;
}
