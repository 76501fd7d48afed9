#include "StartUpWarmUp.h"

#include "SessionBusProbe.h"

#include <QDBusConnection>

#include <cstdio>
#include <cstdlib>

#ifdef TOLMORA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

void StartUpWarmUp::startFonts()
{
#ifdef TOLMORA_HAVE_FONTCONFIG
    // The library keeps the configuration it loads once for the process.
    m_fonts = std::thread([] { FcInit(); });
#endif
}

void StartUpWarmUp::checkSessionBus()
{
    // An address the probe does not speak (tcp, autolaunch) is left to the library.
    const std::optional<std::string> socket =
        SessionBusSocket(std::getenv("DBUS_SESSION_BUS_ADDRESS"), std::getenv("XDG_RUNTIME_DIR"));
    if (!socket || ProbeSessionBus(*socket, kBusPatience) != SessionBusAnswer::Silent)
        return;
    // No other thread may read the environment while it changes.
    if (m_fonts.joinable())
        m_fonts.join();
    std::fprintf(stderr, "tolmora: the session bus did not answer within %lld ms; playing without it\n",
                 static_cast<long long>(kBusPatience.count()));
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

void StartUpWarmUp::startSessionBus()
{
    if (m_fonts.joinable())
        m_fonts.join();
    std::promise<void> connected;
    m_busConnected = connected.get_future();
    m_bus = std::thread([connected = std::move(connected)]() mutable {
        QDBusConnection::sessionBus();
        connected.set_value();
    });
}

StartUpWarmUp::~StartUpWarmUp()
{
    if (m_fonts.joinable())
        m_fonts.join();
    if (!m_bus.joinable())
        return;
    // A bus that answered the probe and then stopped answering keeps the
    // connection waiting; the program ends without waiting for it.
    if (m_busConnected.wait_for(std::chrono::seconds(1)) == std::future_status::ready)
        m_bus.join();
    else
        m_bus.detach();
}
