#pragma once

#include <chrono>
#include <future>
#include <thread>

// Work the first frame waits for that does not need the main thread, begun
// on other threads so that it overlaps what does: the font configuration is
// read while the session bus is asked whether it answers, and the bus, which
// accessibility asks for as the first widget shows, is reached while the
// window is built. Nothing here waits without a bound: a bus that does not
// answer in time is not used by this process at all, and the program's exit
// waits for the connection only briefly.
class StartUpWarmUp {
public:
    static constexpr std::chrono::milliseconds kBusPatience{2000};

    // Before the application object exists.
    void startFonts();
    // Before the application object exists, which may ask for the bus as it
    // starts (input methods, desktop portals). Waits for the bus's answer up
    // to kBusPatience; without one, the bus address is switched off for this
    // process, so that neither we nor the toolkit ever wait on it.
    void checkSessionBus();
    // Once the application object exists. Waits for the fonts, so that the
    // toolkit's font database never reads the configuration a second time.
    void startSessionBus();
    ~StartUpWarmUp();

private:
    std::thread m_fonts;
    std::thread m_bus;
    std::future<void> m_busConnected;
};
