#include "StartUpWarmUp.h"

#include <QDBusConnection>

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

void StartUpWarmUp::startSessionBus()
{
    if (m_fonts.joinable())
        m_fonts.join();
    m_bus = std::thread([] { QDBusConnection::sessionBus(); });
}

StartUpWarmUp::~StartUpWarmUp()
{
    for (std::thread* worker : {&m_fonts, &m_bus}) {
        if (worker->joinable())
            worker->join();
    }
}
