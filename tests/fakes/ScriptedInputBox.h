#pragma once

#include "Services.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// An input box that records its prompts and answers from a script; with the
// script used up it answers as a cancelled prompt. onAsk runs as a box
// opens, to look at the program while the prompt waits.
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

    std::optional<std::string> Ask(const DialogText& prompt, const DialogText& title,
                                   const std::string& defaultText) override
    {
        asked.push_back({prompt.english(), title.english(), defaultText});
        if (onAsk)
            onAsk();
        if (answers.empty())
            return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
