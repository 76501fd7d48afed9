#pragma once

#include "GameView.h"

#include <functional>
#include <string>
#include <vector>

// Records what the game asks of its window, in order, e.g. "LoadBricks()",
// "LoadBricks(/themes/a.tlm)", "SizeToBoard(load)", "ProcessEvents".
// onCall runs at each call with its record, to look at the game right then
// or to deliver events that arrive inside ProcessEvents.
class RecordingGameView final : public GameView {
public:
    std::vector<std::string> calls;
    std::function<void(const std::string&)> onCall;

    void ShowWindow() override { record("ShowWindow"); }
    void LoadBricks(const std::string& StrTheme) override { record("LoadBricks(" + StrTheme + ")"); }
    void SizeToBoard(bool atLoad) override { record(atLoad ? "SizeToBoard(load)" : "SizeToBoard(new)"); }
    void ProcessEvents() override { record("ProcessEvents"); }
    void DrawBricks() override { record("DrawBricks"); }
    void ShowNewGameDialog() override { record("ShowNewGameDialog"); }
    void CentreGameOverFrame() override { record("CentreGameOverFrame"); }
    void CentreHighScoreFrame() override { record("CentreHighScoreFrame"); }
    void ShowState() override { record("ShowState"); }

    // The calls without the ShowState refreshes, for checking an order.
    std::vector<std::string> steps() const
    {
        std::vector<std::string> out;
        for (const std::string& call : calls)
            if (call != "ShowState") out.push_back(call);
        return out;
    }

private:
    void record(const std::string& call)
    {
        calls.push_back(call);
        if (onCall) onCall(call);
    }
};
