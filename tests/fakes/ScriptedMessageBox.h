#pragma once

#include "Services.h"

#include <deque>
#include <string>
#include <vector>

// A message box that records what it was asked and answers from a script;
// with the script used up it answers Yes to a question and OK otherwise.
class ScriptedMessageBox final : public MessageBoxService {
public:
    struct Shown {
        std::string text;
        std::string title;
        MessageButtons buttons;
    };

    std::deque<MessageAnswer> answers;
    std::vector<Shown> shown;

    MessageAnswer Show(const DialogText& text, const DialogText& title, MessageButtons buttons) override
    {
        shown.push_back({text.english(), title.english(), buttons});
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
};
