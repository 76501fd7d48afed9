#pragma once

#include "BoardGeometry.h"
#include "BoardSurface.h"
#include "FindControl.h"
#include "RandomSource.h"
#include "RecordingAudioBackend.h"
#include "ScriptedFileDialog.h"
#include "ScriptedInputBox.h"
#include "ScriptedMessageBox.h"
#include "SettingsStore.h"
#include "WrapButton.h"
#include "frmMain.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

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
    MainWindowTest()
    {
        QObject::connect(&m_watchdog, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "a modal dialog opened: " << modal->windowTitle().toStdString();
                modal->close();
            }
        });
        m_watchdog.start(200);
    }
    ~MainWindowTest() override { if (window) window->close(); }

    // Runs start-up, on this "Settings.log" when given.
    void Start(std::optional<std::string> file = std::nullopt)
    {
        QFile out(folder.filePath("Settings.log"));
        if (file && out.open(QIODevice::WriteOnly))
            out.write(file->c_str());
        out.close();
        window = std::make_unique<frmMain>(
            frmMainServices{sound, random, messages, input, files, settings, folder.path().toStdString()});
        window->Form_Load();
    }
    std::string ReadSettings() const
    {
        QFile file(folder.filePath("Settings.log"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<no file>";
    }

    // Viewport size, board offset, each bar's maximum and value: "547x388 at 0,0 H 1/0 V hidden 32/0".
    std::string Layout() const
    {
        const auto bar = [](const QScrollBar* b) {
            const std::string shown = b->isVisible() ? " " : " hidden ";
            return shown + std::to_string(b->maximum()) + "/" + std::to_string(b->value());
        };
        return std::to_string(Control<QFrame>("PicMain")->width()) + "x" + std::to_string(Control<QFrame>("PicMain")->height()) + " at " +
               std::to_string(Control<BoardSurface>("PicMap")->x()) + "," + std::to_string(Control<BoardSurface>("PicMap")->y()) + " H" +
               bar(Control<QScrollBar>("HSWidth")) + " V" + bar(Control<QScrollBar>("VSHeight"));
    }
    QSize Client() const { return window->centralWidget()->size(); }
    // Sizes the client area as a player dragging the border would.
    void ResizeClient(int width, int height)
    {
        window->resize(width, height + window->height() - Client().height());
        QCoreApplication::processEvents();
    }

    // Clicks at the window, so Qt finds the widget under the pointer as for a player.
    void Click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(window->windowHandle(), button, {}, widget->mapTo(window.get(), at));
    }
    void ClickCell(QPoint cell, Qt::MouseButton button = Qt::LeftButton)
    {
        Click(Control<BoardSurface>("PicMap"), cell * kCellPixels + QPoint(kCellPixels / 2, kCellPixels / 2), button);
    }
    void Tick(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            ASSERT_TRUE(Control<QTimer>("timSec")->isActive()) << "the clock is not running";
            window->timSec_Timer();
        }
    }

    // New Game, confirmed with Yes; then Start with these texts.
    frmNewGame* OpenNewGame()
    {
        messages.answers.push_back(MessageAnswer::Yes);
        Control<QAction>("MnuFileNewGame")->trigger();
        return window->newGameDialog();
    }
    void StartNewGame(const char* columns, const char* rows, const char* seconds)
    {
        frmNewGame* dialog = OpenNewGame();
        ASSERT_NE(dialog, nullptr);
        dialog->txtGameWidth->setText(columns);
        dialog->txtGameHeight->setText(rows);
        dialog->txtGameTime->setText(seconds);
        dialog->cmdStart->click();
        QCoreApplication::processEvents();
    }

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
    std::unique_ptr<frmMain> window;

private:
    QTimer m_watchdog;
};
