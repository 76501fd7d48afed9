#pragma once

// The real main window with services that never ask the player anything,
// in a program folder of its own, for the window and theme benchmarks.
#include "BoardSurface.h"
#include "NullAudioBackend.h"
#include "RandomSource.h"
#include "Services.h"
#include "SettingsStore.h"
#include "frmMain.h"

#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace offscreen {

class SilentMessages final : public MessageBoxService {
public:
    MessageAnswer Show(const DialogText&, const DialogText&, MessageButtons buttons) override
    {
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
};
class SilentInput final : public InputBoxService {
public:
    std::optional<std::string> Ask(const DialogText&, const DialogText&, const std::string&) override
    {
        return std::nullopt;
    }
};
// Answers the theme dialog with `answer` (empty: cancelled).
class AnsweringFiles final : public FileDialogService {
public:
    std::string answer;
    std::string ShowThemeDialog(const std::filesystem::path&) override { return answer; }
};

struct Game {
    // A "Settings.log" with these contents is written first unless empty;
    // the sounds go to `backend`, silent by default.
    explicit Game(const std::string& settings,
                  std::unique_ptr<AudioBackend> backend = std::make_unique<NullAudioBackend>())
        : audio(std::move(backend))
    {
        if (!settings.empty()) {
            QFile file(folder.filePath(QStringLiteral("Settings.log")));
            file.open(QIODevice::WriteOnly);
            file.write(settings.data(), static_cast<qint64>(settings.size()));
        }
        store = std::make_unique<DiskSettingsStore>(folder.path().toStdString(), nullptr, nullptr);
        window = std::make_unique<frmMain>(
            frmMainServices{sound, random, messages, input, files, *store, folder.path().toStdString()});
    }

    // The board surface, found by its name.
    BoardSurface* surface() const { return window->findChild<BoardSurface*>(QStringLiteral("PicMap")); }

    // Lets events run until the board surface has painted bricks.
    bool WaitForPaint()
    {
        for (int round = 0; round < 1000; ++round) {
            QCoreApplication::processEvents();
            if (surface()->lastPaintedBricks() > 0)
                return true;
        }
        return false;
    }

    void Click(QPointF at)
    {
        BoardSurface* board = surface();
        QMouseEvent press(QEvent::MouseButtonPress, at, board->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, board->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(board, &press);
        QCoreApplication::sendEvent(board, &release);
    }

    QTemporaryDir folder;
    std::unique_ptr<AudioBackend> audio;
    ModSound sound{*audio};
    SeededRandomSource random{7};
    SilentMessages messages;
    SilentInput input;
    AnsweringFiles files;
    std::unique_ptr<DiskSettingsStore> store;
    std::unique_ptr<frmMain> window;
};

}  // namespace offscreen
