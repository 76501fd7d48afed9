#pragma once

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

#include <initializer_list>
#include <map>
#include <optional>
#include <string>

// A settings file of the given lines, each ended by CR LF.
inline std::string FileOf(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// The game behind a recording window, scripted prompts and an audio back end;
// each sound image is labelled so that Played() can name it.
class GameFlowTest : public ::testing::Test {
protected:
    GameFlowTest()
    {
        const auto label = [&](SoundBytes& bytes, const std::string& name) {
            bytes = std::make_shared<const std::vector<uint8_t>>(name.begin(), name.end());
            m_soundNames[bytes.get()] = name;
        };
        label(sound.BytMain, "MAIN");
        label(sound.BytLastMin, "LASTMIN");
        label(sound.BytLast30, "LAST30");
        label(sound.BytGameOver, "GAMEOVER");
        label(sound.BytHighlight, "HIGHLIGHT");
        label(sound.BytClear, "CLEAR");
        label(sound.BytNoSound, "NOSOUND");
    }

    // The sounds handed to the platform, by name.
    std::vector<std::string> Played() const
    {
        std::vector<std::string> names;
        for (const auto& call : audio.calls) {
            const auto name = m_soundNames.find(call.wave.get());
            names.push_back(name == m_soundNames.end() ? "?" : name->second);
        }
        return names;
    }

    // Starts the program on this settings file (none: no file), then forgets
    // what start-up did.
    void Start(std::optional<std::string> file = std::nullopt)
    {
        settings.file = std::move(file);
        flow.Form_Load();
        view.calls.clear();
        audio.calls.clear();
    }

    // Colours the board, rows from the top: R, B, G, Y, or . for an empty cell.
    void Paint(std::initializer_list<std::string> rows)
    {
        int y = 0;
        for (const std::string& row : rows) {
            for (int x = 0; x < static_cast<int>(row.size()); ++x) {
                const char c = row[static_cast<size_t>(x)];
                flow.board.bricks().ItemByXY(x, y)->StrColor = c == 'R' ? "Red" : c == 'B' ? "Blue"
                                                               : c == 'G' ? "Green" : c == 'Y' ? "Yellow" : "None";
            }
            ++y;
        }
    }

    void Click(int x, int y) { flow.PicMap_MouseUp(32.0 * x + 5, 32.0 * y + 5); }
    void Tick(int count = 1)
    {
        for (int i = 0; i < count; ++i) flow.timSec_Timer();
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

private:
    std::map<const std::vector<uint8_t>*, std::string> m_soundNames;
};
