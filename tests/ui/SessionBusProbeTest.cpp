#include "SessionBusProbe.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

struct AddressCase {
    const char* address;
    const char* runtimeDir;
    std::optional<std::string> socket;
};

// The socket the bus library would use: the first entry of the address when it is a Unix one, escapes undone, an
// abstract name marked by its NUL; no address falls back to the runtime folder's socket only when it exists.
TEST(SessionBusAddress, TheSocketTheLibraryWouldUse)
{
    const AddressCase cases[] = {
        {"unix:path=/run/user/1000/bus", nullptr, "/run/user/1000/bus"},
        {"unix:abstract=/tmp/dbus-x,guid=1f", nullptr, std::string(1, '\0') + "/tmp/dbus-x"},
        {"unix:guid=1f,path=/tmp/a%20b%2", nullptr, "/tmp/a b%2"},
        {"unix:path=/a;tcp:host=localhost,port=1", nullptr, "/a"},
        {"tcp:host=localhost,port=1;unix:path=/a", nullptr, {}},
        {"disabled:", nullptr, {}},
        {"unix:tmpdir=/tmp", nullptr, {}},
        {nullptr, "/nonexistent", {}},
        {nullptr, "relative", {}},
        {nullptr, nullptr, {}},
    };
    for (const AddressCase& c : cases)
        EXPECT_EQ(SessionBusSocket(c.address, c.runtimeDir), c.socket) << (c.address ? c.address : "(unset)");
}

// A listener that never answers is called silent once the patience is spent, not later; no listener at all is
// unreachable at once.
TEST(SessionBusAddress, ASilentBusIsGivenUpOnInTime)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("bus").toStdString();
    EXPECT_EQ(ProbeSessionBus(path, std::chrono::milliseconds(2000)), SessionBusAnswer::Unreachable);

    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 4), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ProbeSessionBus(path, std::chrono::milliseconds(200)), SessionBusAnswer::Silent);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    ::close(listener);
}

}  // namespace
