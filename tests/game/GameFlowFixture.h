#pragma once

#include "BoardPaint.h"
#include "GameFlow.h"
#include "MemorySettingsStore.h"
#include "ModSound.h"
#include "RandomSource.h"
#include "RecordingAudioBackend.h"
#include "RecordingGameView.h"
#include "ScriptedFileDialog.h"
#include "ScriptedInputBox.h"
#include "ScriptedMessageBox.h"

#include <gtest/gtest.h>

#include <map>

using Strings = std::vector<std::string>;

// A settings file of the given lines, each ended by CR LF.
inline std::string FileOf(const Strings& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// The game behind a recording window, scripted prompts and an audio back end;
// each sound clip holds its own name, so Played() can read it back.
class GameFlowTest : public ::testing::Test {
public:
    GameFlowTest()
    {
        const std::pair<SoundClip SoundClips::*, std::string> clips[] = {
            {&SoundClips::main, "MAIN"}, {&SoundClips::lastMin, "LASTMIN"}, {&SoundClips::last30, "LAST30"},
            {&SoundClips::gameOver, "GAMEOVER"}, {&SoundClips::clear, "CLEAR"}, {&SoundClips::noSound, "NOSOUND"}};
        for (const auto& [clip, name] : clips)
            sound.clips.*clip = std::make_shared<const PcmClip>(name.begin(), name.end());
    }

    // The sounds handed to the back end, e.g. "MAIN LASTMIN".
    std::string Played() const
    {
        std::string names;
        for (const auto& call : audio.calls)
            names += (names.empty() ? "" : " ") + std::string(call.clip->begin(), call.clip->end());
        return names;
    }

    // The clock as the panel shows it, in seconds, and the controls, e.g. "119s running fill".
    std::string Status() const
    {
        const GameSnapshot s = flow.snapshot();
        return (s.panel.timeLeft ? std::to_string(*s.panel.timeLeft) + "s" : "unshown") + (s.clockRuns ? " running" : "") +
               (s.boardShown ? "" : " hidden") + (s.fillAvailable ? " fill" : "") + (flow.gameOver() ? " over" : "");
    }

    // Starts the program on this settings file (none: no file), then forgets what start-up did.
    void Start(std::optional<std::string> file = std::nullopt)
    {
        settings.file = std::move(file);
        flow.Form_Load();
        view.calls.clear();
        audio.calls.clear();
    }

    void Click(int x, int y) { flow.PicMap_MouseUp(CellCoord{x, y}); }
    void Tick(int count = 1)
    {
        for (int i = 0; i < count; ++i) flow.timSec_Timer();
    }

    // Runs the clock out on a game whose final score is `score`.
    void FinishWith(int32_t score)
    {
        Click(0, 0);
        flow.board.LngTimeLeft = 1;
        flow.board.LngScore = score;
        Tick();
    }

    // Starts a new game of this length from the dialog, the board's size unchanged.
    void NewGameOf(int seconds)
    {
        NewGameTexts texts = NewGameDialogTexts(flow.newGameValues());
        texts.txtGameTime = std::to_string(seconds);
        flow.cmdStart_Click(texts);
    }

    RecordingGameView view;
    RecordingAudioBackend audio;
    ModSound sound{audio};
    SeededRandomSource random{20240601};
    ScriptedMessageBox messages;
    ScriptedInputBox input;
    ScriptedFileDialog files;
    MemorySettingsStore settings;
    GameFlow flow{view, sound, random, messages, input, files, settings, "/opt/tolmora"};
};
