#pragma once

#include "DialogText.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// Platform services the game asks for, in the game's own terms. The window
// layer provides Qt-backed versions; tests pass scripted ones.

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MessageAnswer Show(const DialogText& text, const DialogText& title, MessageButtons buttons) = 0;
};

class InputBoxService {
public:
    virtual ~InputBoxService() = default;
    // The player's answer, or nothing when the prompt was cancelled.
    virtual std::optional<std::string> Ask(const DialogText& prompt, const DialogText& title,
                                           const std::string& defaultText) = 0;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen path, or an empty string when the player cancelled.
    virtual std::string ShowThemeDialog(const std::filesystem::path& startFolder) = 0;
};

class GameClock {
public:
    virtual ~GameClock() = default;
    // Milliseconds on a clock that never goes back; only differences count.
    virtual int64_t SteadyMs() = 0;
};

class Calendar {
public:
    virtual ~Calendar() = default;
    // Today on the player's own calendar, as the number YYYYMMDD: 20261207.
    virtual uint32_t Today() = 0;
};
