#pragma once

#include <thread>

// Work the first frame waits for that does not need the main thread, begun
// on other threads so that it overlaps what does: the font configuration is
// read while the toolkit connects to the display, and the session bus, which
// accessibility asks for as the first widget shows, is reached (or started,
// where the desktop starts it on demand) while the window is built.
class StartUpWarmUp {
public:
    // Before the application object exists.
    void startFonts();
    // Once the application object exists. Waits for the fonts, so that the
    // toolkit's font database never reads the configuration a second time.
    void startSessionBus();
    ~StartUpWarmUp();

private:
    std::thread m_fonts;
    std::thread m_bus;
};
