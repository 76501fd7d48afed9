#pragma once

#include <chrono>
#include <optional>
#include <string>

// Whether the session bus answers, asked the way every client asks it (the
// authentication, then the greeting every connection begins with), within a
// time limit of our own. The bus library waits for those answers without
// any limit, and the toolkit asks for the bus on the main thread before the
// first frame (accessibility), so a bus that accepts connections and never
// answers would keep the window from ever showing.
enum class SessionBusAnswer {
    Answered,     // both answers came in time
    Silent,       // connected, but an answer did not come in time
    Unreachable,  // nothing listens there: the library fails at once too
};

// The socket the bus library would use for this environment: the first
// entry of DBUS_SESSION_BUS_ADDRESS when it is a Unix socket, or
// $XDG_RUNTIME_DIR/bus when the variable is unset and that socket exists.
// An abstract socket's name starts with a NUL byte. Nothing when the
// address is of another kind.
std::optional<std::string> SessionBusSocket(const char* busAddress, const char* runtimeDir);

SessionBusAnswer ProbeSessionBus(const std::string& socketName, std::chrono::milliseconds patience);
