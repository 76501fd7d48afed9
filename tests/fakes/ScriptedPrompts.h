#pragma once

#include "Services.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Message boxes answered from a script; an unscripted box answers No (or Ok).
class ScriptedMessageBox final : public MessageBoxService {
public:
    struct Shown {
        std::string text;
        std::string title;
        MessageButtons buttons;
    };
    std::deque<MessageAnswer> answers;
    std::vector<Shown> shown;

    MessageAnswer Show(const std::string& text, const std::string& title, MessageButtons buttons) override
    {
        shown.push_back({text, title, buttons});
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const Shown& s : shown) out.push_back(s.text);
        return out;
    }
};

// Input boxes answered from a script; an unscripted box is cancelled.
// onAsk runs when a box opens, to look at the game while it waits.
class ScriptedInputBox final : public InputBoxService {
public:
    struct Asked {
        std::string prompt;
        std::string title;
        std::string defaultText;
    };
    std::deque<std::optional<std::string>> answers;
    std::vector<Asked> asked;
    std::function<void()> onAsk;

    std::optional<std::string> Ask(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) override
    {
        asked.push_back({prompt, title, defaultText});
        if (onAsk) onAsk();
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// The open-file dialog returning a set path ("" = cancelled).
class ScriptedFileDialog final : public FileDialogService {
public:
    std::string answer;
    std::vector<std::filesystem::path> startFolders;

    std::string ShowThemeDialog(const std::filesystem::path& startFolder) override
    {
        startFolders.push_back(startFolder);
        return answer;
    }
};
