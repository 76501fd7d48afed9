#pragma once

#include "FindControl.h"
#include "BackgroundHistory.h"
#include "IniPreferencesStore.h"
#include "RandomSource.h"
#include "RecordingAudioBackend.h"
#include "ScriptedFileDialog.h"
#include "ScriptedInputBox.h"
#include "ScriptedMessageBox.h"
#include "SettingsStore.h"
#include "frmMain.h"

#include <QPoint>
#include <QSize>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

inline std::string FileOf(const Lines& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// A whole file as written: the settings lines, then the table padded with empty names and 0 to ten entries.
inline std::string Written(Lines lines, Lines table = {})
{
    while (table.size() < 20)
        table.insert(table.end(), {"", "0"});
    lines.insert(lines.end(), table.begin(), table.end());
    return FileOf(lines);
}

// The real main window on the offscreen platform, started from a temporary program folder with scripted prompts,
// a recording audio back end and a fixed seed. A real modal dialog would hang the suite: it fails the test instead.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Runs start-up, on this "Settings.log" when given.
    void Start(std::optional<std::string> file = std::nullopt);
    std::string ReadSettings() const;

    // Viewport size, board offset, each bar's maximum and value: "547x388 at 0,0 H 1/0 V hidden 32/0".
    std::string Layout() const;
    QSize Client() const;
    // Sizes the client area as a player dragging the border would.
    void ResizeClient(int width, int height);

    // Clicks at the window, so Qt finds the widget under the pointer as for a player.
    void Click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void ClickCell(QPoint cell, Qt::MouseButton button = Qt::LeftButton);
    // Sent to the window, not to a widget: the window finds who takes them, with no click first.
    void Keys(std::initializer_list<Qt::Key> keys, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Tick(int count = 1);

    // New Game, confirmed with Yes; then Start with these texts.
    frmNewGame* OpenNewGame();
    void StartNewGame(const char* columns, const char* rows, const char* seconds);

    GameFlow& game() { return window->game(); }
    // A control of the main window by its name.
    template <class T>
    T* Control(const char* name) const
    {
        return FindControl<T>(*window, name);
    }

    QTemporaryDir folder;
    RecordingAudioBackend audio;
    ModSound sound{audio};
    SeededRandomSource random{20240607};
    ScriptedMessageBox messages;
    ScriptedInputBox input;
    ScriptedFileDialog files;
    DiskSettingsStore settings{folder.path().toStdString(), nullptr, nullptr};
    IniPreferencesStore preferences{folder.path().toStdString()};
    // The store the next Start hands the window.
    PreferencesStore* preferenceStore = &preferences;
    BackgroundHistory history{folder.filePath("history"), {2000, [](const QString&) {}}};
    std::unique_ptr<frmMain> window;

private:
    QTimer m_watchdog;
};
