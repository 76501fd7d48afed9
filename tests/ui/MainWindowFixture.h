#pragma once

#include "ModSound.h"
#include "RandomSource.h"
#include "RecordingAudioBackend.h"
#include "ScriptedFileDialog.h"
#include "ScriptedInputBox.h"
#include "ScriptedMessageBox.h"
#include "SettingsStore.h"
#include "frmMain.h"

#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Fails the running test and closes any modal dialog that opens: every
// prompt of the game goes through a scripted service, so a real one showing
// up is a fault, and it must not hang the suite.
class ModalWatchdog {
public:
    ModalWatchdog();
    ~ModalWatchdog();

private:
    QTimer m_timer;
};

// A settings file of the given lines, each ended by CR LF.
std::string SettingsText(std::initializer_list<std::string> lines);

// The real main window on the offscreen platform, started from a temporary
// program folder with scripted prompts, a recording audio back end and a
// fixed seed.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Writes "Settings.log" into the program folder before start-up.
    void WriteSettings(const std::string& text);
    // Builds the window and runs its start-up.
    frmMain& Start();
    // Closes the window as the player would and returns the file's lines
    // (CR LF removed), or nothing when there is no file.
    std::optional<std::vector<std::string>> CloseAndReadSettings();
    std::optional<std::vector<std::string>> ReadSettings() const;

    // The window's client area: everything below the menu bar.
    QSize Client() const;
    // Sets the client area's size as a player dragging the border would.
    void ResizeClient(int width, int height);

    // Clicks a cell of the board, or a pixel of the board surface, at the
    // window: Qt finds the widget under the pointer, as for a player.
    void ClickCell(int column, int row, Qt::MouseButton button = Qt::LeftButton);
    void ClickBoardPixel(QPoint pixel, Qt::MouseButton button = Qt::LeftButton);
    // Clicks a point of the viewport's interior.
    void ClickViewport(QPoint point);
    // One tick of the running clock; fails the test when the clock is stopped.
    void Tick();
    // Starts a new game through the menu, the confirmation and the dialog.
    void NewGameThroughDialog(const std::string& columns, const std::string& rows, const std::string& seconds);
    // The sounds handed to the platform so far, by name.
    std::vector<std::string> Played() const;
    // A cell holding a brick with a same-coloured neighbour, if any.
    std::optional<std::pair<int, int>> CellOfGroup() const;

    GameFlow& game() { return window->game(); }

    QTemporaryDir folder;
    RecordingAudioBackend audio;
    ModSound sound{audio};
    SeededRandomSource random{20240607};
    ScriptedMessageBox messages;
    ScriptedInputBox input;
    ScriptedFileDialog files;
    std::unique_ptr<DiskSettingsStore> settings;
    std::unique_ptr<frmMain> window;

private:
    ModalWatchdog m_watchdog;
};
